#include "instruments/profile_rebuild/profile_rebuild.h"

#include <fstream>
#include <string>
#include <system_error>

#include "instruments/grad601/grad601_reading.h"

namespace zel {

namespace {

constexpr char kStationKind = 'S';
constexpr char kLineDateKind = 'Z';
constexpr char kContinuationKind = '=';
constexpr char kTrailerKind = '>';
constexpr int kStep = 2;  // pixels per reading

// Whole records of one file, read by index.
class RecordReader {
public:
    RecordReader(const std::filesystem::path& path, std::size_t record_length)
        : m_in(path, std::ios::binary), m_length(record_length) {
        std::error_code error;
        const std::uintmax_t size = std::filesystem::file_size(path, error);
        if (!error && m_in && record_length > 0) m_count = size / record_length;
    }

    std::uintmax_t count() const { return m_count; }

    // Columns 0..R-2 of record index; false when it cannot be read whole.
    bool read(std::uintmax_t index, std::string& record) {
        record.assign(m_length, ' ');
        m_in.clear();
        m_in.seekg(static_cast<std::streamoff>(index * m_length));
        m_in.read(record.data(), static_cast<std::streamsize>(m_length));
        if (m_in.gcount() != static_cast<std::streamsize>(m_length)) return false;
        record.pop_back();  // the line feed
        return true;
    }

private:
    std::ifstream m_in;
    std::size_t m_length;
    std::uintmax_t m_count = 0;
};

// The sentence of the reading whose first record is at index: its columns after the kind, then
// those of each "=" record up to the ">" trailer, read no further than the scan's end.
std::string reassemble(RecordReader& reader, std::uintmax_t index, std::uintmax_t end, const std::string& first,
                       std::size_t cut) {
    std::string sentence = first.substr(1);
    std::string record;
    for (std::uintmax_t next = index + 1; next < end && reader.read(next, record); ++next) {
        if (record.front() != kContinuationKind) break;  // the trailer, or a family cut short
        sentence += record.substr(1);
    }
    if (sentence.size() > cut) sentence.resize(cut);
    return sentence;
}

class SegmentCollector {
public:
    SegmentCollector(const RebuildFamily& family, const RebuildView& view) : m_family(family), m_view(view) {
        m_x = view.sample_x;
    }

    int x() const { return m_x; }

    void station() {
        m_x -= kStep;
        close_segment();
    }

    void reading(const ReadingRows& rows) {
        for (std::size_t channel = 0; channel < m_family.channels && channel < kRebuildChannels; ++channel)
            if (m_view.shown[channel]) m_current.channels[channel].push_back({m_x, rows[channel]});
        ++m_current.count;
        m_x -= kStep;
    }

    std::vector<TraceSegment> finish() {
        close_segment();
        return std::move(m_segments);
    }

private:
    void close_segment() {
        if (m_current.count > 0) m_segments.push_back(std::move(m_current));
        m_current = TraceSegment{};
    }

    const RebuildFamily& m_family;
    const RebuildView& m_view;
    int m_x = 0;
    TraceSegment m_current;
    std::vector<TraceSegment> m_segments;
};

}  // namespace

RebuildFamily grad601_rebuild_family(int sensor_setting, RowScale profile, std::size_t record_length) {
    RebuildFamily family;
    family.reading_kinds = "TM";
    family.sentence_cut = record_length;
    family.channels = sensor_setting == 1 || sensor_setting == 2 ? static_cast<std::size_t>(sensor_setting) : 0;
    family.rows = [sensor_setting, profile](std::string_view sentence) {
        const Grad601Readings readings = parse_pbar(sentence, sensor_setting);
        const Grad601Rows rows = grad601_rows(readings, profile, profile);
        return ReadingRows{rows.profile[0], rows.profile[1]};
    };
    return family;
}

RebuildFamily minelab_f3_rebuild_family(RowScale profile) {
    RebuildFamily family;
    family.reading_kinds = "T";
    family.channels = 2;
    family.rows = [profile](std::string_view record) {
        ReadingRows rows{};
        for (std::size_t channel = 0; channel < 2; ++channel) {
            const std::size_t column = 2 + 2 * channel;
            if (record.size() < column + 2) break;
            const auto low = static_cast<std::uint8_t>(record[column]);
            const auto high = static_cast<std::uint8_t>(record[column + 1]);
            const auto value = static_cast<std::int16_t>(static_cast<std::uint16_t>(low | high << 8));
            rows[channel] = row_of(static_cast<float>(value), profile);
        }
        return rows;
    };
    return family;
}

std::vector<TraceSegment> rebuild_profile(const std::filesystem::path& path, std::size_t record_length,
                                          const RebuildFamily& family, const RebuildView& view) {
    SegmentCollector collector(family, view);
    RecordReader reader(path, record_length);
    const std::uintmax_t end = reader.count();
    std::string record;
    for (std::uintmax_t index = end; index > 0;) {
        --index;
        if (!reader.read(index, record)) break;
        const char kind = record.front();
        if (kind == kLineDateKind) break;
        if (kind == kStationKind) {
            collector.station();
        } else if (family.reading_kinds.find(kind) != std::string_view::npos) {
            const std::string reading =
                family.sentence_cut > 0 ? reassemble(reader, index, end, record, family.sentence_cut) : record;
            collector.reading(family.rows(reading));
            if (collector.x() < 0) break;
        }
    }
    return collector.finish();
}

std::vector<TraceSegment> rebuild_profile(const platform::RecordFile& data_file, std::size_t record_length,
                                          const RebuildFamily& family, const RebuildView& view) {
    if (!data_file.is_open()) return {};
    return rebuild_profile(data_file.path(), record_length, family, view);
}

}  // namespace zel
