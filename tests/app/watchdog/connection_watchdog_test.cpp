#include "app/watchdog/connection_watchdog.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "app/catalogue/catalogue.h"

namespace zel {

// Readable failures: "WriteEvent 0 $CONN BREAK".
void PrintTo(const WatchdogAction& a, std::ostream* os) {
    *os << static_cast<int>(a.step) << " " << a.value << " " << a.text;
}

namespace {

namespace fs = std::filesystem;
using enum WatchdogStep;

const WatchdogActions kGrad601Break{
    {StopRunTimer},
    {WriteEvent, 0, "$CONN BREAK"},
    {RestartProfileTraces},
    {BlankReadingField, 1},
    {BlankReadingField, 2},
    {WriteReadingField, 1, "   please"},
    {WriteReadingField, 2, "   wait..."},
    {StartRunTimer, 1000},
    {FocusLoggingWindow},
};

const WatchdogActions kLostWithFileAndGps{
    {ClearMapUpdate},
    {StopRunTimer},
    {WriteEvent, 0, "$CONN END  "},
    {CloseGpsPort},
    {SetStandBy},
    {BlankAllReadingFields},
    {ShowMessage, 0, "NO CONNECTION Press <ENTER> to STOP"},
    {CloseRunWindows},
    {LeaveRunForced},
};

// One run-timer tick at a time, with the reader's deliveries in between.
struct Step {
    platform::Tick at;
    WatchdogActions expected;
};

class ConnectionWatchdogTest : public testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "zel-watchdog-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        m_dir = pattern;
    }
    void TearDown() override { fs::remove_all(m_dir); }

    void open_data_file() { ASSERT_TRUE(app.data_file.open_for_append(m_dir / "run.601")); }

    // A sentence arrives: the reader stamps its tick and clears the counter.
    void deliver(platform::Tick at, LastDataTick tick = LastDataTick::Data, bool resets_counter = true) {
        (tick == LastDataTick::Data ? app.run.instrument_data_tick : app.run.instrument_frame_tick).store(at);
        if (resets_counter) app.run.no_data_counter.store(0);
    }

    void run_steps(ConnectionWatchdog& watchdog, const std::vector<Step>& steps) {
        for (const Step& step : steps) {
            SCOPED_TRACE("tick at " + std::to_string(step.at));
            clock.set_tick(step.at);
            EXPECT_EQ(watchdog.on_tick(app), step.expected);
        }
    }

    fs::path m_dir;
    platform::ManualClock clock{0};
    AppState app{kGrad601Build, clock};
};

TEST_F(ConnectionWatchdogTest, Grad601SilenceBreaksFiveTimesThenIsLost) {
    open_data_file();
    app.settings.gps_enabled = 1;
    ConnectionWatchdog watchdog(watchdog_rule(kGrad601Build, 0, Em61Mk2Mode::Triggered));
    deliver(0);
    run_steps(watchdog, {
                            {70, {}},
                            {2000, {}},  // exactly the time-out is not yet overdue
                            {2070, kGrad601Break},
                            {3070, kGrad601Break},
                            {4070, kGrad601Break},
                            {5070, kGrad601Break},
                            {6070, kGrad601Break},
                            {7070, kLostWithFileAndGps},
                            {8070, {}},  // the run is being left
                        });
    EXPECT_TRUE(watchdog.lost());
}

TEST_F(ConnectionWatchdogTest, Grad601DataResumingEndsTheBreakSilently) {
    open_data_file();
    ConnectionWatchdog watchdog(watchdog_rule(kGrad601Build, 0, Em61Mk2Mode::Triggered));
    deliver(0);
    run_steps(watchdog, {{2070, kGrad601Break}, {3070, kGrad601Break}});
    deliver(3500);
    run_steps(watchdog, {{4070, {}}, {5070, {}}});
    EXPECT_EQ(app.run.no_data_counter.load(), 0);
    // A new silence counts from one again: five more breaks before the end.
    run_steps(watchdog, {{5501, kGrad601Break}, {6501, kGrad601Break}, {7501, kGrad601Break},
                         {8501, kGrad601Break}, {9501, kGrad601Break}});
    EXPECT_FALSE(watchdog.lost());
}

TEST_F(ConnectionWatchdogTest, TickStampedJustAfterTheCheckReadItIsNotSilence) {
    ConnectionWatchdog watchdog(watchdog_rule(kGrad601Build, 0, Em61Mk2Mode::Triggered));
    deliver(100005);
    run_steps(watchdog, {{100000, {}}});
    // Across the 32-bit wrap as well.
    deliver(10);
    run_steps(watchdog, {{0xFFFFFF00u, {}}, {1500, {}}});
    EXPECT_EQ(app.run.no_data_counter.load(), 0);
}

