#include "gps/nmea/nmea_reader.h"

#include <fcntl.h>

#include <atomic>
#include <chrono>
#include <fstream>
#include <future>
#include <iterator>
#include <random>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "gps/nmea/nmea_framer.h"
#include "gps/nmea/sentence_decision.h"
#include "gps/nmea/sentence_handler.h"
#include "instruments/records/record.h"
#include "instruments/records/sentence_records.h"
#include "serial/port/port_config.h"
#include "tests/gps/nmea/gps_test_window.h"
#include "tests/support/pseudo_terminal.h"

namespace zel {
namespace {

using namespace std::chrono_literals;
using test::g_messages;

constexpr platform::Tick kStep = 250;  // the clock moves on this much after each sentence

// Of the captures, the Firefly's fix sentences all fail their checksums: its replay is one of
// rejected records.

// A receiver's output without the capture's own comment lines.
std::string capture(const std::string& name) {
    std::ifstream in(std::string(ZEL_TESTDATA_DIR) + "/nmea/" + name, std::ios::binary);
    std::string out, line;
    while (std::getline(in, line))
        if (line.rfind('#', 0) != 0) out += line + "\n";
    return out;
}

// What the handler must leave behind, from the pure framing and decision steps that are tested
// on their own: the data file's bytes, the sentences forwarded as fixes and the counter.
struct Expected {
    std::string file;
    std::vector<std::string> positions;
    std::int32_t counter = 0;
    int sentences = 0;
};

Expected expected_for(const std::string& bytes, const GpsSentenceContext& context, platform::Tick first_tick) {
    Expected e;
    NmeaFramer framer;
    GpsHandlerState state;
    platform::Tick tick = first_tick;
    for (const char c : bytes) {
        const auto sentence = framer.feed(static_cast<std::uint8_t>(c), tick);
        if (!sentence) continue;
        ++e.sentences;
        tick += kStep;
        const GpsSentenceDecision d = decide_gps_sentence(sentence->view(), sentence->start_tick, context, state);
        if (d.forward == GpsForward::Fix) e.positions.emplace_back(sentence->view());
        if (!d.record) continue;
        if (d.record->counted) ++e.counter;
        for (const auto& r : gps_sentence_records<kLongRecord>(sentence->view(), d.record->family, e.counter,
                                                               d.record->flag, sentence->start_tick))
            e.file.append(r.data(), r.size());
    }
    return e;
}

// Plays the receiver from its own thread, so the window thread is free to serve the reader. The
// port is written without blocking, so a receiver whose reader has gone can still be stopped.
class Receiver {
public:
    explicit Receiver(const test::PseudoTerminal& pty) : m_pty(pty) {}
    ~Receiver() { stop(); }
    void play(std::string bytes) {
        start([this, bytes = std::move(bytes)] {
            for (std::size_t at = 0; at < bytes.size() && !m_stop.load();) {
                const ssize_t n = ::write(m_pty.master(), bytes.data() + at, bytes.size() - at);
                if (n > 0)
                    at += static_cast<std::size_t>(n);
                else
                    std::this_thread::sleep_for(1ms);
            }
        });
    }
    // Sends the sentence again and again until stopped.
    void repeat(std::string sentence) {
        start([this, sentence = std::move(sentence)] {
            while (!m_stop.load()) {
                (void)::write(m_pty.master(), sentence.data(), sentence.size());
                std::this_thread::sleep_for(1ms);
            }
        });
    }
    void stop() {
        m_stop.store(true);
        if (m_thread.joinable()) m_thread.join();
    }

private:
    template <typename Body>
    void start(Body body) {
        ::fcntl(m_pty.master(), F_SETFL, ::fcntl(m_pty.master(), F_GETFL) | O_NONBLOCK);
        m_thread = std::thread(std::move(body));
    }

    const test::PseudoTerminal& m_pty;
    std::atomic<bool> m_stop{false};
    std::thread m_thread;
};

class NmeaReaderTest : public test::GpsWindowFixture {
protected:
    void SetUp() override {
        GpsWindowFixture::SetUp();
        ASSERT_TRUE(pty.ok());
        ASSERT_TRUE(app.ports.open(PortRole::Gps, pty.path(), gps_port_config({})));
    }
    void TearDown() override {
        receiver.stop();
        if (reader.running()) reader.end(gps_port(), ui);
        GpsWindowFixture::TearDown();
    }

