#include "app/watchdog/connection_watchdog.h"

#include <algorithm>
#include <iterator>

#include "app/app_state.h"
#include "app/catalogue/catalogue.h"
#include "instruments/records/stamped_records.h"

namespace zel {

namespace {

using enum WatchdogStep;

constexpr int kRunTimerAfterBreakMs = 1000;
constexpr int kTriggeredIdleTimerMs = 70;
constexpr platform::Tick kF3BatteryRefreshMs = 180000;
constexpr int kSurveyModeAuto = 0;
constexpr int kSurveyModeSuspended = -2;  // no triggering while a frame is overdue
constexpr int kStatusReadingFields = 4;

struct FamilyRow {
    InstrumentType type;
    WatchdogRule rule;
};

constexpr WatchdogRule kTriggeredRule{WatchdogFamily::Triggered, LastDataTick::Frame, 500, 5};
constexpr WatchdogRule kFreeRunningRule{WatchdogFamily::FreeRunning, LastDataTick::Frame, 1000, 1};
constexpr WatchdogRule kMineLabF3Rule{WatchdogFamily::MineLabF3, LastDataTick::Frame, 1500, 0};
constexpr WatchdogRule kEmFamilyRule{WatchdogFamily::EmFamily, LastDataTick::Data, 1000, 0, 10000, false,
                                     BreakMarking::None, 0, kNoConnectionOkText};

// Types missing here (4, 5, 6) are not watched.
constexpr FamilyRow kFamilies[] = {
    {InstrumentType::Ferex, {WatchdogFamily::Counted, LastDataTick::Frame, 200, 24, 0, false, BreakMarking::FerexFlagged}},
    {InstrumentType::Grad601, {WatchdogFamily::Counted, LastDataTick::Data, 2000, 5, 0, false, BreakMarking::ReadingFields, 1}},
    {InstrumentType::G823, {WatchdogFamily::Counted, LastDataTick::Data, 1000, 9, 0, true, BreakMarking::ReadingFields, 2}},
    {InstrumentType::Em61, kTriggeredRule},
    {InstrumentType::Em61Mk2, kTriggeredRule},
    {InstrumentType::Em31, kEmFamilyRule},
    {InstrumentType::Em38B, kEmFamilyRule},
    {InstrumentType::Em38Dd, kEmFamilyRule},
    {InstrumentType::Em38, kEmFamilyRule},
    {InstrumentType::Em38Mk2, kEmFamilyRule},
};

bool keeps_run_state(WatchdogFamily family) {
    return family == WatchdogFamily::Triggered || family == WatchdogFamily::FreeRunning;
}

}  // namespace

WatchdogRule watchdog_rule(const BuildConfig& build, int em61mk2_type, Em61Mk2Mode mode) {
    if (is_minelab_f3(build, em61mk2_type)) return kMineLabF3Rule;
    if (build.type == InstrumentType::Em61Mk2 && mode == Em61Mk2Mode::FreeRunning) return kFreeRunningRule;
    const auto* row = std::find_if(std::begin(kFamilies), std::end(kFamilies),
                                   [&](const FamilyRow& r) { return r.type == build.type; });
    return row == std::end(kFamilies) ? WatchdogRule{} : row->rule;
}

WatchdogActions connection_lost_actions(const WatchdogRule& rule, bool data_file_open, bool gps_enabled,
                                        bool keeps_state) {
    WatchdogActions steps{{ClearMapUpdate}, {StopRunTimer}};
    if (data_file_open) steps.push_back({WriteEvent, 0, kEventConnectionEnd});
    if (gps_enabled) steps.push_back({CloseGpsPort});
    if (!keeps_state) steps.push_back({SetStandBy});
    steps.insert(steps.end(), {{BlankAllReadingFields},
                               {ShowMessage, 0, rule.lost_text},
                               {CloseRunWindows},
                               {LeaveRunForced}});
    return steps;
}

WatchdogActions ConnectionWatchdog::on_tick(AppState& app) {
    // After a lost connection the run is being left; a late tick must not start it over.
    if (m_lost) return {};
    const platform::Tick now = app.clock.tick();
    switch (m_rule.family) {
    case WatchdogFamily::Unwatched: return {};
    case WatchdogFamily::Counted: return counted_tick(app, now);
    case WatchdogFamily::Triggered: return triggered_tick(app, now);
    case WatchdogFamily::FreeRunning: return free_running_tick(app, now);
    case WatchdogFamily::MineLabF3: return f3_tick(app, now);
    case WatchdogFamily::EmFamily: return em_family_tick(app, now);
    }
    return {};
}

bool ConnectionWatchdog::overdue(const AppState& app, platform::Tick now) const {
    const platform::Tick last = (m_rule.compared == LastDataTick::Data ? app.run.instrument_data_tick
                                                                       : app.run.instrument_frame_tick)
                                    .load();
    // Signed: a reader may stamp a tick just after this one was read, and that is no silence.
    return static_cast<std::int32_t>(now - last) > static_cast<std::int32_t>(m_rule.timeout_ms);
}

bool ConnectionWatchdog::count_overdue(AppState& app) {
    // The readers only ever reset the counter, so a reset between load and store loses nothing
    // worse than one overdue check: the next tick counts again.
    const std::int32_t count = app.run.no_data_counter.load() + 1;
    app.run.no_data_counter.store(count);
    return count > m_rule.losing_limit;
}

WatchdogActions ConnectionWatchdog::connection_lost(AppState& app) {
    m_lost = true;
    return connection_lost_actions(m_rule, app.data_file.is_open(), app.settings.gps_enabled == 1,
                                   keeps_run_state(m_rule.family));
}

WatchdogActions ConnectionWatchdog::counted_tick(AppState& app, platform::Tick now) {
    if (m_rule.sets_g823_ready) app.run.g823_ready.store(1);
    if (!overdue(app, now)) return {};
    if (count_overdue(app)) return connection_lost(app);

    WatchdogActions steps{{StopRunTimer}};
    if (app.data_file.is_open()) steps.push_back({WriteEvent, 0, kEventConnectionBreak});
    steps.push_back({RestartProfileTraces});
    if (m_rule.marking == BreakMarking::FerexFlagged) {
        steps.push_back({FillFlaggedFerexFieldsRed});
    } else if (m_rule.marking == BreakMarking::ReadingFields) {
        // The G823 shows one field per configured sensor; the GRAD601 always its two.
        const int fields = m_rule.sets_g823_ready ? app.settings.sensors : 2;
        for (int field = 1; field <= fields; ++field) steps.push_back({BlankReadingField, field});
        steps.push_back({WriteReadingField, m_rule.please_field, "   please"});
        steps.push_back({WriteReadingField, m_rule.please_field + 1, "   wait..."});
    }
    steps.insert(steps.end(), {{StartRunTimer, kRunTimerAfterBreakMs}, {FocusLoggingWindow}});
    return steps;
}

WatchdogActions ConnectionWatchdog::triggered_tick(AppState& app, platform::Tick now) {
    if (app.derived.working_survey_mode != kSurveyModeAuto) return {};
    if (m_trigger_requested) {
        m_trigger_requested = false;
        app.run.instrument_frame_tick.store(now);
        return {{PurgeInstrumentPort}, {SendToInstrument, 0, "A"}, {SetPacingEvent}};
    }
    if (!overdue(app, now)) return {};
    app.derived.working_survey_mode = kSurveyModeSuspended;
    WatchdogActions steps{{ResetPacingEvent}};
    WatchdogActions more = count_overdue(app) ? connection_lost(app) : reconnect(app, Em61Mk2Mode::Triggered);
    steps.insert(steps.end(), more.begin(), more.end());
    return steps;
}

WatchdogActions ConnectionWatchdog::free_running_tick(AppState& app, platform::Tick now) {
    if (app.derived.working_survey_mode != kSurveyModeAuto) return {};
    if (!overdue(app, now)) return {};
    app.derived.working_survey_mode = kSurveyModeSuspended;
    return count_overdue(app) ? connection_lost(app) : reconnect(app, Em61Mk2Mode::FreeRunning);
}

// Closes and reopens the instrument port, repeats the handshake and starts the reader again.
WatchdogActions ConnectionWatchdog::reconnect(AppState& app, Em61Mk2Mode mode) {
    const bool triggered = mode == Em61Mk2Mode::Triggered;
    WatchdogActions steps;
    if (app.data_file.is_open()) steps.push_back({WriteEvent, 0, kEventConnectionBreak});
    steps.push_back({CloseInstrumentPort});
    // The reader may be waiting for the event; set, it sees the closed port and ends.
    if (triggered) steps.push_back({SetPacingEvent});
    steps.insert(steps.end(), {{CloseReaderThread}, {Wait, 200}, {BlankReadingField, 1}, {BlankReadingField, 2}});
    if (triggered) {
        steps.insert(steps.end(), {{WriteReadingField, 2, "   PLEASE"},
                                   {BlankReadingField, 3},
                                   {WriteReadingField, 3, "   WAIT..."}});
    } else {
        steps.insert(steps.end(), {{WriteReadingField, 1, "   PLEASE"},
                                   {WriteReadingField, 2, "   WAIT..."},
                                   {BlankReadingField, 3}});
    }
    steps.insert(steps.end(), {{BlankReadingField, 4},
                               {RestartProfileTraces},
                               {ReopenInstrumentPort},
                               {Handshake, 0, "X"},
                               {triggered ? StartFirstReader : StartFreeRunningReader}});
    app.derived.working_survey_mode = kSurveyModeAuto;
    if (triggered) {
        m_trigger_requested = true;
        const bool logging = app.run_status.state == RunState::Logging;
        steps.push_back({StartRunTimer, logging ? app.derived.reading_interval_ms : kTriggeredIdleTimerMs});
        // The free-running texts stand in field 1; only the triggered one clears it.
        steps.push_back({BlankReadingField, 1});
    } else {
        steps.push_back({StartRunTimer, kRunTimerAfterBreakMs});
    }
    steps.push_back({FocusLoggingWindow});
    return steps;
}

WatchdogActions ConnectionWatchdog::f3_tick(AppState& app, platform::Tick now) {
    WatchdogActions steps;
    if (overdue(app, now)) {
        if (app.data_file.is_open()) steps.push_back({WriteEvent, 0, kEventConnectionBreak});
        steps.insert(steps.end(), {{FillReadingFieldRed, 1}, {FillReadingFieldRed, 2}});
    }
    if (now - m_battery_time > kF3BatteryRefreshMs) {
        steps.push_back({RefreshBattery});
        m_battery_time = now;
    }
    return steps;
}

WatchdogActions ConnectionWatchdog::em_family_tick(AppState& app, platform::Tick now) {
    // Data since the break began end it, as the readers' clearing of the break flags would.
    const platform::Tick data_tick = app.run.instrument_data_tick.load();
    if ((m_break_recorded || m_break_start) && data_tick != m_break_data_tick) {
        m_break_recorded = false;
        m_break_start.reset();
    }
    if (!overdue(app, now)) return {};
    m_break_data_tick = data_tick;

    WatchdogActions steps;
    if (app.data_file.is_open() && !m_break_recorded) {
        steps.push_back({WriteEvent, 0, kEventConnectionBreak});
        m_break_recorded = true;
        m_break_start.reset();
    }
    steps.push_back({RestartProfileTraces});
    for (int field = 1; field <= kStatusReadingFields; ++field) steps.push_back({BlankReadingField, field});
    steps.insert(steps.end(), {{WriteReadingField, 2, "Conn Break"},
                               {WriteReadingField, 3, "TRYING..."},
                               {FocusLoggingWindow}});
    if (!m_break_start) {
        m_break_start = now;
        return steps;
    }
    if (now - *m_break_start < m_rule.losing_break_ms) return steps;
    WatchdogActions lost = connection_lost(app);
    steps.insert(steps.end(), lost.begin(), lost.end());
    return steps;
}

}  // namespace zel
