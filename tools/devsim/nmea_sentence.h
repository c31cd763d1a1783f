#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "tools/devsim/walk.h"

namespace zel::devsim {

// The exclusive-or of the characters between "$" and "*" (or the end).
std::uint8_t nmea_checksum(std::string_view body);

enum class HexCase { Upper, Lower };

// "$" + body + "*" + two hexadecimal digits + CR LF.
std::string nmea_sentence(std::string_view body, HexCase hex_case = HexCase::Upper);

// Latitude as ddmm.mmm... and longitude as dddmm.mmm... with `decimals` digits of minutes, and
// the hemisphere letter.
struct AngleField {
    std::string value;
    char hemisphere;
};
AngleField latitude_field(double degrees, int decimals);
AngleField longitude_field(double degrees, int decimals);

// What a receiver reports beside the position.
struct FixInfo {
    UtcTime time;
    int quality = 1;
    int satellites = 8;
    double hdop = 0.9;
    double pdop = 1.8;
    double vdop = 1.6;
    double altitude = 100.0;
};

// Sentence bodies (without "$", checksum and line end) of the position forms the logger reads.
// `talker` is the two-letter address prefix of the standard sentences ("GP", "GN").
std::string gga_body(std::string_view talker, const TrackPoint& p, const FixInfo& fix);
std::string gsa_body(std::string_view talker, const FixInfo& fix);
std::string gll_body(std::string_view talker, const TrackPoint& p, const FixInfo& fix);
std::string pashr_pos_body(const TrackPoint& p, const FixInfo& fix);
std::string ptnl_ggk_body(const TrackPoint& p, const FixInfo& fix);
std::string llk_body(std::string_view talker, const TrackPoint& p, const FixInfo& fix);
std::string llq_body(std::string_view talker, const TrackPoint& p, const FixInfo& fix);
// A total station reporting in a GGA frame: northing in field 3, easting in field 5, "M" for
// metres in field 11.
std::string total_station_gga_body(std::string_view talker, const TrackPoint& p, const FixInfo& fix);
// A total station's labelled block: ">", then 37=northing, 38=easting and 39=height lines.
std::string total_station_block(const TrackPoint& p, const FixInfo& fix);

}  // namespace zel::devsim
