#include "serial/reader/reader_loop.h"

#include <chrono>
#include <future>
#include <mutex>
#include <string>
#include <thread>

#include <gtest/gtest.h>

#include "serial/port/port_config.h"
#include "serial/port/port_handles.h"
#include "tests/support/pseudo_terminal.h"

namespace zel {
namespace {

using namespace std::chrono_literals;

// Collects what the loop hands to the framing, for the test thread to look at.
class ByteSink {
public:
    void add(std::uint8_t b) {
        std::lock_guard lock(m_mutex);
        m_bytes.push_back(static_cast<char>(b));
    }
    std::string bytes() const {
        std::lock_guard lock(m_mutex);
        return m_bytes;
    }
    bool wait_for_size(std::size_t n, std::chrono::milliseconds limit) const {
        auto deadline = std::chrono::steady_clock::now() + limit;
        while (std::chrono::steady_clock::now() < deadline) {
            if (bytes().size() >= n) return true;
            std::this_thread::sleep_for(5ms);
        }
        return false;
    }

private:
    mutable std::mutex m_mutex;
    std::string m_bytes;
};

class ReaderLoopTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_pty.ok()); }

    void open_instrument_port() {
        ASSERT_TRUE(m_ports.open(PortRole::Instrument, m_pty.path(),
                                 instrument_port_config(kGrad601Build, InstrumentPortKind::Standard, 0)));
    }
    void open_gps_port() { ASSERT_TRUE(m_ports.open(PortRole::Gps, m_pty.path(), gps_port_config({}))); }

    std::future<ReaderEnd> start_reader(PortRole role, ReaderStart start) {
        return std::async(std::launch::async, [this, role, start] {
            return run_reader_loop(m_ports.port(role), start, [this](std::uint8_t b) { m_sink.add(b); });
        });
    }

    test::PseudoTerminal m_pty;
    PortHandles m_ports;
    ByteSink m_sink;
};

TEST_F(ReaderLoopTest, BytesReachTheFramingInOrderAcrossBursts) {
    open_gps_port();
    auto reader = start_reader(PortRole::Gps, ReaderStart::Keep);
    std::string expected;
    for (int i = 0; i < 20; ++i) {
        std::string sentence = "$GPGGA," + std::to_string(i) + "*00\r\n";
        ASSERT_TRUE(m_pty.send(sentence));
        expected += sentence;
        if (i % 5 == 0) std::this_thread::sleep_for(20ms);  // separate bursts
    }
    ASSERT_TRUE(m_sink.wait_for_size(expected.size(), 2s));
    EXPECT_EQ(m_sink.bytes(), expected);
    m_ports.close(PortRole::Gps);
    ASSERT_EQ(reader.wait_for(1s), std::future_status::ready);
    EXPECT_EQ(reader.get(), ReaderEnd::PortClosed);
}

TEST_F(ReaderLoopTest, ClosingThePortEndsAWaitingReaderAtOnce) {
    open_gps_port();
    auto reader = start_reader(PortRole::Gps, ReaderStart::Keep);
    std::this_thread::sleep_for(100ms);  // let it block in the wait
    auto closed_at = std::chrono::steady_clock::now();
    m_ports.close(PortRole::Gps);
    ASSERT_EQ(reader.wait_for(1s), std::future_status::ready);
    EXPECT_LT(std::chrono::steady_clock::now() - closed_at, 1s);
    EXPECT_EQ(reader.get(), ReaderEnd::PortClosed);
    EXPECT_EQ(m_sink.bytes(), "");
}

TEST_F(ReaderLoopTest, ClosingEndsAnInstrumentReaderInsideItsLongRead) {
    // The instrument port's reads wait two seconds for a byte after a burst.
    open_instrument_port();
    auto reader = start_reader(PortRole::Instrument, ReaderStart::Purge);
    std::this_thread::sleep_for(50ms);
    ASSERT_TRUE(m_pty.send("$PBAR,1\r\n"));
    ASSERT_TRUE(m_sink.wait_for_size(9, 1s));
    m_ports.close(PortRole::Instrument);
    ASSERT_EQ(reader.wait_for(1s), std::future_status::ready);
    EXPECT_EQ(reader.get(), ReaderEnd::PortClosed);
}

TEST_F(ReaderLoopTest, InstrumentReadersPurgeAtStartAndTheNmeaReaderDoesNot) {
    struct Case {
        ReaderStart start;
        const char* expected;
    };
    for (Case c : {Case{ReaderStart::Purge, "new"}, Case{ReaderStart::Keep, "oldnew"}}) {
        SCOPED_TRACE(c.expected);
        test::PseudoTerminal pty;
        PortHandles ports;
        ByteSink sink;
        ASSERT_TRUE(ports.open(PortRole::Gps, pty.path(), gps_port_config({})));
        ASSERT_TRUE(pty.send("old"));
        std::this_thread::sleep_for(50ms);  // arrived before the reader starts
        auto reader = std::async(std::launch::async, [&] {
            return run_reader_loop(ports.port(PortRole::Gps), c.start,
                                   [&](std::uint8_t b) { sink.add(b); });
        });
        std::this_thread::sleep_for(50ms);
        ASSERT_TRUE(pty.send("new"));
        sink.wait_for_size(std::string(c.expected).size(), 1s);
        std::this_thread::sleep_for(30ms);  // nothing more may come
        EXPECT_EQ(sink.bytes(), c.expected);
        ports.close_all();
        EXPECT_EQ(reader.get(), ReaderEnd::PortClosed);
    }
}

TEST_F(ReaderLoopTest, TheDeviceGoingAwayEndsTheReader) {
    open_gps_port();
    auto reader = start_reader(PortRole::Gps, ReaderStart::Keep);
    ASSERT_TRUE(m_pty.send("$GP"));
    ASSERT_TRUE(m_sink.wait_for_size(3, 1s));
    m_pty.close_slave();
    m_pty.close_master();
    ASSERT_EQ(reader.wait_for(1s), std::future_status::ready);
    EXPECT_EQ(reader.get(), ReaderEnd::PortLost);
    EXPECT_EQ(m_sink.bytes(), "$GP");
    EXPECT_TRUE(m_ports.is_open(PortRole::Gps)) << "only the window thread closes a port";
}

TEST(ReaderLoop, APortThatIsNotOpenEndsTheReaderBeforeAnyRead) {
    PortHandles ports;
    int calls = 0;
    EXPECT_EQ(run_reader_loop(ports.port(PortRole::Instrument), ReaderStart::Purge,
                              [&](std::uint8_t) { ++calls; }),
              ReaderEnd::PortClosed);
    EXPECT_EQ(calls, 0);
}

}  // namespace
}  // namespace zel