    platform::SerialPort& gps_port() { return app.ports.port(PortRole::Gps); }

    // Runs the window thread until the condition holds or five seconds of real time passed.
    bool serve_until(const std::function<bool()>& condition) {
        const auto deadline = std::chrono::steady_clock::now() + 5s;
        while (!condition() && std::chrono::steady_clock::now() < deadline)
            if (ui.pump() == 0) std::this_thread::sleep_for(1ms);
        return condition();
    }

    // The same, serving only sent messages: posted ones wait, as behind a busy window thread.
    bool serve_sent_until(const std::function<bool()>& condition) {
        const auto deadline = std::chrono::steady_clock::now() + 5s;
        ui.wait_serving([&] { return condition() || std::chrono::steady_clock::now() > deadline; }, 0xFFFFFFFFu);
        return condition();
    }

    test::PseudoTerminal pty;
    GpsReaderThread reader{app.run, app.gps, clock, window};
    Receiver receiver{pty};
};

class CaptureReplay : public NmeaReaderTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(CaptureReplay, EverySentenceReachesTheHandlerAndTheFileGetsItsRecords) {
    const std::string bytes = capture(GetParam());
    ASSERT_FALSE(bytes.empty());
    start_logging();
    g_messages.advance_clock = &clock;
    g_messages.advance_ms = kStep;
    const Expected expected = expected_for(bytes, gps_sentence_context(app), clock.tick());
    ASSERT_FALSE(expected.file.empty());

    ASSERT_TRUE(reader.start(gps_port(), GpsReader::Nmea));
    receiver.play(bytes);
    ASSERT_TRUE(serve_until([&] { return g_messages.gps_sentences >= expected.sentences; }))
        << g_messages.gps_sentences << " of " << expected.sentences;
    EXPECT_EQ(reader.end(gps_port(), ui), GpsReaderEnd::Ended);

