#include "gps/nmea/sentence_type.h"

#include <initializer_list>

namespace zel {

namespace {

using K = FieldKind;

constexpr FieldLayout make_layout(std::string_view tag, std::initializer_list<FieldEntry> entries) {
    FieldLayout l{};
    l.tag = tag;
    for (const FieldEntry& e : entries) l.entries[l.count++] = e;
    return l;
}

}  // namespace

// Sentences as read, fields numbered from the address field:
//   $--GGA,time,lat,N/S,lon,E/W,quality,satellites,HDOP,...
//   $PASHR,POS,mode,satellites,time,lat,N/S,lon,E/W,... (field 15 PDOP)
//   $--LLK,time,date,easting,M,northing,M,quality,satellites,GDOP,...
//   $--LLQ,time,date,easting,M,northing,M,quality,satellites,quality in m,...
//   $--GLL,lat,N/S,lon,E/W,time,status
//   $PTNL,GGK,time,date,lat,N/S,lon,E/W,quality,satellites,DOP,...
//   total station: GGA-tagged, northing in field 3, easting in field 5, unit letter in field 11
const std::array<GpsSentenceTypeInfo, 9> kGpsSentenceTypes = {{
    {GpsSentenceType::GgaGsa, "GGA/GSA",
     make_layout("GGA", {{K::Satellites, 8}, {K::Quality, 7}, {K::LatitudeHemisphere, 4}, {K::Latitude, 3},
                    {K::LongitudeHemisphere, 6}, {K::Longitude, 5}}),
     ChecksumTest::Tested, GpsReader::Nmea},
    {GpsSentenceType::Gga, "GGA",
     make_layout("GGA", {{K::Satellites, 8}, {K::Quality, 7}, {K::LatitudeHemisphere, 4}, {K::Latitude, 3},
                    {K::LongitudeHemisphere, 6}, {K::Longitude, 5}, {K::Hdop, 9}}),
     ChecksumTest::Tested, GpsReader::Nmea},
    {GpsSentenceType::Pos, "POS",
     make_layout("POS", {{K::Satellites, 4}, {K::Quality, 3}, {K::LatitudeHemisphere, 7}, {K::Latitude, 6},
                    {K::LongitudeHemisphere, 9}, {K::Longitude, 8}, {K::Dop, 15}}),
     ChecksumTest::Tested, GpsReader::Nmea},
    {GpsSentenceType::Llk, "LLK",
     make_layout("LLK", {{K::Satellites, 9}, {K::Quality, 8}, {K::Northing, 6}, {K::Easting, 4}, {K::DopOrQuality, 10}}),
     ChecksumTest::Tested, GpsReader::Nmea},
    {GpsSentenceType::Llq, "LLQ",
     make_layout("LLQ", {{K::Satellites, 9}, {K::Quality, 8}, {K::Northing, 6}, {K::Easting, 4}, {K::DopOrQuality, 10}}),
     ChecksumTest::Tested, GpsReader::Nmea},
    {GpsSentenceType::Gll, "GLL",
     make_layout("GLL", {{K::LatitudeHemisphere, 3}, {K::Latitude, 2}, {K::LongitudeHemisphere, 5}, {K::Longitude, 4}}),
     ChecksumTest::Tested, GpsReader::Nmea},
    {GpsSentenceType::Ggk, "GGK",
     make_layout("GGK", {{K::Satellites, 10}, {K::Quality, 9}, {K::LatitudeHemisphere, 6}, {K::Latitude, 5},
                    {K::LongitudeHemisphere, 8}, {K::Longitude, 7}, {K::Dop, 11}}),
     ChecksumTest::Tested, GpsReader::Nmea},
    {GpsSentenceType::RtsPgga, "RTS pGGA", make_layout("GGA", {{K::Northing, 3}, {K::Easting, 5}}),
     ChecksumTest::Skipped, GpsReader::Nmea},
    {GpsSentenceType::RtsTrimble, "RTS Trimble", std::nullopt, ChecksumTest::Skipped, GpsReader::TotalStation},
}};

std::optional<GpsSentenceType> gps_sentence_type(int setting) {
    if (setting < 0 || setting >= static_cast<int>(kGpsSentenceTypes.size())) return std::nullopt;
    return static_cast<GpsSentenceType>(setting);
}

const GpsSentenceTypeInfo& sentence_type_info(GpsSentenceType type) {
    return kGpsSentenceTypes[static_cast<std::size_t>(type)];
}

void apply_sentence_type_setting(int setting, FieldLayout& layout) {
    const std::optional<GpsSentenceType> type = gps_sentence_type(setting);
    if (!type) return;
    const std::optional<FieldLayout>& chosen = sentence_type_info(*type).layout;
    if (chosen) layout = *chosen;
}

FieldLayout default_field_layout() { return *sentence_type_info(kDefaultGpsSentenceType).layout; }

}  // namespace zel
