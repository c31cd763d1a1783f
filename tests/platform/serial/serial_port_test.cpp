#include "platform/serial/serial_port.h"
#include "platform/serial/termios_settings.h"

#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <future>
#include <string>
#include <thread>

#include <gtest/gtest.h>

#include "tests/support/pseudo_terminal.h"

namespace zel::platform {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

constexpr ReadTimeouts kShortReads{10, 0, 10};
constexpr ReadTimeouts kLongReads{kTimeoutMax, 65535, 1000};

// Reads what the port holds until a read comes back empty.
std::string read_burst(SerialPort& port, PortSession session) {
    std::string out;
    while (auto b = port.read_byte(session)) out.push_back(static_cast<char>(*b));
    return out;
}

// Reads bursts until `count` bytes came or the port stops answering with data.
std::string read_all(SerialPort& port, PortSession session, std::size_t count) {
    std::string out;
    while (out.size() < count && port.wait_readable(session) == WaitResult::Data) {
        out += read_burst(port, session);
    }
    return out;
}

class SerialPortTest : public ::testing::Test {
protected:
    void configure(ReadTimeouts timeouts) {
        SerialConfig c;
        c.read_timeouts = timeouts;
        m_port.configure(c);
    }
    void SetUp() override {
        ASSERT_TRUE(m_pty.ok());
        ASSERT_TRUE(m_port.open(m_pty.path()));
        configure(kShortReads);
    }

