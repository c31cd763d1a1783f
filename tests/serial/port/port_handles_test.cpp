#include "serial/port/port_handles.h"

#include <termios.h>

#include <gtest/gtest.h>

#include "serial/port/port_config.h"
#include "tests/support/pseudo_terminal.h"

namespace zel {
namespace {

TEST(PortHandles, GpsPortGetsItsLineSettingsOnARealTerminal) {
    test::PseudoTerminal pty;
    ASSERT_TRUE(pty.ok());
    PortHandles ports;
    EXPECT_FALSE(ports.is_open(PortRole::Gps));
    ASSERT_TRUE(ports.open(PortRole::Gps, pty.path(),
                           gps_port_config({.baud_index = 0, .data_bits_index = 0, .parity_index = 1,
                                            .stop_bits_index = 1})));
    EXPECT_TRUE(ports.is_open(PortRole::Gps));
    termios t{};
    ASSERT_EQ(tcgetattr(pty.slave(), &t), 0);
    EXPECT_EQ(cfgetospeed(&t), B4800);
    EXPECT_TRUE(t.c_cflag & CSTOPB);
    EXPECT_EQ(t.c_iflag & (IXON | IXOFF), tcflag_t{IXON | IXOFF});
    // 7 data bits and even parity: a pseudo-terminal forces 8N; the configuration test checks
    // that they are asked for.
    ports.close_all();
    EXPECT_FALSE(ports.is_open(PortRole::Gps));
}

TEST(PortHandles, ExternalMarkerSettingOpensTheListedPort) {
    struct Case {
        int marker_setting;
        int expected_port;
    };
    for (Case c : {Case{6, 7}, Case{5, 5}, Case{17, 18}}) {
        SCOPED_TRACE(c.marker_setting);
        test::PseudoTerminal marker;
        test::PseudoTerminal elsewhere;
        ASSERT_TRUE(marker.ok() && elsewhere.ok());
        // Every neighbouring number leads somewhere else, so only the right one reaches `marker`.
        PortOverrides overrides;
        for (int n = 1; n <= kHighestPortNumber; ++n) overrides[n] = elsewhere.path();
        overrides[c.expected_port] = marker.path();
        std::optional<int> number = port_number(PortRole::ExternalMarker, c.marker_setting);
        ASSERT_TRUE(number);
        PortHandles ports;
        ASSERT_TRUE(ports.open(PortRole::ExternalMarker, *number, overrides,
                               external_marker_port_config(kGrad601Build)));
        ASSERT_TRUE(ports.port(PortRole::ExternalMarker).write_byte('M'));
        EXPECT_EQ(marker.receive(1), "M");
        EXPECT_EQ(elsewhere.receive(1, 50), "");
    }
}

TEST(PortHandles, APortThatDoesNotExistStaysClosed) {
    PortHandles ports;
    EXPECT_FALSE(ports.open(PortRole::Instrument, 1, {{1, "/nonexistent/ttyZEL"}},
                            instrument_port_config(kGrad601Build, InstrumentPortKind::Standard, 0)));
    EXPECT_FALSE(ports.is_open(PortRole::Instrument));
    EXPECT_EQ(ports.port(PortRole::Instrument).session(), platform::kNoSession);
}

}  // namespace
}  // namespace zel