TEST_F(ConnectionWatchdogTest, LostWithoutFileOrGpsSkipsTheirSteps) {
    app.settings.gps_enabled = 0;
    ConnectionWatchdog watchdog(watchdog_rule(kGrad601Build, 0, Em61Mk2Mode::Triggered));
    deliver(0);
    app.run.no_data_counter.store(5);
    clock.set_tick(2001);
    EXPECT_EQ(watchdog.on_tick(app), (WatchdogActions{{ClearMapUpdate},
                                                      {StopRunTimer},
                                                      {SetStandBy},
                                                      {BlankAllReadingFields},
                                                      {ShowMessage, 0, "NO CONNECTION Press <ENTER> to STOP"},
                                                      {CloseRunWindows},
                                                      {LeaveRunForced}}));
}

TEST_F(ConnectionWatchdogTest, G823LetsASentenceThroughEveryTickAndMarksItsSensors) {
    const BuildConfig g823{.type = InstrumentType::G823};
    app.settings.sensors = 3;
    ConnectionWatchdog watchdog(watchdog_rule(g823, 0, Em61Mk2Mode::Triggered));
    deliver(0);
    clock.set_tick(500);
    EXPECT_TRUE(watchdog.on_tick(app).empty());
    EXPECT_EQ(app.run.g823_ready.load(), 1);
    app.run.g823_ready.store(0);
    clock.set_tick(1001);
    EXPECT_EQ(watchdog.on_tick(app), (WatchdogActions{{StopRunTimer},
                                                      {RestartProfileTraces},
                                                      {BlankReadingField, 1},
                                                      {BlankReadingField, 2},
                                                      {BlankReadingField, 3},
                                                      {WriteReadingField, 2, "   please"},
                                                      {WriteReadingField, 3, "   wait..."},
                                                      {StartRunTimer, 1000},
                                                      {FocusLoggingWindow}}));
    EXPECT_EQ(app.run.g823_ready.load(), 1);
    // Ten overdue checks since the last sentence end the run.
    for (platform::Tick at = 2001; at <= 9001; at += 1000) {
        clock.set_tick(at);
        EXPECT_EQ(watchdog.on_tick(app).back(), (WatchdogAction{FocusLoggingWindow})) << at;
    }
    clock.set_tick(10001);
    EXPECT_EQ(watchdog.on_tick(app).back(), (WatchdogAction{LeaveRunForced}));
}

TEST_F(ConnectionWatchdogTest, FerexCountsOverdueChecksOverTheWholeRun) {
    const BuildConfig ferex{.type = InstrumentType::Ferex};
    ConnectionWatchdog watchdog(watchdog_rule(ferex, 0, Em61Mk2Mode::Triggered));
    platform::Tick now = 0;
    for (int check = 1; check <= 25; ++check) {
        // Data comes in between, but the Ferex reader never clears the counter.
        deliver(now, LastDataTick::Frame, false);
        now += 201;
        clock.set_tick(now);
        const WatchdogActions steps = watchdog.on_tick(app);
        ASSERT_FALSE(steps.empty()) << check;
        EXPECT_EQ(steps.back().step == LeaveRunForced, check == 25) << check;
        if (check < 25) {
            EXPECT_EQ(steps[2], (WatchdogAction{FillFlaggedFerexFieldsRed})) << check;
        }
    }
}

TEST_F(ConnectionWatchdogTest, EmFamilyRecordsOneBreakAndGivesUpAfterTenSeconds) {
    open_data_file();
    app.settings.gps_enabled = 0;
    const BuildConfig em38{.type = InstrumentType::Em38};
    ConnectionWatchdog watchdog(watchdog_rule(em38, 0, Em61Mk2Mode::Triggered));
    const WatchdogActions shown{{RestartProfileTraces},      {BlankReadingField, 1},
                                {BlankReadingField, 2},      {BlankReadingField, 3},
                                {BlankReadingField, 4},      {WriteReadingField, 2, "Conn Break"},
                                {WriteReadingField, 3, "TRYING..."}, {FocusLoggingWindow}};
    WatchdogActions first{{WriteEvent, 0, "$CONN BREAK"}};
    first.insert(first.end(), shown.begin(), shown.end());

    deliver(0);
    std::vector<Step> silent{{1000, {}}, {1001, first}};
    for (platform::Tick at = 2001; at <= 10001; at += 1000) silent.push_back({at, shown});
    run_steps(watchdog, silent);

    // Data return: the break is over, and the next silence is a new break with its own record.
    deliver(10500);
    run_steps(watchdog, {{11001, {}}, {11501, first}, {21000, shown}});

    WatchdogActions lost = shown;
    lost.insert(lost.end(), {{ClearMapUpdate},
                             {StopRunTimer},
                             {WriteEvent, 0, "$CONN END  "},
                             {SetStandBy},
                             {BlankAllReadingFields},
                             {ShowMessage, 0, "NO CONNECTION Press <ENTER> or <OK> to STOP"},
                             {CloseRunWindows},
                             {LeaveRunForced}});
    run_steps(watchdog, {{21501, lost}});
}

