#include "serial/port/port_name.h"

#include <cstdlib>

#include <gtest/gtest.h>

namespace zel {
namespace {

TEST(PortNumber, ListIndexSelectsThePort) {
    struct Case {
        PortRole role;
        int index;
        std::optional<int> number;
    };
    const Case cases[] = {
        {PortRole::Instrument, 0, 1},       {PortRole::Instrument, 17, 18},
        {PortRole::Gps, 1, 2},              {PortRole::Output, 5, 6},
        {PortRole::Instrument, 18, {}},     {PortRole::Gps, -1, {}},
        {PortRole::ExternalMarker, 0, {}},  // "Disabled"
        {PortRole::ExternalMarker, 1, 1},   {PortRole::ExternalMarker, 5, 5},
        {PortRole::ExternalMarker, 6, 7},   // COM6 cannot be chosen
        {PortRole::ExternalMarker, 17, 18}, {PortRole::ExternalMarker, 18, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "role " << static_cast<int>(c.role) << " index " << c.index);
        EXPECT_EQ(port_number(c.role, c.index), c.number);
    }
    EXPECT_EQ(port_device_name(7), "COM7:");
    EXPECT_EQ(port_device_name(18), "COM18:");
}

TEST(PortDevicePath, OverrideThenEnvironmentThenDefault) {
    unsetenv("ZEL_COM3");
    EXPECT_EQ(port_device_path(3, {}), "/dev/ttyS2");
    setenv("ZEL_COM3", "/tmp/env-gps", 1);
    EXPECT_EQ(port_device_path(3, {}), "/tmp/env-gps");
    EXPECT_EQ(port_device_path(3, {{3, "/tmp/cli-gps"}}), "/tmp/cli-gps");
    EXPECT_EQ(port_device_path(4, {{3, "/tmp/cli-gps"}}), "/dev/ttyS3");
    setenv("ZEL_COM3", "", 1);
    EXPECT_EQ(port_device_path(3, {}), "/dev/ttyS2") << "an empty variable is no path";
    unsetenv("ZEL_COM3");
}

TEST(ParsePortOverride, AcceptsComNumberEqualsPath) {
    using Result = std::optional<std::pair<int, std::string>>;
    EXPECT_EQ(parse_port_override("COM3=/dev/ttyUSB0"), (Result{{3, "/dev/ttyUSB0"}}));
    EXPECT_EQ(parse_port_override("COM18=/tmp/a=b"), (Result{{18, "/tmp/a=b"}}));
    for (const char* bad : {"COM0=/x", "COM19=/x", "COM=/x", "COM3", "COM3=", "COMx=/x", "com3=/x",
                            "COM3:=/x", "COM-1=/x"}) {
        SCOPED_TRACE(bad);
        EXPECT_EQ(parse_port_override(bad), std::nullopt);
    }
}

}  // namespace
}  // namespace zel