    test::PseudoTerminal m_pty;
    SerialPort m_port;
};

TEST(SerialPortOpen, FailsForAMissingPathAndForAFileThatIsNoTerminal) {
    SerialPort port;
    EXPECT_FALSE(port.open("/nonexistent/ttyZEL0"));
    char name[] = "/tmp/zel-not-a-tty-XXXXXX";
    int fd = mkstemp(name);
    ASSERT_GE(fd, 0);
    EXPECT_FALSE(port.open(name));
    EXPECT_FALSE(port.is_open());
    EXPECT_EQ(port.session(), kNoSession);
    ::close(fd);
    std::remove(name);
}

TEST_F(SerialPortTest, IsExclusiveUntilClosed) {
    SerialPort second;
    EXPECT_FALSE(second.open(m_pty.path()));
    m_port.close();
    EXPECT_FALSE(m_port.is_open());
    EXPECT_TRUE(second.open(m_pty.path()));
}

TEST_F(SerialPortTest, HandsOutABurstInOrderThenNoByte) {
    PortSession s = m_port.session();
    ASSERT_TRUE(m_pty.send("$PBAR,1,2\r\n"));
    EXPECT_EQ(read_all(m_port, s, 11), "$PBAR,1,2\r\n");  // raw: CR and LF arrive untouched
    EXPECT_EQ(m_port.read_byte(s), std::nullopt);
    // Nothing is echoed back to the device.
    EXPECT_EQ(m_pty.receive(1, 100), "");
}

TEST_F(SerialPortTest, BytesSentBeforeTheOpenAreDropped) {
    m_port.close();
    ASSERT_TRUE(m_pty.send("stale"));
    ASSERT_TRUE(m_port.open(m_pty.path()));
    configure(kShortReads);
    PortSession s = m_port.session();
    ASSERT_TRUE(m_pty.send("new"));
    EXPECT_EQ(read_all(m_port, s, 3), "new");
}

TEST_F(SerialPortTest, CloseReleasesAWaitingReaderAtOnce) {
    PortSession s = m_port.session();
    auto waiting = std::async(std::launch::async, [&] { return m_port.wait_readable(s); });
    std::this_thread::sleep_for(50ms);
    auto start = Clock::now();
    m_port.close();
    ASSERT_EQ(waiting.wait_for(1s), std::future_status::ready);
    EXPECT_LT(Clock::now() - start, 1s);
    EXPECT_EQ(waiting.get(), WaitResult::Closed);
}

TEST_F(SerialPortTest, CloseReleasesAReadWaitingOnALongTimeout) {
    configure(kLongReads);
    PortSession s = m_port.session();
    auto reading = std::async(std::launch::async, [&] { return m_port.read_byte(s); });
    std::this_thread::sleep_for(50ms);
    m_port.close();
    ASSERT_EQ(reading.wait_for(1s), std::future_status::ready);
    EXPECT_EQ(reading.get(), std::nullopt);
}

TEST_F(SerialPortTest, AbortReleasesAReadButKeepsThePortOpen) {
    configure(kLongReads);
    PortSession s = m_port.session();
    auto reading = std::async(std::launch::async, [&] { return m_port.read_byte(s); });
    std::this_thread::sleep_for(50ms);
    m_port.abort_read();
    ASSERT_EQ(reading.wait_for(1s), std::future_status::ready);
    EXPECT_EQ(reading.get(), std::nullopt);
    EXPECT_TRUE(m_port.is_open(s));
    configure(kShortReads);
    ASSERT_TRUE(m_pty.send("x"));
    EXPECT_EQ(read_all(m_port, s, 1), "x");
}

TEST_F(SerialPortTest, AReopenedPortIsNotTheOldReadersPort) {
    PortSession old = m_port.session();
    m_port.close();
    ASSERT_TRUE(m_port.open(m_pty.path()));
    ASSERT_NE(m_port.session(), old);
    ASSERT_TRUE(m_pty.send("abc"));
    EXPECT_EQ(m_port.wait_readable(old), WaitResult::Closed);
    EXPECT_EQ(m_port.read_byte(old), std::nullopt);
    EXPECT_FALSE(m_port.is_open(old));
    EXPECT_EQ(read_all(m_port, m_port.session(), 3), "abc");
}

TEST_F(SerialPortTest, TheOtherEndGoingAwayEndsTheWaitAsLost) {
    PortSession s = m_port.session();
    auto waiting = std::async(std::launch::async, [&] { return m_port.wait_readable(s); });
    std::this_thread::sleep_for(50ms);
    m_pty.close_slave();
    m_pty.close_master();
    ASSERT_EQ(waiting.wait_for(1s), std::future_status::ready);
    WaitResult first = waiting.get();
    if (first == WaitResult::Data) {
        EXPECT_EQ(m_port.read_byte(s), std::nullopt);
        first = m_port.wait_readable(s);
    }
    EXPECT_EQ(first, WaitResult::Lost);
    // It stays lost: a reader that waited again would get the answer at once, not spin on data.
    EXPECT_EQ(m_port.wait_readable(s), WaitResult::Lost);
    EXPECT_TRUE(m_port.is_open(s));
}

TEST_F(SerialPortTest, WritesReachTheDevice) {
    EXPECT_TRUE(m_port.write_byte('A'));
    EXPECT_TRUE(m_port.write_text("H\r"));
    EXPECT_EQ(m_pty.receive(3), "AH\r");
    m_port.close();
    EXPECT_FALSE(m_port.write_byte('A'));
}

TEST_F(SerialPortTest, PurgeDropsWhatHasArrived) {
    PortSession s = m_port.session();
    ASSERT_TRUE(m_pty.send("old bytes"));
    ASSERT_EQ(m_port.wait_readable(s), WaitResult::Data);
    ASSERT_EQ(m_port.read_byte(s), 'o');  // the rest of the burst is now held in-process
    m_port.purge();
    EXPECT_EQ(m_port.read_byte(s), std::nullopt);
    ASSERT_TRUE(m_pty.send("new"));
    EXPECT_EQ(read_all(m_port, s, 3), "new");
}

SerialConfig gps_like_config() {
    SerialConfig c;
    c.read_timeouts = kShortReads;
    c.line.baud = 4800;
    c.line.parity = Parity::Even;
    c.line.data_bits = 7;
    c.line.stop_bits = StopBits::Two;
    c.line.dtr = LineControl::Enable;
    c.line.xon_xoff_out = Switch::On;
    c.line.xon_xoff_in = Switch::On;
    return c;
}

TEST(TermiosSettings, LineFieldsMapToTheTerminalFlags) {
    termios t{};
    t.c_cflag = CS8 | CRTSCTS;
    t.c_iflag = ICRNL;
    t.c_lflag = ICANON | ECHO;
    apply_line_settings(t, gps_like_config().line);
    EXPECT_EQ(cfgetospeed(&t), B4800);
    EXPECT_EQ(t.c_cflag & CSIZE, tcflag_t{CS7});
    EXPECT_EQ(t.c_cflag & (PARENB | PARODD), tcflag_t{PARENB});
    EXPECT_TRUE(t.c_cflag & CSTOPB);
    EXPECT_TRUE(t.c_cflag & CRTSCTS) << "not listed, so kept";
    EXPECT_EQ(t.c_iflag & (IXON | IXOFF | ICRNL), tcflag_t{IXON | IXOFF});
    EXPECT_FALSE(t.c_lflag & (ICANON | ECHO));

    LineSettings odd_8n1_no_flow;
    odd_8n1_no_flow.parity = Parity::Odd;
    odd_8n1_no_flow.data_bits = 8;
    odd_8n1_no_flow.stop_bits = StopBits::One;
    odd_8n1_no_flow.cts_flow = Switch::Off;
    odd_8n1_no_flow.xon_xoff_in = Switch::Off;
    apply_line_settings(t, odd_8n1_no_flow);
    EXPECT_EQ(cfgetospeed(&t), B4800) << "not listed, so kept";
    EXPECT_EQ(t.c_cflag & CSIZE, tcflag_t{CS8});
    EXPECT_EQ(t.c_cflag & (PARENB | PARODD), tcflag_t{PARENB | PARODD});
    EXPECT_FALSE(t.c_cflag & (CSTOPB | CRTSCTS));
    EXPECT_EQ(t.c_iflag & (IXON | IXOFF), tcflag_t{IXON});
}

TEST_F(SerialPortTest, LineSettingsReachTheTerminalAsFarAsAPseudoTerminalKeepsThem) {
    m_port.configure(gps_like_config());
    termios t{};
    ASSERT_EQ(tcgetattr(m_pty.slave(), &t), 0);
    EXPECT_EQ(cfgetispeed(&t), B4800);
    EXPECT_EQ(cfgetospeed(&t), B4800);
    EXPECT_TRUE(t.c_cflag & CSTOPB);
    EXPECT_TRUE(t.c_iflag & IXON);
    EXPECT_TRUE(t.c_iflag & IXOFF);
    EXPECT_FALSE(t.c_lflag & (ICANON | ECHO));
    // The pseudo-terminal driver forces 8 data bits without parity whatever it is given; the
    // mapping of those two fields is checked on a termios value above.
    EXPECT_EQ(t.c_cflag & (CSIZE | PARENB), tcflag_t{CS8});

    // Fields left out keep what the device has.
    SerialConfig only_stop_bits;
    only_stop_bits.read_timeouts = kShortReads;
    only_stop_bits.line.stop_bits = StopBits::One;
    m_port.configure(only_stop_bits);
    ASSERT_EQ(tcgetattr(m_pty.slave(), &t), 0);
    EXPECT_EQ(cfgetospeed(&t), B4800);
    EXPECT_FALSE(t.c_cflag & CSTOPB);
    EXPECT_TRUE(t.c_iflag & IXON);
}

TEST_F(SerialPortTest, ModemLinesOnAPseudoTerminalAnswerAtOnce) {
    // A pseudo-terminal has no modem lines: the marker wait must say so rather than hang.
    auto start = Clock::now();
    CtsWaitResult result = m_port.wait_cts_change(m_port.session());
    EXPECT_LT(Clock::now() - start, 1s);
    if (m_port.modem_lines()) {
        GTEST_SKIP() << "this kernel reports modem lines on a pseudo-terminal";
    }
    EXPECT_EQ(result, CtsWaitResult::Unsupported);
}

}  // namespace
}  // namespace zel::platform