TEST_F(ConnectionWatchdogTest, MineLabF3MarksBreaksButNeverGivesUp) {
    open_data_file();
    const BuildConfig f3{.type = InstrumentType::Em61Mk2, .em61_f3 = true};
    ConnectionWatchdog watchdog(watchdog_rule(f3, kEm61Mk2TypeMineLabF3, Em61Mk2Mode::Triggered));
    deliver(0, LastDataTick::Frame);
    const WatchdogActions red{{WriteEvent, 0, "$CONN BREAK"}, {FillReadingFieldRed, 1}, {FillReadingFieldRed, 2}};
    for (platform::Tick at = 2000; at <= 60000; at += 1000) run_steps(watchdog, {{at, red}});
    WatchdogActions with_battery = red;
    with_battery.push_back({RefreshBattery});
    run_steps(watchdog, {{180001, with_battery}, {181001, red}});
    EXPECT_FALSE(watchdog.lost());
}

TEST_F(ConnectionWatchdogTest, Em61TriggersThenReconnectsAndFinallyGivesUp) {
    open_data_file();
    app.settings.gps_enabled = 0;
    app.run_status.state = RunState::Logging;
    app.derived.reading_interval_ms = 200;
    const BuildConfig em61{.type = InstrumentType::Em61};
    ConnectionWatchdog watchdog(watchdog_rule(em61, 0, Em61Mk2Mode::Triggered));
    const WatchdogActions trigger{{PurgeInstrumentPort}, {SendToInstrument, 0, "A"}, {SetPacingEvent}};
    const WatchdogActions reconnect{
        {ResetPacingEvent},        {WriteEvent, 0, "$CONN BREAK"},   {CloseInstrumentPort},
        {SetPacingEvent},          {CloseReaderThread},              {Wait, 200},
        {BlankReadingField, 1},    {BlankReadingField, 2},           {WriteReadingField, 2, "   PLEASE"},
        {BlankReadingField, 3},    {WriteReadingField, 3, "   WAIT..."}, {BlankReadingField, 4},
        {RestartProfileTraces},    {ReopenInstrumentPort},           {Handshake, 0, "X"},
        {StartFirstReader},        {StartRunTimer, 200},             {BlankReadingField, 1},
        {FocusLoggingWindow}};

    watchdog.request_trigger();
    run_steps(watchdog, {{1000, trigger}});
    EXPECT_EQ(app.run.instrument_frame_tick.load(), 1000u);
    deliver(1100, LastDataTick::Frame);  // the frame answers; no new request yet
    run_steps(watchdog, {{1170, {}}, {1600, {}}, {1601, reconnect}});
    EXPECT_EQ(app.derived.working_survey_mode, 0);
    EXPECT_TRUE(watchdog.trigger_requested());

    // The reconnect asked for a trigger; the instrument stays silent from here on.
    run_steps(watchdog, {{1700, trigger}});
    for (platform::Tick at = 2201; at <= 5201; at += 1000) {
        run_steps(watchdog, {{at, reconnect}, {at + 100, trigger}});
        deliver(at + 100, LastDataTick::Frame, false);
    }
    clock.set_tick(6301);
    const WatchdogActions last = watchdog.on_tick(app);
    ASSERT_FALSE(last.empty());
    EXPECT_EQ(last.back(), (WatchdogAction{LeaveRunForced}));
    // The EM61 keeps its run state; the suspended survey mode stops further triggering.
    EXPECT_EQ(std::count(last.begin(), last.end(), WatchdogAction{SetStandBy}), 0);
    EXPECT_EQ(app.derived.working_survey_mode, -2);
}

TEST(WatchdogRule, TableRowsPerFamily) {
    struct Case {
        BuildConfig build;
        int em61mk2_type;
        Em61Mk2Mode mode;
        WatchdogFamily family;
        LastDataTick compared;
        platform::Tick timeout;
    };
    const Case cases[] = {
        {{.type = InstrumentType::Ferex}, 0, Em61Mk2Mode::Triggered, WatchdogFamily::Counted, LastDataTick::Frame, 200},
        {kGrad601Build, 0, Em61Mk2Mode::Triggered, WatchdogFamily::Counted, LastDataTick::Data, 2000},
        {{.type = InstrumentType::G823}, 0, Em61Mk2Mode::Triggered, WatchdogFamily::Counted, LastDataTick::Data, 1000},
        {{.type = InstrumentType::Em61Mk2}, 0, Em61Mk2Mode::FreeRunning, WatchdogFamily::FreeRunning, LastDataTick::Frame, 1000},
        {{.type = InstrumentType::Em61Mk2, .em61_f3 = true}, 4, Em61Mk2Mode::Triggered, WatchdogFamily::MineLabF3, LastDataTick::Frame, 1500},
        {{.type = InstrumentType::Em38Mk2}, 0, Em61Mk2Mode::Triggered, WatchdogFamily::EmFamily, LastDataTick::Data, 1000},
        {{.type = InstrumentType::Ice31}, 0, Em61Mk2Mode::Triggered, WatchdogFamily::Unwatched, LastDataTick::Data, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(type_number(c.build.type));
        const WatchdogRule rule = watchdog_rule(c.build, c.em61mk2_type, c.mode);
        EXPECT_EQ(rule.family, c.family);
        EXPECT_EQ(rule.compared, c.compared);
        EXPECT_EQ(rule.timeout_ms, c.timeout);
    }
}

}  // namespace
}  // namespace zel
