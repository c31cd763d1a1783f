#include "tools/devsim/nmea_sentence.h"

#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstdio>

namespace zel::devsim {
namespace {

std::string format(const char* pattern, ...) __attribute__((format(printf, 1, 2)));

std::string format(const char* pattern, ...) {
    char buffer[512];
    va_list args;
    va_start(args, pattern);
    int n = std::vsnprintf(buffer, sizeof buffer, pattern, args);
    va_end(args);
    if (n < 0) return {};
    return std::string(buffer, std::min(static_cast<std::size_t>(n), sizeof buffer - 1));
}

// hhmmss.ss
std::string time_field(const UtcTime& t) {
    long long centis = std::llround(t.seconds_of_day * 100.0) % 8640000;
    long long seconds = centis / 100;
    return format("%02lld%02lld%02lld.%02lld", seconds / 3600, seconds / 60 % 60, seconds % 60, centis % 100);
}

std::string mmddyy(const UtcTime& t) { return format("%02d%02d%02d", t.month, t.day, t.year % 100); }
std::string ddmmyy(const UtcTime& t) { return format("%02d%02d%02d", t.day, t.month, t.year % 100); }

AngleField angle_field(double degrees, int degree_digits, int decimals, char positive, char negative) {
    double magnitude = std::fabs(degrees);
    double whole = std::floor(magnitude);
    double scale = std::pow(10.0, decimals);
    double minutes = std::round((magnitude - whole) * 60.0 * scale) / scale;
    if (minutes >= 60.0) {  // rounding reached the next degree
        minutes -= 60.0;
        whole += 1.0;
    }
    std::string value = format("%0*d%0*.*f", degree_digits, static_cast<int>(whole), decimals + 3, decimals, minutes);
    return {value, degrees < 0 ? negative : positive};
}

}  // namespace

std::uint8_t nmea_checksum(std::string_view body) {
    std::uint8_t sum = 0;
    for (char c : body) {
        if (c == '$') continue;
        if (c == '*') break;
        sum ^= static_cast<std::uint8_t>(c);
    }
    return sum;
}

std::string nmea_sentence(std::string_view body, HexCase hex_case) {
    return "$" + std::string(body) +
           format(hex_case == HexCase::Upper ? "*%02X\r\n" : "*%02x\r\n", nmea_checksum(body));
}

AngleField latitude_field(double degrees, int decimals) { return angle_field(degrees, 2, decimals, 'N', 'S'); }

AngleField longitude_field(double degrees, int decimals) {
    return angle_field(degrees, 3, decimals, 'E', 'W');
}

// GPGGA,092750.00,4807.03800,N,01131.00000,E,1,08,0.9,100.0,M,47.0,M,,
std::string gga_body(std::string_view talker, const TrackPoint& p, const FixInfo& fix) {
    AngleField lat = latitude_field(p.latitude, 5);
    AngleField lon = longitude_field(p.longitude, 5);
    return format("%.2sGGA,%s,%s,%c,%s,%c,%d,%02d,%.1f,%.1f,M,47.0,M,,", talker.data(),
                  time_field(fix.time).c_str(), lat.value.c_str(), lat.hemisphere, lon.value.c_str(),
                  lon.hemisphere, fix.quality, fix.satellites, fix.hdop, fix.altitude);
}

// GPGSA,A,3,04,05,09,12,24,25,29,31,,,,,1.8,0.9,1.6
std::string gsa_body(std::string_view talker, const FixInfo& fix) {
    constexpr int kPrns[] = {4, 5, 9, 12, 24, 25, 29, 31, 2, 7, 13, 17};
    std::string prns;
    for (int i = 0; i < 12; ++i) {
        prns += i < fix.satellites ? format("%02d,", kPrns[i]) : std::string(",");
    }
    return format("%.2sGSA,A,3,%s%.1f,%.1f,%.1f", talker.data(), prns.c_str(), fix.pdop, fix.hdop, fix.vdop);
}

// GPGLL,4807.03800,N,01131.00000,E,092750.00,A,A
std::string gll_body(std::string_view talker, const TrackPoint& p, const FixInfo& fix) {
    AngleField lat = latitude_field(p.latitude, 5);
    AngleField lon = longitude_field(p.longitude, 5);
    return format("%.2sGLL,%s,%c,%s,%c,%s,A,A", talker.data(), lat.value.c_str(), lat.hemisphere,
                  lon.value.c_str(), lon.hemisphere, time_field(fix.time).c_str());
}

// PASHR,POS,0,08,092750.00,4807.038000,N,01131.000000,E,+100.000,,,,,1.8,0.9,1.6,1.0,ZL01
std::string pashr_pos_body(const TrackPoint& p, const FixInfo& fix) {
    AngleField lat = latitude_field(p.latitude, 6);
    AngleField lon = longitude_field(p.longitude, 6);
    return format("PASHR,POS,%d,%02d,%s,%s,%c,%s,%c,%+.3f,,,,,%.1f,%.1f,%.1f,1.0,ZL01",
                  fix.quality > 0 ? fix.quality - 1 : 0, fix.satellites, time_field(fix.time).c_str(),
                  lat.value.c_str(), lat.hemisphere, lon.value.c_str(), lon.hemisphere, fix.altitude,
                  fix.pdop, fix.hdop, fix.vdop);
}

// PTNL,GGK,092750.00,121126,4807.0380000,N,01131.0000000,E,3,08,0.9,EHT100.000,M
std::string ptnl_ggk_body(const TrackPoint& p, const FixInfo& fix) {
    AngleField lat = latitude_field(p.latitude, 7);
    AngleField lon = longitude_field(p.longitude, 7);
    return format("PTNL,GGK,%s,%s,%s,%c,%s,%c,%d,%02d,%.1f,EHT%.3f,M", time_field(fix.time).c_str(),
                  mmddyy(fix.time).c_str(), lat.value.c_str(), lat.hemisphere, lon.value.c_str(),
                  lon.hemisphere, fix.quality, fix.satellites, fix.pdop, fix.altitude);
}

// GPLLK,092750.00,121126,500012.345,M,5000012.345,M,3,08,1.8,EHT100.000,M
std::string llk_body(std::string_view talker, const TrackPoint& p, const FixInfo& fix) {
    return format("%.2sLLK,%s,%s,%.3f,M,%.3f,M,%d,%02d,%.1f,EHT%.3f,M", talker.data(),
                  time_field(fix.time).c_str(), mmddyy(fix.time).c_str(), p.easting, p.northing,
                  fix.quality, fix.satellites, fix.pdop, fix.altitude);
}

// GPLLQ,092750.00,111226,500012.345,M,5000012.345,M,3,08,0.012,100.000,M
std::string llq_body(std::string_view talker, const TrackPoint& p, const FixInfo& fix) {
    return format("%.2sLLQ,%s,%s,%.3f,M,%.3f,M,%d,%02d,0.012,%.3f,M", talker.data(),
                  time_field(fix.time).c_str(), ddmmyy(fix.time).c_str(), p.easting, p.northing,
                  fix.quality, fix.satellites, fix.altitude);
}

// GPGGA,092750.00,5000012.345,N,500012.345,E,1,08,0.9,100.000,M,,,,
std::string total_station_gga_body(std::string_view talker, const TrackPoint& p, const FixInfo& fix) {
    return format("%.2sGGA,%s,%.3f,N,%.3f,E,%d,%02d,%.1f,%.3f,M,,,,", talker.data(),
                  time_field(fix.time).c_str(), p.northing, p.easting, fix.quality, fix.satellites,
                  fix.hdop, fix.altitude);
}

std::string total_station_block(const TrackPoint& p, const FixInfo& fix) {
    return format(">\r\n37=%.3f\r\n38=%.3f\r\n39=%.3f\r\n", p.northing, p.easting, fix.altitude);
}

}  // namespace zel::devsim
