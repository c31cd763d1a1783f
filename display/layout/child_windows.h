#pragma once

// The logging window's children: what is created, in which order, with which identifier,
// rectangle, label and visibility. The commands that switch button rows rely on the
// identifiers: both button rows share 460 to 463, and Pause shares 460.

#include "app/build_config.h"
#include "app/catalogue/catalogue.h"
#include "app/startup/screen_measurements.h"
#include "display/layout/logging_layout.h"
#include "platform/gfx/geometry.h"

#include <array>
#include <string_view>
#include <vector>

namespace zel {

enum class ChildKind {
    Profile,
    SpeedBar,
    Bars,   // the level bars of instrument types below 0
    BarQ,   // first channel group of types 0 and above
    BarI,   // second channel group
    MonitorButton,
    StandByButton,
    PauseButton,
};

enum class Visibility { Visible, Hidden };

inline constexpr int kProfileWindowId = 5;
inline constexpr int kSpeedBarId = 15;
inline constexpr int kBarsId = 12;
inline constexpr int kBarQId = 13;
inline constexpr int kBarIId = 14;
inline constexpr int kFirstLoggingButtonId = 460;
inline constexpr int kLoggingButtonCount = 4;
inline constexpr std::string_view kButtonClassName = "BUTTON";

struct ChildWindowPlan {
    ChildKind kind;
    std::string_view class_name;
    int id;
    std::string_view label;  // buttons only
    platform::Rect rect;     // in the logging window's client coordinates
    Visibility initially;    // after the logging window's creation has finished
    bool thin_border;
};

// In creation order: profile, speed bar, the three bar windows, the monitor row, the stand-by
// row, Pause.
std::vector<ChildWindowPlan> logging_child_windows(const ScreenMeasurements& m, const LoggingLayout& layout,
                                                   const BuildConfig& build);

// Buttons of a row stand side by side in portrait and stacked in landscape.
platform::Rect logging_button_rect(const ScreenMeasurements& m, const LoggingLayout& layout, int index);
platform::Rect pause_button_rect(const LoggingLayout& layout);

std::array<std::string_view, kLoggingButtonCount> monitor_row_labels(const BuildConfig& build);
inline constexpr std::array<std::string_view, kLoggingButtonCount> kStandByRowLabels{"&Go", "&QLine", "E&xit", "&Menu"};
inline constexpr std::string_view kPauseLabel = "Pause";

// An EM61-MK2 that is used must report itself ready before "&File", "N&ull" and "&Menu" work.
std::array<bool, kLoggingButtonCount> monitor_buttons_disabled_at_creation(const BuildConfig& build,
                                                                          InstrumentUse use);

}  // namespace zel
