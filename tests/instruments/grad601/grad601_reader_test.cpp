#include "instruments/grad601/grad601_reader.h"

#include <sys/ioctl.h>

#include <chrono>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "app/build_config.h"
#include "app/run/run_objects.h"
#include "app/run/run_state.h"
#include "platform/ui/window_system.h"
#include "serial/port/port_config.h"
#include "serial/port/port_handles.h"
#include "tests/support/pseudo_terminal.h"

namespace zel {
namespace {

using namespace std::chrono_literals;
using namespace platform;

// Stands in for the GRAD601 reading handler: each 1042 takes one sentence off the ring, as the
// real handler does, and keeps it for the test to look at.
struct Received {
    RunObjects run;
    std::vector<InstrumentRing::Slot> sentences;
    int empty_messages = 0;  // a message that found no sentence of its own
};

LResult take_sentence(Window w, MessageId, WParam, LParam) {
    Received* r = w.data<Received>();
    InstrumentRing::Slot slot;
    if (r->run.instrument.pop(slot))
        r->sentences.push_back(slot);
    else
        ++r->empty_messages;
    return 0;
}

constexpr MessageEntry kTable[] = {{device_message::Grad601Sentence, take_sentence}};
constexpr WindowClass kTestLoggingWnd{"TestLoggingWnd", kTable};

std::vector<std::string> texts(const std::vector<InstrumentRing::Slot>& slots) {
    std::vector<std::string> out;
    for (const auto& s : slots) out.emplace_back(s.view());
    return out;
}

class Grad601ReaderTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(pty.ok());
        ASSERT_FALSE(window.is_null());
        ASSERT_TRUE(ports.open(PortRole::Instrument, pty.path(),
                               instrument_port_config(kGrad601Build, InstrumentPortKind::Standard, 0)));
    }
    void TearDown() override {
        ports.close_all();
        reader.join();
    }

    // Pumps the window thread until `count` sentences arrived or two seconds passed.
    bool receive(std::size_t count) {
        const auto deadline = std::chrono::steady_clock::now() + 2s;
        while (received.sentences.size() < count && std::chrono::steady_clock::now() < deadline) {
            if (ui.pump() == 0) std::this_thread::sleep_for(1ms);
        }
        return received.sentences.size() >= count;
    }

    // Waits until the reader has taken everything written so far off the port.
    void wait_consumed() {
        for (int i = 0; i < 2000; ++i) {
            int waiting = 0;
            if (ioctl(pty.slave(), FIONREAD, &waiting) == 0 && waiting == 0) break;
            std::this_thread::sleep_for(1ms);
        }
        std::this_thread::sleep_for(20ms);  // and handed it to the framer
    }

    void start(SensorCount sensors) {
        ASSERT_TRUE(reader.start(ports.port(PortRole::Instrument), sensors));
        std::this_thread::sleep_for(30ms);  // past its purge
    }

    test::PseudoTerminal pty;
    ManualClock clock{1000};
    WindowSystem ui{clock};
    Received received;
    Window window = ui.create({&kTestLoggingWnd, "", {}, {0, 0, 10, 10}, WindowStyle::None, 0, UserData::borrowed(received)});
    PortHandles ports;
    Grad601Reader reader{received.run, clock, window};
};

TEST_F(Grad601ReaderTest, ASentenceArrivesWithTheTickOfItsDollarAndStampsTheDataTick) {
    start(SensorCount::Two);
    received.run.no_data_counter.store(4);
    ASSERT_TRUE(pty.send("$PBAR,123.4"));
    wait_consumed();
    clock.set_tick(1500);
    ASSERT_TRUE(pty.send(",-56.7\r\n"));
    ASSERT_TRUE(receive(1));
    EXPECT_EQ(std::string(received.sentences[0].view()), "$PBAR,123.4,-56.7");
    EXPECT_EQ(received.sentences[0].start_tick, 1000u);
    EXPECT_EQ(received.run.instrument_data_tick.load(), 1500u);
    EXPECT_EQ(received.run.no_data_counter.load(), 0);
}

TEST_F(Grad601ReaderTest, OnlyGoodSentencesAreDelivered) {
    start(SensorCount::Two);
    // Each bad one is followed by a good one, so a bad one that got through would show.
    ASSERT_TRUE(pty.send("$PBAR,1,2\n"          // no CR
                         "$PBAR,1\r\n"          // too short for two sensors
                         "$PBAX,1,2\r\n"        // not PBAR
                         "\n\n$PB$PBAR,3,4\r\n"  // stray line feeds; a second "$" restarts
                         "$PBAR,5,6\r\n"));
    ASSERT_TRUE(receive(2));
    std::this_thread::sleep_for(50ms);
    ui.pump();
    EXPECT_EQ(texts(received.sentences), (std::vector<std::string>{"$PBAR,3,4", "$PBAR,5,6"}));
}

