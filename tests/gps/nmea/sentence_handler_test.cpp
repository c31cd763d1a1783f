#include "gps/nmea/sentence_handler.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/gps/nmea/gps_test_window.h"

namespace zel {
namespace {

using test::g_messages;

constexpr const char* kGga = "$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47";
constexpr const char* kGsa = "$GPGSA,A,3,04,05,,09,12,,,24,,,,,2.5,1.3,2.1*39";

class SentenceHandlerTest : public test::GpsWindowFixture {
protected:
    void handle(std::string_view sentence, platform::Tick tick) {
        ASSERT_TRUE(app.run.gps.try_push(sentence, tick));
        window.send(device_message::GpsSentence);
        EXPECT_EQ(app.run.gps.waiting(), 0u);
    }
};

TEST_F(SentenceHandlerTest, AFixThenItsGsaAreForwardedAndRecorded) {
    app.settings.gps_sentence_type = 0;  // "GGA/GSA"
    start_logging();
    handle(kGga, 100000);
    handle(kGsa, 100100);
    handle(kGsa, 100200);  // no fix before it: neither forwarded nor written
    EXPECT_EQ(g_messages.positions, std::vector<std::string>{kGga});
    EXPECT_EQ(g_messages.dops, std::vector<std::string>{kGsa});
    EXPECT_EQ(app.gps.record_counter, 1);
    EXPECT_EQ(file_bytes(),
              "@$GPGGA,123519,4807.038,N,\n"
              "#01131.000,E,1,08,0.9,545.\n"
              "#4,M,46.9,M,,*47          \n"
              "!000001p            100000\n"
              "@$GPGSA,A,3,04,05,,09,12,,\n"
              "#,24,,,,,2.5,1.3,2.1*39   \n"
              "!000001             100100\n");
}

TEST_F(SentenceHandlerTest, FixesWithinTheIntervalAreCountedButNotForwarded) {
    start_logging();
    handle(kGga, 100000);
    handle(kGga, 100500);
    handle(kGga, 101000);  // 1000 ms after the last forwarded one
    EXPECT_EQ(g_messages.positions.size(), 2u);
    EXPECT_EQ(app.gps.record_counter, 3);
    const std::string bytes = file_bytes();
    EXPECT_NE(bytes.find("!000002             100500\n"), std::string::npos);
    EXPECT_NE(bytes.find("!000003p            101000\n"), std::string::npos);
}

TEST_F(SentenceHandlerTest, ABadSentenceIsRecordedAsRejectedAndNotCounted) {
    start_logging();
    handle("$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*48", 100000);
    EXPECT_TRUE(g_messages.positions.empty());
    EXPECT_EQ(app.gps.record_counter, 0);
    EXPECT_EQ(file_bytes(),
              "?$GPGGA,123519,4807.038,N,\n"
              "\"01131.000,E,1,08,0.9,545.\n"
              "\"4,M,46.9,M,,*48          \n"
              "!000000             100000\n");
}

TEST_F(SentenceHandlerTest, NothingIsRecordedOutsideLoggingOrBeforeItStarted) {
    ASSERT_TRUE(app.data_file.open_for_append(folder / "survey.601"));
    app.run_status.state = RunState::StandBy;
    handle(kGga, 100000);
    app.run_status.state = RunState::Logging;
    app.gps.logging_start_tick = 102000;
    handle(kGga, 101500);  // began before logging did
    EXPECT_EQ(g_messages.positions.size(), 2u) << "positions are handled in every state";
    EXPECT_EQ(app.gps.record_counter, 0);
    EXPECT_EQ(file_bytes(), "");
}

TEST_F(SentenceHandlerTest, AFinishedTotalStationBlockIsRecordedAsANewPosition) {
    start_logging();
    ASSERT_TRUE(app.gps.blocks.try_push(">,37=5000.125,38=3000.5", 100000));
    window.send(device_message::GpsSentence);
    EXPECT_TRUE(g_messages.positions.empty()) << "its position travels on its own message";
    EXPECT_EQ(app.gps.record_counter, 1);
    EXPECT_EQ(file_bytes(),
              "@>,37=5000.125,38=3000.5  \n"
              "!000001p            100000\n");
}

TEST_F(SentenceHandlerTest, AMessageWithNothingWaitingChangesNothing) {
    start_logging();
    window.send(device_message::GpsSentence);
    EXPECT_EQ(app.gps.record_counter, 0);
    EXPECT_EQ(file_bytes(), "");
}

}  // namespace
}  // namespace zel
