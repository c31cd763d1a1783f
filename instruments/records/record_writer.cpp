#include "instruments/records/record_writer.h"

#include <type_traits>

namespace zel {

static_assert(sizeof(Record<kLongRecord>) == kLongRecord && sizeof(Record<kShortRecord>) == kShortRecord,
              "a record block must be contiguous record bytes");

RecordWriter::RecordWriter(platform::RecordFile& file, InstrumentType type)
    : m_file(file), m_short_records(uses_short_records(type)) {}

template <class Format>
void RecordWriter::write_formatted(Format&& format) {
    if (m_short_records)
        write(format(std::integral_constant<std::size_t, kShortRecord>{}));
    else
        write(format(std::integral_constant<std::size_t, kLongRecord>{}));
}

platform::CreateResult RecordWriter::create_file(const std::filesystem::path& path, const HeaderValues& header,
                                                 const LineBlockValues& line, const platform::LocalTime& time,
                                                 platform::Tick tick) {
    const platform::CreateResult result = m_file.create(path);
    if (result != platform::CreateResult::Created) return result;
    write_header(header);
    write_line_block(line, time);
    write_time_record(time, tick);
    m_file.reopen_for_append();
    return result;
}

void RecordWriter::write_header(const HeaderValues& values) {
    write_formatted([&](auto r) { return header_block<decltype(r)::value>(values); });
}

void RecordWriter::write_line_block(const LineBlockValues& values, const platform::LocalTime& time) {
    write_formatted([&](auto r) { return line_block<decltype(r)::value>(values, time); });
}

void RecordWriter::write_time_record(const platform::LocalTime& time, platform::Tick tick) {
    write_formatted([&](auto r) { return time_record<decltype(r)::value>(time, tick); });
}

void RecordWriter::write_station_record(double station, platform::Tick tick) {
    write_formatted([&](auto r) { return station_record<decltype(r)::value>(station, tick); });
}

void RecordWriter::write_comment(CommentKind kind, std::string_view text, platform::Tick tick) {
    write_formatted([&](auto r) { return comment_record<decltype(r)::value>(kind, text, tick); });
}

void RecordWriter::write_reading_sentence(std::string_view sentence, std::int32_t reading_counter,
                                          platform::Tick start_tick) {
    write_formatted([&](auto r) { return reading_sentence_records<decltype(r)::value>(sentence, reading_counter, start_tick); });
}

void RecordWriter::write_gps_sentence(std::string_view sentence, SentenceFamily family,
                                      std::int32_t gps_record_counter, GpsFlag flag, platform::Tick start_tick,
                                      platform::Tick logging_start_tick) {
    if (started_before_logging(start_tick, logging_start_tick)) return;
    write_formatted([&](auto r) {
        return gps_sentence_records<decltype(r)::value>(sentence, family, gps_record_counter, flag, start_tick);
    });
}

void RecordWriter::write_offset_records(std::span<const ChannelOffset> offsets) {
    RecordBlock<kLongRecord> block;
    for (const ChannelOffset& offset : offsets) block.push_back(line_offset_record(offset));
    if (!block.empty()) write(block);
}

}  // namespace zel
