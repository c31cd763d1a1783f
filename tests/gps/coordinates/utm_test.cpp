#include "gps/coordinates/utm.h"

#include <gtest/gtest.h>

#include <cmath>

namespace zel {
namespace {

TEST(UtmConstants, DerivedConstantsMatchTheirCheckValues) {
    struct Case {
        const char* name;
        double actual;
        double expected;
    };
    const Case cases[] = {
        {"b", kUtm.b, 6356752.314245179},
        {"e2", kUtm.e2, 0.006694379990141316},
        {"ep2", kUtm.ep2, 0.006739496742276434},
        {"n", kUtm.n, 0.0016792203863837205},
        {"A'", kUtm.arc_a, 6367449.145823415},
        {"B'", kUtm.arc_b, 16038.508662976265},
        {"C'", kUtm.arc_c, 16.832613263150265},
        {"D'", kUtm.arc_d, 0.02198440413426219},
        {"E'", kUtm.arc_e, 3.114837105572334e-05},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_NEAR(c.actual, c.expected, std::fabs(c.expected) * 1e-14);
    }
}

TEST(GeographicToUtm, WorkedPoints) {
    struct Case {
        double lat, lon;
        int zone;
        double northing, easting;
    };
    const Case cases[] = {
        {48.1173, 11.516666666666667, 32, 5332401.246, 687299.575},
        {-33.9, 18.4, 34, 6245888.045, 259583.222},  // false northing in the south
        {0.0, 3.0, 31, 0.000, 500000.000},           // on a central meridian; 0 counts as north
        {48.0, 12.0, 33, 5320655.789, 276224.085},   // zone boundary belongs to the east
        {60.0, -2.9, 30, 6651415.406, 505577.767},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.lat << ", " << c.lon);
        const UtmPosition p = geographic_to_utm(c.lat, c.lon);
        EXPECT_EQ(p.zone, c.zone);
        EXPECT_NEAR(p.northing, c.northing, 0.0005);
        EXPECT_NEAR(p.easting, c.easting, 0.0005);
    }
}

TEST(UtmZone, LimitsAndBoundaries) {
    struct Case {
        double lon;
        int zone;
    };
    const Case cases[] = {
        {180.0, 60}, {-180.0, 1}, {-179.999, 1}, {-174.0, 2}, {-0.000001, 30}, {0.0, 31},
        {179.999, 60}, {500.0, 60}, {-500.0, 1}, {1e300, 60}, {-1e300, 1}, {NAN, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lon);
        EXPECT_EQ(utm_zone(c.lon), c.zone);
    }
}

TEST(GeographicToUtm, PolesGiveFiniteValuesOnTheMeridianArc) {
    for (const double lat : {90.0, -90.0, 89.9999}) {
        SCOPED_TRACE(lat);
        const UtmPosition p = geographic_to_utm(lat, 10.0);
        EXPECT_TRUE(std::isfinite(p.northing));
        EXPECT_TRUE(std::isfinite(p.easting));
    }
    // On the central meridian the northing is the scaled meridian arc: a quarter meridian of
    // WGS 84 is 10001965.729 m.
    EXPECT_NEAR(geographic_to_utm(90.0, 9.0).northing, 10001965.729 * 0.9996, 0.01);
    EXPECT_NEAR(geographic_to_utm(90.0, 9.0).easting, 500000.0, 1e-6);
}

}  // namespace
}  // namespace zel