// Sentences that complete before the window thread runs are not lost and not read twice: each
// posted message finds its own sentence, in the order they came, even when the burst is larger
// than the ring and the reader has to wait for room.
TEST_F(Grad601ReaderTest, ABurstWhileTheWindowThreadIsBusyArrivesWholeAndInOrder) {
    start(SensorCount::One);
    constexpr int kBurst = 150;
    std::string burst;
    std::vector<std::string> expected;
    for (int i = 0; i < kBurst; ++i) {
        expected.push_back("$PBAR," + std::to_string(1000 + i) + "," + std::to_string(i));
        burst += expected.back() + "\r\n";
    }
    ASSERT_TRUE(pty.send(burst));
    // The window thread is busy elsewhere until the ring is full and posts have piled up.
    const auto deadline = std::chrono::steady_clock::now() + 2s;
    while (received.run.instrument.waiting() < 64 && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(1ms);
    EXPECT_GE(ui.queue_depth().posted, 64u);
    ASSERT_TRUE(receive(kBurst));
    std::this_thread::sleep_for(50ms);
    ui.pump();
    EXPECT_EQ(texts(received.sentences), expected);
    EXPECT_EQ(received.empty_messages, 0);
}

TEST_F(Grad601ReaderTest, GarbageOnThePortNeitherCrashesNorStopsTheReader) {
    start(SensorCount::Two);
    std::mt19937 random(601);
    std::string noise(4000, '\0');
    for (char& c : noise) c = static_cast<char>(random() % 256);
    std::string input = noise + "\r\n$PBAR,7,8\r\n";
    input += std::string("$PBAR,\0\x80\xff,1\r\n", 13);
    input += "$PBAR," + std::string(400, '9') + "\r\n";  // longer than any buffer
    input += "$PBAR,9,10\r\n";
    ASSERT_TRUE(pty.send(input));
    ASSERT_TRUE(receive(3));
    std::this_thread::sleep_for(50ms);
    ui.pump();
    // The NUL and high bytes stand where a reading would; the handler's field parser judges them.
    const std::vector<std::string> expected{"$PBAR,7,8", std::string("$PBAR,\0\x80\xff,1", 11), "$PBAR,9,10"};
    const std::vector<std::string> got = texts(received.sentences);
    ASSERT_GE(got.size(), expected.size());
    EXPECT_EQ(std::vector<std::string>(got.end() - 3, got.end()), expected);
    for (const std::string& text : got) EXPECT_EQ(text.substr(0, 5), "$PBAR");
}

TEST_F(Grad601ReaderTest, TheReaderEndsWhenItsPortIsClosedOrTheDeviceGoesAway) {
    start(SensorCount::Two);
    ports.close(PortRole::Instrument);
    reader.join();
    EXPECT_FALSE(reader.running());

    // Started again on a reopened port; the device end then disappears.
    ASSERT_TRUE(ports.open(PortRole::Instrument, pty.path(),
                           instrument_port_config(kGrad601Build, InstrumentPortKind::Standard, 0)));
    start(SensorCount::Two);
    EXPECT_FALSE(reader.start(ports.port(PortRole::Instrument), SensorCount::Two)) << "never two readers on a port";
    pty.close_master();
    pty.close_slave();
    reader.join();  // returns without the port being closed
    EXPECT_FALSE(reader.running());
}

TEST(Grad601SimulatedSentence, ValuesSpanTheirRangesInSinglePrecision) {
    struct Case {
        int random1, random2;
        const char* text;
    };
    for (const Case& c : {Case{0, 0, "$PBAR,1100,1200"}, Case{32767, 32767, "$PBAR,1800,3600"},
                          Case{16384, 16384, "$PBAR,1450,2400"}, Case{1, 13, "$PBAR,1100,1200"},
                          Case{47, 14, "$PBAR,1101,1201"},
                          Case{9598, 9598, "$PBAR,1305,1903"}}) {  // 1902 in double precision
        SCOPED_TRACE(c.text);
        const auto text = simulated_grad601_sentence(c.random1, c.random2);
        EXPECT_EQ(std::string(text.data()), c.text);
    }
}

TEST_F(Grad601ReaderTest, TheSimulatorPostsFifteenCharacterSentencesStampedWithTheirHandOver) {
    Grad601Simulator simulator{received.run, clock, window, 42};
    clock.set_tick(777);
    received.run.no_data_counter.store(3);
    ASSERT_TRUE(simulator.start());
    ASSERT_TRUE(receive(3));
    simulator.stop();
    EXPECT_FALSE(simulator.running());
    for (const auto& s : received.sentences) {
        const std::string text(s.view());
        SCOPED_TRACE(text);
        ASSERT_EQ(text.size(), kSimulatedSentenceLength);
        EXPECT_EQ(text.substr(0, 6), "$PBAR,");
        const int first = std::stoi(text.substr(6, 4));
        const int second = std::stoi(text.substr(11, 4));
        EXPECT_GE(first, 1100);
        EXPECT_LE(first, 1800);
        EXPECT_GE(second, 1200);
        EXPECT_LE(second, 3600);
        EXPECT_EQ(s.start_tick, 777u);
    }
    EXPECT_EQ(received.run.instrument_data_tick.load(), 777u);
    EXPECT_EQ(received.run.no_data_counter.load(), 0);
}

}  // namespace
}  // namespace zel
