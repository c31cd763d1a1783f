#pragma once

// The start screen's geometry: the nine main buttons, the two decorative arcs beside them, the
// bitmaps and the version text; and the key handling that moves the button selection.

#include "app/build_config.h"
#include "app/startup/screen_measurements.h"
#include "platform/clock/clock.h"
#include "platform/gfx/geometry.h"
#include "platform/ui/keys.h"

#include <array>
#include <optional>
#include <string_view>

namespace zel {

inline constexpr int kMainButtonCount = 9;
inline constexpr int kFirstMainButtonId = 418;
inline constexpr int kMainButtonSelectedAtStart = 1;

enum class MainAction {
    Logging,
    SurveySetup,
    SystemSetup,
    LoggerSetup,
    GpsPortSetup,
    MonitorGps,
    MapOptions,
    ProfileOptions,
    Exit,
};

struct MainButton {
    MainAction action;
    std::string_view text;
    char key;           // the mnemonic letter, matched in either case
    char second_key;    // another letter that also triggers it, or 0
    int indent;         // base pixels the button is narrowed by on each side
};

// In index order; button i has the identifier kFirstMainButtonId + i.
extern const std::array<MainButton, kMainButtonCount> kMainButtons;

platform::Rect main_button_rect(const ScreenMeasurements& m, int index);

// The result of a key on the start screen: the action to run, if any, and the selection after it.
struct MainKeyResult {
    std::optional<int> action;
    int selected = kMainButtonSelectedAtStart;
};
// Letters pick their button; Tab, Right and Down select the next button, Left and Up the
// previous one, both wrapping around; Enter runs the selected one. Other keys change nothing.
MainKeyResult main_button_key(platform::KeyCode key, int selected);

struct StartScreenArcs {
    std::array<platform::Point, 9> left;
    std::array<platform::Point, 9> right;
    int end_circle_radius = 3;
};
StartScreenArcs start_screen_arcs(const ScreenMeasurements& m);

// Top-left corners of what the start screen draws besides its buttons and arcs.
struct StartScreenPlacement {
    platform::Point splash;
    platform::Point company;  // "STATICCOMPANY_" bitmap
    platform::Point logo;     // "STATICKPX_" bitmap
    platform::Point version;
    std::optional<platform::Point> model_name;  // only in the EM61/F3 build
};
StartScreenPlacement start_screen_placement(const ScreenMeasurements& m, const BuildConfig& build);

// A device that has run this long since its last reset keeps time badly; the program refuses to
// start then.
inline constexpr platform::Tick kUptimeLimitMs = 1728000000;  // 20 days
bool uptime_exceeded(platform::Tick now);

}  // namespace zel
