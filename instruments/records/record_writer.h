#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string_view>

#include "app/build_config.h"
#include "instruments/records/header_records.h"
#include "instruments/records/line_block.h"
#include "instruments/records/record.h"
#include "instruments/records/sentence_records.h"
#include "instruments/records/stamped_records.h"
#include "platform/clock/clock.h"
#include "platform/files/record_file.h"

namespace zel {

// The record writers of a build: format each record in the build's record length and append it
// to the data file. With no file open every write does nothing.
class RecordWriter {
public:
    RecordWriter(platform::RecordFile& file, InstrumentType type);

    // Creates the data file, which must not exist, with its header block, the first line block
    // and a time record, then reopens it for appending.
    platform::CreateResult create_file(const std::filesystem::path& path, const HeaderValues& header,
                                       const LineBlockValues& line, const platform::LocalTime& time,
                                       platform::Tick tick);

    void write_header(const HeaderValues& values);
    void write_line_block(const LineBlockValues& values, const platform::LocalTime& time);
    void write_time_record(const platform::LocalTime& time, platform::Tick tick);
    void write_station_record(double station, platform::Tick tick);
    void write_comment(CommentKind kind, std::string_view text, platform::Tick tick);
    void write_reading_sentence(std::string_view sentence, std::int32_t reading_counter, platform::Tick start_tick);
    // Skips a sentence that started before logging did.
    void write_gps_sentence(std::string_view sentence, SentenceFamily family, std::int32_t gps_record_counter,
                            GpsFlag flag, platform::Tick start_tick, platform::Tick logging_start_tick);
    // EM61 and EM61-MK2, after a nulling of the offsets.
    void write_offset_records(std::span<const ChannelOffset> offsets);

    // A single reading record of the build's own layout.
    template <std::size_t R>
    void write(const Record<R>& record) {
        m_file.append(record);
    }

private:
    template <std::size_t R>
    void write(const RecordBlock<R>& block) {
        if (block.empty()) return;
        m_file.append_records({block.front().data(), block.size() * R}, R);
    }

    // Calls format with the build's record length as a compile-time constant and writes its result.
    template <class Format>
    void write_formatted(Format&& format);

    platform::RecordFile& m_file;
    bool m_short_records;
};

}  // namespace zel
