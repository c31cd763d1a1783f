#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

#include "gps/nmea/nmea_checksum.h"

namespace zel {

// The GPS sentence-type setting: which sentence carries the fix and how its fields are laid out.
enum class GpsSentenceType : int {
    GgaGsa = 0,
    Gga = 1,
    Pos = 2,
    Llk = 3,
    Llq = 4,
    Gll = 5,
    Ggk = 6,
    RtsPgga = 7,
    RtsTrimble = 8,
};

inline constexpr GpsSentenceType kDefaultGpsSentenceType = GpsSentenceType::Gga;

// What a field of the fix sentence holds. The fix handling treats Hdop and DopOrQuality as Dop.
enum class FieldKind : int {
    Satellites = 0,
    Quality = 1,
    LatitudeHemisphere = 2,   // "N" or "S"
    Latitude = 3,             // ddmm.mmmm
    LongitudeHemisphere = 4,  // "E" or "W"
    Longitude = 5,            // dddmm.mmmm
    Dop = 6,
    Hdop = 7,
    Northing = 8,
    Easting = 9,
    DopOrQuality = 10,
};

struct FieldEntry {
    FieldKind kind;
    int field;  // 1-based, as gps_field() counts
};

inline constexpr std::size_t kMaxFieldEntries = 7;

// Where the fix handling finds each value; entries are processed in order, and a hemisphere
// stands before the coordinate it signs.
struct FieldLayout {
    std::string_view tag;  // found anywhere in the sentence, so any talker matches
    std::size_t count = 0;
    std::array<FieldEntry, kMaxFieldEntries> entries{};

    constexpr std::span<const FieldEntry> used() const { return {entries.data(), count}; }
};

enum class GpsReader { Nmea, TotalStation };

struct GpsSentenceTypeInfo {
    GpsSentenceType type;
    std::string_view list_text;
    std::optional<FieldLayout> layout;  // none for total-station blocks: the layout stays as it was
    ChecksumTest checksum;
    GpsReader reader;
};

// One row per setting value, in value order.
extern const std::array<GpsSentenceTypeInfo, 9> kGpsSentenceTypes;

// The setting as a type; nothing for a value outside 0..8.
std::optional<GpsSentenceType> gps_sentence_type(int setting);

const GpsSentenceTypeInfo& sentence_type_info(GpsSentenceType type);

// Refills the layout for a setting value. Total-station blocks and values outside 0..8 leave it
// unchanged.
void apply_sentence_type_setting(int setting, FieldLayout& layout);

// The layout the program starts with, before the settings file is read.
FieldLayout default_field_layout();

inline bool contains_tag(std::string_view sentence, std::string_view tag) {
    return !tag.empty() && sentence.find(tag) != std::string_view::npos;
}

}  // namespace zel
