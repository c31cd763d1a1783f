#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string_view>
#include <vector>

#include "instruments/grad601/row_conversion.h"
#include "platform/files/record_file.h"

// The profile of the current survey line, read back from the open data file: the file is read
// backwards from its end, one record at a time, each reading record turned back into rows with
// the live handler's conversions, until the line's "Z" record or the window's left edge.
namespace zel {

inline constexpr std::size_t kRebuildChannels = 8;

struct RebuildPoint {
    int x = 0;
    std::int32_t row = 0;

    bool operator==(const RebuildPoint&) const = default;
};

// Readings not interrupted by a station record, newest first; drawn as one polyline per channel
// so that no trace joins readings on the two sides of a station record.
struct TraceSegment {
    std::array<std::vector<RebuildPoint>, kRebuildChannels> channels;  // empty for channels not drawn
    std::size_t count = 0;  // readings in the segment, shown or not
};

// Rows of one reading, per channel; channels beyond `channels` of the family are ignored.
using ReadingRows = std::array<std::int32_t, kRebuildChannels>;

// How an instrument family's readings are found and decoded.
struct RebuildFamily {
    std::string_view reading_kinds;  // record kinds that start a reading
    // A reading is a sentence spread over "=" records up to its ">" trailer, cut after this
    // many characters; 0: a reading is the one record itself (its columns 0..R-2).
    std::size_t sentence_cut = 0;
    std::size_t channels = 0;  // channels that exist in this configuration
    std::function<ReadingRows(std::string_view reading)> rows;
};

// GRAD601: numeric fields 1 and 2 of the sentence, sensor 1 in channel 0, sensor 2 in channel 1
// with two sensors; a sensor setting other than 1 or 2 gives no channel.
RebuildFamily grad601_rebuild_family(int sensor_setting, RowScale profile, std::size_t record_length);
// MineLab F3: two signed 16-bit values, least significant byte first, in columns 2-3 and 4-5.
RebuildFamily minelab_f3_rebuild_family(RowScale profile);

struct RebuildView {
    int sample_x = 167;  // column of the newest reading
    std::array<bool, kRebuildChannels> shown{};
};

// Reads the file at path backwards from its last whole record: a torn record at the very end
// (a failed write) is passed over rather than misread as records shifted by its length. Stops
// at the "Z" record, when x falls below 0, or at the start of the file. Nothing is written and
// the writers' position is not touched.
std::vector<TraceSegment> rebuild_profile(const std::filesystem::path& path, std::size_t record_length,
                                          const RebuildFamily& family, const RebuildView& view);

// The open data file's profile; nothing when no file is open.
std::vector<TraceSegment> rebuild_profile(const platform::RecordFile& data_file, std::size_t record_length,
                                          const RebuildFamily& family, const RebuildView& view);

}  // namespace zel
