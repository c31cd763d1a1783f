#include "gps/coordinates/utm.h"

#include <GeographicLib/TransverseMercator.hpp>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace zel {
namespace {

struct Difference {
    double metres = 0.0;
    double lat = 0.0;
    double lon = 0.0;
};

// Horizontal distance between our series and GeographicLib's 6th-order Krueger series (accurate to
// nanometres in the UTM range) for one point projected about the given zone's central meridian.
double difference(double lat, double lon, int zone) {
    const UtmPosition ours = transverse_mercator(lat, lon, zone);
    double x = 0.0, y = 0.0;
    GeographicLib::TransverseMercator::UTM().Forward(6.0 * zone - 183.0, lat, lon, x, y);
    const double easting = x + 500000.0;
    const double northing = y + (lat < 0.0 ? 10000000.0 : 0.0);
    return std::hypot(ours.easting - easting, ours.northing - northing);
}

// Largest difference over the UTM latitudes (-80..84) for points at a fixed offset from the
// central meridian of every zone, on a 0.5-degree latitude grid.
Difference largest_at_offset(double offset_deg) {
    Difference worst;
    for (int zone = 1; zone <= 60; zone += 7) {
        const double lon = 6.0 * zone - 183.0 + offset_deg;
        for (double lat = -80.0; lat <= 84.0; lat += 0.5) {
            const double d = difference(lat, lon, zone);
            if (d > worst.metres) worst = {d, lat, lon};
        }
    }
    return worst;
}

TEST(UtmReference, WholeGridWithZoneFromLongitudeAgreesToTenMicrometres) {
    // Every point takes its zone from its longitude, so it lies within 3 degrees (0.052 rad) of
    // its central meridian. The series stops before the tenth power of the longitude difference:
    // a * 0.052^10 is about a micrometre, so 10 micrometres leaves room for rounding and the
    // latitude factors of the missing terms while still catching any wrong coefficient.
    Difference worst;
    for (double lat = -80.0; lat <= 84.0; lat += 1.0) {
        for (double lon = -180.0; lon < 180.0; lon += 0.25) {
            const double d = difference(lat, lon, utm_zone(lon));
            if (d > worst.metres) worst = {d, lat, lon};
        }
    }
    std::printf("largest difference within 3 degrees: %.6f m at %.2f, %.2f\n", worst.metres, worst.lat, worst.lon);
    EXPECT_LT(worst.metres, 1e-5);
}

TEST(UtmReference, DifferenceGrowsAwayFromTheCentralMeridian) {
    const Difference at_0 = largest_at_offset(0.0);
    const Difference at_3 = largest_at_offset(3.0);
    const Difference at_6 = largest_at_offset(6.0);
    std::printf("largest difference at 0 degrees: %.6f m\n", at_0.metres);
    std::printf("largest difference at 3 degrees: %.6f m at %.2f, %.2f\n", at_3.metres, at_3.lat, at_3.lon);
    std::printf("largest difference at 6 degrees: %.6f m at %.2f, %.2f\n", at_6.metres, at_6.lat, at_6.lon);
    // On the meridian only the arc series remains.
    EXPECT_LT(at_0.metres, 1e-6);
    EXPECT_LT(at_3.metres, 1e-5);
    // The neglected terms grow with the tenth power of the offset: twice the offset, about a
    // thousand times the difference, still under a millimetre at 6 degrees.
    EXPECT_GT(at_6.metres, 10.0 * at_3.metres);
    EXPECT_LT(at_6.metres, 0.001);
}

}  // namespace
}  // namespace zel
