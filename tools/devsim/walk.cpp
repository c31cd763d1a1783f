#include "tools/devsim/walk.h"

#include <cmath>
#include <numbers>

namespace zel::devsim {
namespace {

constexpr double kEarthRadius = 6371008.8;  // mean radius, metres
constexpr double kMetresPerDegree = kEarthRadius * std::numbers::pi / 180.0;

int days_in_month(int month, int year) {
    constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[(month - 1) % 12];
}

}  // namespace

TrackPoint walk_position(const Walk& walk, double seconds) {
    double distance = walk.speed * seconds;
    double heading = walk.heading * std::numbers::pi / 180.0;
    double north = distance * std::cos(heading);
    double east = distance * std::sin(heading);
    double lat_scale = std::cos(walk.start_latitude * std::numbers::pi / 180.0);
    return {walk.start_latitude + north / kMetresPerDegree,
            walk.start_longitude + east / (kMetresPerDegree * lat_scale), walk.start_easting + east,
            walk.start_northing + north};
}

UtcTime advance(const UtcTime& start, double seconds) {
    UtcTime t = start;
    t.seconds_of_day += seconds;
    while (t.seconds_of_day >= 86400.0) {
        t.seconds_of_day -= 86400.0;
        if (++t.day > days_in_month(t.month, t.year)) {
            t.day = 1;
            if (++t.month > 12) {
                t.month = 1;
                ++t.year;
            }
        }
    }
    return t;
}

}  // namespace zel::devsim