    EXPECT_EQ(g_messages.gps_sentences, expected.sentences);
    EXPECT_EQ(app.gps.record_counter, expected.counter);
    EXPECT_EQ(g_messages.positions, expected.positions);
    const std::string file = file_bytes();
    EXPECT_EQ(file.size() % kLongRecord, 0u);
    EXPECT_TRUE(file == expected.file) << "the data file differs from the records of the capture";
}

INSTANTIATE_TEST_SUITE_P(Receivers, CaptureReplay,
                         ::testing::Values("firefly-II.log", "bu353-glonass.log", "gp-320fw-2019-04-06-overflow.log",
                                           "skytraq-dgps.log"));

TEST_F(NmeaReaderTest, AFirstCapturedFixIsRecordedWithItsStartTick) {
    start_logging();
    ASSERT_TRUE(reader.start(gps_port(), GpsReader::Nmea));
    receiver.play(capture("neo-m8n.log"));
    ASSERT_TRUE(serve_until([&] { return app.gps.record_counter >= 1; }));
    EXPECT_EQ(reader.end(gps_port(), ui), GpsReaderEnd::Ended);
    EXPECT_EQ(file_bytes().substr(0, 4 * kLongRecord),
              "@$GNGGA,171926.00,4404.140\n"
              "#63,N,12118.85478,W,1,12,0\n"
              "#.91,1147.2,M,-21.3,M,,*44\n"
              "!000001p            100000\n");
    EXPECT_EQ(app.run.gps_reader_state.load(), GpsReaderState::Ended);
}

TEST_F(NmeaReaderTest, ClosingThePortWhileTheReceiverSendsEndsTheReader) {
    ASSERT_TRUE(reader.start(gps_port(), GpsReader::Nmea));
    receiver.repeat("$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47\r\n");
    ASSERT_TRUE(serve_until([&] { return g_messages.gps_sentences >= 20; }));
    // The clock stands still, so only the reader's own end lets the wait return.
    EXPECT_EQ(reader.end(gps_port(), ui), GpsReaderEnd::Ended);
    EXPECT_FALSE(reader.running());
    EXPECT_EQ(app.run.gps_reader_state.load(), GpsReaderState::Ended);
}

TEST_F(NmeaReaderTest, TheRunEndGivesUpOnAReaderThatNeverEnds5001MsAfterTheClose) {
    app.run.gps_reader_state.store(GpsReaderState::Running);  // a reader stuck for good
    std::atomic<bool> returned{false};
    std::atomic<bool> early{false};
    std::thread time([&] {
        std::this_thread::sleep_for(50ms);
        clock.advance(GpsReaderThread::kEndWaitMs - 1);
        std::this_thread::sleep_for(100ms);
        early.store(returned.load());
        clock.advance(1);
    });
    const GpsReaderEnd end = reader.end(gps_port(), ui);
    returned.store(true);
    time.join();
    EXPECT_EQ(end, GpsReaderEnd::GaveUp);
    EXPECT_FALSE(early.load()) << "gave up before 5001 ms had passed";
    EXPECT_FALSE(app.ports.is_open(PortRole::Gps));
}

TEST_F(NmeaReaderTest, TheReceiverGoingAwayEndsTheReaderByItself) {
    ASSERT_TRUE(reader.start(gps_port(), GpsReader::Nmea));
    std::this_thread::sleep_for(30ms);
    pty.close_master();
    pty.close_slave();
    ASSERT_TRUE(serve_until([&] { return app.run.gps_reader_state.load() == GpsReaderState::Ended; }));
    EXPECT_EQ(reader.end(gps_port(), ui), GpsReaderEnd::Ended);
}

TEST_F(NmeaReaderTest, GarbageIsRecordedAsRejectedAndTheNextFixStillArrives) {
    start_logging();
    std::mt19937 random(4);
    std::string noise(3000, '\0');
    for (char& c : noise) c = static_cast<char>(random() % 256);
    std::string input = noise + "\n";
    input += std::string("$GPGGA,\0\x80\xff*00\r\n", 15);
    input += "$GPGGA," + std::string(300, '1') + "*00\r\n";  // longer than any sentence
    input += "$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47\r\n";
    ASSERT_TRUE(reader.start(gps_port(), GpsReader::Nmea));
    receiver.play(input);
    ASSERT_TRUE(serve_until([&] { return app.gps.record_counter == 1; })) << "the window thread was held up";
    EXPECT_EQ(reader.end(gps_port(), ui), GpsReaderEnd::Ended);
    EXPECT_EQ(g_messages.positions.size(), 1u);
    const std::string file = file_bytes();
    ASSERT_EQ(file.size() % kLongRecord, 0u);
    ASSERT_GE(file.size(), 8 * kLongRecord);
    EXPECT_EQ(file.substr(file.size() - kLongRecord), "!000001p            100000\n");
    // Each of the two bad sentences before it left a rejected record family.
    std::size_t rejected = 0;
    for (std::size_t at = 0; at < file.size(); at += kLongRecord) rejected += file[at] == '?';
    EXPECT_GE(rejected, 2u);
}

TEST_F(NmeaReaderTest, TotalStationBlocksAreRecordedAndEachPositionArrivesOnItsOwnMessage) {
    start_logging();
    ASSERT_TRUE(reader.start(gps_port(), GpsReader::TotalStation));
    // Three blocks complete before the window thread handles any posted position.
    receiver.play(">\r\n37=5000.125\r\n38=3000.5\r\n>\r\n38=10\r\n37=20\r\n>\r\n37=1.5\r\n38=2.5\r\n>");
    ASSERT_TRUE(serve_sent_until([&] { return g_messages.gps_sentences == 3; }));
    EXPECT_EQ(app.gps.positions.waiting(), 3u);
    EXPECT_TRUE(g_messages.grid_positions.empty());
    ASSERT_TRUE(serve_until([&] { return g_messages.grid_positions.size() == 3; }));
    EXPECT_EQ(reader.end(gps_port(), ui), GpsReaderEnd::Ended);

    const std::vector<std::pair<double, double>> expected{{5000.125, 3000.5}, {20, 10}, {1.5, 2.5}};
    ASSERT_EQ(g_messages.grid_positions.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(g_messages.grid_positions[i].position.northing, expected[i].first) << i;
        EXPECT_EQ(g_messages.grid_positions[i].position.easting, expected[i].second) << i;
        EXPECT_EQ(g_messages.grid_positions[i].tick, 100000u);
    }
    EXPECT_EQ(app.gps.record_counter, 3);
    EXPECT_EQ(file_bytes().substr(0, 2 * kLongRecord),
              "@>,37=5000.125,38=3000.5  \n"
              "!000001p            100000\n");
}

}  // namespace
}  // namespace zel
