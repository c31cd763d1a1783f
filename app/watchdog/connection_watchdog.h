#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "app/build_config.h"
#include "app/catalogue/run_machinery.h"
#include "app/run/run_objects.h"
#include "app/watchdog/watchdog_action.h"
#include "platform/clock/clock.h"

namespace zel {

struct AppState;

inline constexpr std::string_view kNoConnectionCaption = "NO CONNECTION";
inline constexpr std::string_view kNoConnectionText = "NO CONNECTION Press <ENTER> to STOP";
inline constexpr std::string_view kNoConnectionOkText = "NO CONNECTION Press <ENTER> or <OK> to STOP";

// How an instrument family is watched.
enum class WatchdogFamily {
    Unwatched,    // types 4, 5, 6
    Counted,      // Ferex, GRAD601, G823: overdue checks counted towards a limit
    Triggered,    // EM61, EM61-MK2 triggered: paced by a trigger, reconnected when a frame is late
    FreeRunning,  // EM61-MK2 free-running: reconnected when frames stop
    MineLabF3,    // marks breaks, never gives up
    EmFamily,     // types 0 to 3 and 7: gives up on a break lasting too long
};

// What a family's break shows in the status line.
enum class BreakMarking {
    None,
    ReadingFields,    // blank the type's reading fields, then the two "please wait" texts
    FerexFlagged,     // the fields of the sensors the Ferex handling flagged turn red
};

// One row per instrument family: which tick, which limits, what a break shows.
struct WatchdogRule {
    WatchdogFamily family = WatchdogFamily::Unwatched;
    LastDataTick compared = LastDataTick::Data;
    platform::Tick timeout_ms = 0;        // a check is overdue past this much silence
    std::int32_t losing_limit = 0;        // lost when the no-data counter exceeds this
    platform::Tick losing_break_ms = 0;   // EM family: lost when a break lasts this long
    bool sets_g823_ready = false;         // every tick lets one more G823 sentence through
    BreakMarking marking = BreakMarking::None;
    int please_field = 0;                 // "   please" here, "   wait..." in the next field
    std::string_view lost_text = kNoConnectionText;
};

WatchdogRule watchdog_rule(const BuildConfig& build, int em61mk2_type, Em61Mk2Mode mode);

// The connection watchdog of one run, driven by the run timer on the window thread. Each tick
// reads the last-data ticks and the no-data counter that the readers write, keeps its own break
// state, and returns the steps to carry out.
class ConnectionWatchdog {
public:
    explicit ConnectionWatchdog(const WatchdogRule& rule) : m_rule(rule) {}

    WatchdogActions on_tick(AppState& app);

    // EM61 and EM61-MK2: a new reading is wanted; the next tick triggers the instrument.
    void request_trigger() { m_trigger_requested = true; }
    bool trigger_requested() const { return m_trigger_requested; }
    bool lost() const { return m_lost; }

private:
    WatchdogActions counted_tick(AppState& app, platform::Tick now);
    WatchdogActions triggered_tick(AppState& app, platform::Tick now);
    WatchdogActions free_running_tick(AppState& app, platform::Tick now);
    WatchdogActions f3_tick(AppState& app, platform::Tick now);
    WatchdogActions em_family_tick(AppState& app, platform::Tick now);

    bool overdue(const AppState& app, platform::Tick now) const;
    // Adds one overdue check; true when that is one too many.
    bool count_overdue(AppState& app);
    WatchdogActions reconnect(AppState& app, Em61Mk2Mode mode);
    WatchdogActions connection_lost(AppState& app);

    WatchdogRule m_rule;
    bool m_lost = false;
    bool m_trigger_requested = false;
    // EM family: the current break, and the data tick seen when it began; data arriving since
    // then end it.
    bool m_break_recorded = false;
    std::optional<platform::Tick> m_break_start;
    platform::Tick m_break_data_tick = 0;
    platform::Tick m_battery_time = 0;  // MineLab F3
};

// The steps of a lost connection, shared by every family that can lose one.
WatchdogActions connection_lost_actions(const WatchdogRule& rule, bool data_file_open, bool gps_enabled,
                                        bool keeps_run_state);

}  // namespace zel
