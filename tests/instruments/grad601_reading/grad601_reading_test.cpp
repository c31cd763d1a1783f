#include "instruments/grad601/grad601_reading.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "app/app_state.h"

namespace zel {
namespace {

namespace fs = std::filesystem;

class Grad601ReadingTest : public testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "zel-grad601-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        m_dir = pattern;
        ASSERT_EQ(app.data_file.create(file()), platform::CreateResult::Created);
        app.settings.sensors = 2;
        app.settings.profile_max = 2000.0f;
        app.derived.group1 = {0.1f, 0.04f};
        app.derived.current_station = 10.0;
        app.derived.station_increment = 0.5;
        app.readings.last_battery_refresh = clock.tick();
    }
    void TearDown() override { fs::remove_all(m_dir); }

    fs::path file() const { return m_dir / "120914A.601"; }
    std::string contents() const {
        std::ifstream in(file(), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    Grad601Shown feed(std::string_view sentence, platform::Tick start_tick = 5551212,
                      ViewMode view = ViewMode::Profile) {
        return handle_grad601_reading(app, sentence, start_tick, view);
    }

    void feed_many(int count) {
        for (int i = 0; i < count; ++i) feed("$PBAR,1.0,2.0");
    }

    fs::path m_dir;
    platform::ManualClock clock{1000};
    AppState app{kGrad601Build, clock};
};

TEST_F(Grad601ReadingTest, LoggingRecordsTheSentenceWithCounterAndStartTick) {
    app.run_status.state = RunState::Logging;
    app.readings.reading_counter = 40;
    const Grad601Shown shown = feed("$PBAR,1234.5,-567.8");
    EXPECT_EQ(contents(),
              "T$PBAR,1234.5,-567.8      \n"
              ">000041            5551212\n");
    EXPECT_EQ(app.readings.reading_counter, 41);
    EXPECT_TRUE(shown.scroll_step);
    EXPECT_EQ(shown.background, ValueBackground::Green);
}

TEST_F(Grad601ReadingTest, TwoSensorsAreShownAndConvertedWithTheGroupScales) {
    app.run_status.state = RunState::Logging;
    const Grad601Shown shown = feed("$PBAR,12.5,-3.25");
    EXPECT_EQ(shown.reading1_text, "    12.500");
    ASSERT_TRUE(shown.reading2_text);
    EXPECT_EQ(*shown.reading2_text, "    -3.250");
    EXPECT_EQ(shown.rows.profile[0], 198);  // (2000 - 12.5) * 0.1 = 198.75
    EXPECT_EQ(shown.rows.profile[1], 200);  // 200.325
    EXPECT_EQ(shown.rows.bar[0], 79);       // 79.5
    EXPECT_EQ(shown.rows.bar[1], 80);       // 80.13
}

TEST_F(Grad601ReadingTest, OneSensorLeavesTheSecondFieldAndChannelAlone) {
    app.settings.sensors = 1;
    const Grad601Shown shown = feed("$PBAR,12.5,-3.25");
    EXPECT_EQ(shown.readings.sensors, 1);
    EXPECT_EQ(shown.readings.values[0], 12.5f);
    EXPECT_EQ(shown.readings.values[1], 0.0f);
    EXPECT_FALSE(shown.reading2_text);
    EXPECT_EQ(shown.background, ValueBackground::LightGrey);
}

TEST_F(Grad601ReadingTest, EmptyFirstFieldTakesTheSecondAsReadingOne) {
    const Grad601Shown shown = feed("$PBAR,,7");
    EXPECT_EQ(shown.readings.values[0], 7.0f);
    EXPECT_EQ(shown.readings.values[1], 0.0f);
    EXPECT_EQ(*shown.reading2_text, "     0.000");
}

TEST_F(Grad601ReadingTest, MonitorAndStandByOnlyShow) {
    for (RunState state : {RunState::Monitor, RunState::StandBy}) {
        app.run_status.state = state;
        app.settings.audio = 1;
        app.readings.beep_interval = 1;
        const Grad601Shown shown = feed("$PBAR,1.0,2.0");
        EXPECT_FALSE(shown.beep);
        EXPECT_FALSE(shown.scroll_step);
        EXPECT_FALSE(shown.station_text);
        EXPECT_EQ(shown.reading1_text, "     1.000");
    }
    EXPECT_EQ(contents(), "");
    EXPECT_EQ(app.readings.reading_counter, 0);
    EXPECT_EQ(app.readings.beep_counter, 0);
    EXPECT_EQ(app.derived.current_station, 10.0);
}

TEST_F(Grad601ReadingTest, FirstReadingAfterANewStationStaysOnIt) {
    app.run_status.state = RunState::Logging;
    EXPECT_EQ(*feed("$PBAR,1").station_text, "10.00      ");
    EXPECT_EQ(*feed("$PBAR,1").station_text, "10.50      ");
    app.derived.current_station = -3.5;  // the new-station entry clears the flag
    app.readings.station_started = false;
    EXPECT_EQ(*feed("$PBAR,1").station_text, "-3.50      ");
    EXPECT_EQ(*feed("$PBAR,1").station_text, "-3.00      ");
}

TEST_F(Grad601ReadingTest, MapViewRecordsButDoesNotScroll) {
    app.run_status.state = RunState::Logging;
    const Grad601Shown shown = feed("$PBAR,1", 1, ViewMode::Map);
    EXPECT_FALSE(shown.scroll_step);
    EXPECT_TRUE(shown.station_text);
    EXPECT_EQ(app.readings.reading_counter, 1);
}

TEST_F(Grad601ReadingTest, BeepsEveryIntervalOfRecordedReadings) {
    app.run_status.state = RunState::Logging;
    app.settings.audio = 1;
    std::string beeps;
    for (int i = 1; i <= 26; ++i)
        if (feed("$PBAR,1").beep) beeps += std::to_string(i) + " ";
    EXPECT_EQ(beeps, "13 26 ");

    // A pause keeps the counter; resuming with a smaller interval beeps at once rather than never.
    feed_many(7);
    app.readings.beep_interval = 5;
    EXPECT_TRUE(feed("$PBAR,1").beep);
    EXPECT_EQ(app.readings.beep_counter, 0);

    app.settings.audio = 0;
    feed_many(10);
    EXPECT_EQ(app.readings.beep_counter, 0);
}

TEST_F(Grad601ReadingTest, BatteryIsRefreshedAtMostEveryThreeMinutes) {
    EXPECT_FALSE(feed("$PBAR,1").refresh_battery);
    clock.advance(180000);
    EXPECT_FALSE(feed("$PBAR,1").refresh_battery);
    clock.advance(1);
    EXPECT_TRUE(feed("$PBAR,1").refresh_battery);
    EXPECT_FALSE(feed("$PBAR,1").refresh_battery);
    EXPECT_EQ(app.readings.last_battery_refresh, clock.tick());
}

}  // namespace
}  // namespace zel
