#include "tools/devsim/nmea_sentence.h"

#include <cmath>

#include <gtest/gtest.h>

#include "tests/tools/devsim/sentence_check.h"

namespace zel::devsim {
namespace {

using test::checksum_ok;
using test::degrees;
using test::field;

TEST(NmeaSentence, ChecksumOfAKnownSentence) {
    // A GLL line with a published checksum.
    EXPECT_EQ(nmea_sentence("GPGLL,4916.45,N,12311.12,W,225444,A,"),
              "$GPGLL,4916.45,N,12311.12,W,225444,A,*1D\r\n");
    EXPECT_EQ(nmea_sentence("GPGLL,4916.45,N,12311.12,W,225444,A,", HexCase::Lower),
              "$GPGLL,4916.45,N,12311.12,W,225444,A,*1d\r\n");
}

TEST(NmeaSentence, AngleFieldsRoundWithinTheMinuteAndSignByHemisphere) {
    EXPECT_EQ(latitude_field(48.1173, 4).value, "4807.0380");
    EXPECT_EQ(latitude_field(-33.5, 5).value, "3330.00000");
    EXPECT_EQ(latitude_field(-33.5, 5).hemisphere, 'S');
    EXPECT_EQ(longitude_field(-7.25, 3).value, "00715.000");
    EXPECT_EQ(longitude_field(-7.25, 3).hemisphere, 'W');
    EXPECT_EQ(longitude_field(7.25, 3).hemisphere, 'E');
    // 10.99999999 degrees is 10 degrees 59.9999994 minutes: rounded it is 11 degrees, not "1060".
    EXPECT_EQ(latitude_field(10.99999999, 5).value, "1100.00000");
}

struct PositionForm {
    const char* name;
    std::string (*make)(const TrackPoint&, const FixInfo&);
    int latitude_field;  // hemisphere letter follows each coordinate
    int longitude_field;
    int minute_decimals;
    int time_field;
};

const PositionForm kPositionForms[] = {
    {"GGA", [](const TrackPoint& p, const FixInfo& f) { return nmea_sentence(gga_body("GP", p, f)); }, 3, 5, 5, 2},
    {"GLL", [](const TrackPoint& p, const FixInfo& f) { return nmea_sentence(gll_body("GN", p, f)); }, 2, 4, 5, 6},
    {"POS", [](const TrackPoint& p, const FixInfo& f) { return nmea_sentence(pashr_pos_body(p, f)); }, 6, 8, 6, 5},
    {"GGK", [](const TrackPoint& p, const FixInfo& f) { return nmea_sentence(ptnl_ggk_body(p, f)); }, 5, 7, 7, 3},
};

TEST(NmeaSentence, PositionFormsCarryTheWalkedPositionWithinTheirPrecision) {
    const TrackPoint points[] = {
        {48.117300123, 11.516666777, 0, 0},
        {-33.868820444, -70.601234567, 0, 0},
        {0.000001, -0.000001, 0, 0},
    };
    FixInfo fix;
    fix.time = {.seconds_of_day = 9 * 3600 + 27 * 60 + 50.25, .day = 11, .month = 12, .year = 2026};
    fix.satellites = 9;
    for (const PositionForm& form : kPositionForms) {
        for (const TrackPoint& p : points) {
            std::string s = form.make(p, fix);
            SCOPED_TRACE(s);
            EXPECT_TRUE(checksum_ok(s));
            double tolerance = 0.5 * std::pow(10.0, -form.minute_decimals) / 60.0 + 1e-12;
            EXPECT_NEAR(degrees(field(s, form.latitude_field), field(s, form.latitude_field + 1), 2),
                        p.latitude, tolerance);
            EXPECT_NEAR(degrees(field(s, form.longitude_field), field(s, form.longitude_field + 1), 3),
                        p.longitude, tolerance);
            EXPECT_EQ(field(s, form.time_field), "092750.25");
        }
    }
}

TEST(NmeaSentence, FixFieldsStandWhereTheLoggerLooksForThem) {
    TrackPoint p{48.1, 11.5, 512345.6784, 5334567.1236};
    FixInfo fix;
    fix.quality = 4;
    fix.satellites = 7;
    fix.pdop = 2.5;
    fix.hdop = 1.2;
    std::string gga = nmea_sentence(gga_body("GN", p, fix));
    EXPECT_EQ(field(gga, 1), "$GNGGA");
    EXPECT_EQ(field(gga, 7), "4");
    EXPECT_EQ(field(gga, 8), "07");
    EXPECT_EQ(field(gga, 9), "1.2");
    std::string gsa = nmea_sentence(gsa_body("GP", fix));
    EXPECT_TRUE(checksum_ok(gsa));
    EXPECT_EQ(field(gsa, 16), "2.5");  // PDOP
    EXPECT_EQ(field(gsa, 11), "") << "seven satellites fill fields 4 to 10";
    EXPECT_EQ(field(nmea_sentence(pashr_pos_body(p, fix)), 15), "2.5");
    EXPECT_EQ(field(nmea_sentence(pashr_pos_body(p, fix)), 4), "07");
    std::string ggk = nmea_sentence(ptnl_ggk_body(p, fix));
    EXPECT_EQ(field(ggk, 9), "4");
    EXPECT_EQ(field(ggk, 10), "07");
    EXPECT_EQ(field(ggk, 11), "2.5");
}

TEST(NmeaSentence, GridFormsCarryEastingAndNorthingInTheirFields) {
    TrackPoint p{48.1, 11.5, 512345.6784, 5334567.1236};
    FixInfo fix;
    fix.time = {.seconds_of_day = 0, .day = 3, .month = 12, .year = 2026};
    struct Case {
        std::string sentence;
        int easting;
        int northing;
        int satellites;
        std::string date;
    };
    const Case cases[] = {
        {nmea_sentence(llk_body("GP", p, fix)), 4, 6, 9, "120326"},
        {nmea_sentence(llq_body("GP", p, fix)), 4, 6, 9, "031226"},
        {nmea_sentence(total_station_gga_body("GP", p, fix)), 5, 3, 8, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sentence);
        EXPECT_TRUE(checksum_ok(c.sentence));
        EXPECT_NEAR(std::atof(field(c.sentence, c.easting).c_str()), p.easting, 0.0005);
        EXPECT_NEAR(std::atof(field(c.sentence, c.northing).c_str()), p.northing, 0.0005);
        EXPECT_EQ(field(c.sentence, c.satellites), "08");
        if (!c.date.empty()) {
            EXPECT_EQ(field(c.sentence, 3), c.date);
        }
    }
    EXPECT_EQ(field(cases[2].sentence, 11), "M") << "total-station unit letter";
    EXPECT_EQ(total_station_block(p, fix), ">\r\n37=5334567.124\r\n38=512345.678\r\n39=100.000\r\n");
}

}  // namespace
}  // namespace zel::devsim
