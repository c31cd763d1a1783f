#include "tools/devsim/options.h"

#include <initializer_list>

#include <gtest/gtest.h>

namespace zel::devsim {
namespace {

ParsedOptions parse(std::initializer_list<std::string_view> args) {
    std::vector<std::string_view> v(args);
    return parse_options(v);
}

TEST(DevsimOptions, ParsesEachDevice) {
    ParsedOptions g = parse({"grad601", "--link", "/tmp/g", "--sensors", "1", "--range", "-50:50", "--rate", "25"});
    ASSERT_TRUE(g.options) << g.error;
    EXPECT_EQ(g.options->device, Device::Grad601);
    EXPECT_EQ(g.options->link, "/tmp/g");
    EXPECT_EQ(g.options->grad601.sensors, 1);
    EXPECT_DOUBLE_EQ(g.options->grad601.minimum, -50.0);
    EXPECT_DOUBLE_EQ(g.options->rate, 25.0);

    ParsedOptions n = parse({"nmea", "--link", "/tmp/n", "--lat", "-33.5", "--heading", "270", "--speed", "1.5",
                             "--sentences", "pos,rts-block", "--talker", "GN", "--utc", "23:59:58",
                             "--bad-checksum", "every=4"});
    ASSERT_TRUE(n.options) << n.error;
    EXPECT_DOUBLE_EQ(n.options->walk.start_latitude, -33.5);
    EXPECT_EQ(n.options->forms, (std::vector<NmeaForm>{NmeaForm::Pos, NmeaForm::TotalStationBlock}));
    EXPECT_EQ(n.options->talker, "GN");
    ASSERT_TRUE(n.options->start_time);
    EXPECT_DOUBLE_EQ(n.options->start_time->seconds_of_day, 86398.0);
    EXPECT_EQ(n.options->faults.bad_checksum.every, 4u);
    EXPECT_TRUE(parse({"--help"}).help);
}

TEST(DevsimOptions, RejectsBadInputWithAMessage) {
    const std::initializer_list<std::string_view> cases[] = {
        {},
        {"em61", "--link", "/tmp/x"},
        {"nmea"},
        {"nmea", "--link"},
        {"nmea", "--link", "/tmp/x", "--rate", "11"},
        {"nmea", "--link", "/tmp/x", "--rate", "0"},
        {"grad601", "--link", "/tmp/x", "--sensors", "3"},
        {"grad601", "--link", "/tmp/x", "--range", "5:5"},
        {"nmea", "--link", "/tmp/x", "--sentences", "gga,rmc"},
        {"nmea", "--link", "/tmp/x", "--talker", "G"},
        {"nmea", "--link", "/tmp/x", "--utc", "24:00:00"},
        {"nmea", "--link", "/tmp/x", "--noise", "0.5"},
        {"nmea", "--link", "/tmp/x", "--lat", "north"},
        {"nmea", "--link", "/tmp/x", "--frobnicate", "1"},
    };
    for (const auto& args : cases) {
        ParsedOptions p = parse(args);
        EXPECT_FALSE(p.options);
        EXPECT_FALSE(p.help);
        EXPECT_FALSE(p.error.empty());
    }
}

}  // namespace
}  // namespace zel::devsim
