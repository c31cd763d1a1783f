#include "tools/devsim/walk.h"

#include <cmath>

#include <gtest/gtest.h>

namespace zel::devsim {
namespace {

TEST(Walk, MovesAlongItsHeadingAtItsSpeed) {
    constexpr double kMetresPerDegree = 111195.08;  // mean earth radius
    struct Case {
        double heading;
        double east;
        double north;
    };
    for (Case c : {Case{0, 0, 100}, Case{90, 100, 0}, Case{180, 0, -100}, Case{225, -70.7107, -70.7107}}) {
        SCOPED_TRACE(c.heading);
        Walk w{.start_latitude = 60.0, .start_longitude = 10.0, .heading = c.heading, .speed = 2.0,
               .start_easting = 1000.0, .start_northing = 2000.0};
        TrackPoint p = walk_position(w, 50.0);
        EXPECT_NEAR(p.easting, 1000.0 + c.east, 1e-3);
        EXPECT_NEAR(p.northing, 2000.0 + c.north, 1e-3);
        EXPECT_NEAR((p.latitude - 60.0) * kMetresPerDegree, c.north, 0.01);
        // A degree of longitude is half as long at 60 degrees north.
        EXPECT_NEAR((p.longitude - 10.0) * kMetresPerDegree * 0.5, c.east, 0.01);
    }
    EXPECT_EQ(walk_position(Walk{}, 0.0).latitude, Walk{}.start_latitude);
}

TEST(Walk, TimeWrapsAtMidnightIntoTheNextDay) {
    UtcTime t = advance({.seconds_of_day = 86399.5, .day = 31, .month = 12, .year = 2026}, 1.0);
    EXPECT_DOUBLE_EQ(t.seconds_of_day, 0.5);
    EXPECT_EQ(t.day, 1);
    EXPECT_EQ(t.month, 1);
    EXPECT_EQ(t.year, 2027);
    UtcTime leap = advance({.seconds_of_day = 86000, .day = 28, .month = 2, .year = 2028}, 1000);
    EXPECT_EQ(leap.day, 29);
    EXPECT_EQ(leap.month, 2);
}

}  // namespace
}  // namespace zel::devsim
