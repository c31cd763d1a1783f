#include "display/layout/child_windows.h"

namespace zel {

using platform::Rect;

platform::Rect logging_button_rect(const ScreenMeasurements& m, const LoggingLayout& l, int index) {
    if (m.portrait()) {
        return Rect::from_size(l.button_left + index * (l.button_width + m.x(1)), l.button_top, l.button_width,
                               l.button_height);
    }
    return Rect::from_size(l.button_left, l.button_top + index * (l.button_height + m.y(1)), l.button_width,
                           l.button_height);
}

platform::Rect pause_button_rect(const LoggingLayout& l) {
    return Rect::from_size(l.button_left, l.button_top, l.pause_width, l.pause_height);
}

std::array<std::string_view, kLoggingButtonCount> monitor_row_labels(const BuildConfig& build) {
    const bool em61 = build.type == InstrumentType::Em61 || build.type == InstrumentType::Em61Mk2;
    return {"&File", em61 ? "N&ull" : "Map&Scale", "E&xit", "&Menu"};
}

std::array<bool, kLoggingButtonCount> monitor_buttons_disabled_at_creation(const BuildConfig& build,
                                                                          InstrumentUse use) {
    if (build.type != InstrumentType::Em61Mk2 || use != InstrumentUse::Enabled) return {};
    return {true, true, false, true};
}

std::vector<ChildWindowPlan> logging_child_windows(const ScreenMeasurements& m, const LoggingLayout& l,
                                                   const BuildConfig& build) {
    const ProfileArea& p = l.profile;
    const Visibility below_zero = build.below_zero() ? Visibility::Visible : Visibility::Hidden;
    const Visibility zero_and_above = build.below_zero() ? Visibility::Hidden : Visibility::Visible;

    std::vector<ChildWindowPlan> children{
        {ChildKind::Profile, "CurveWnd", kProfileWindowId, {}, Rect::from_size(p.x0 - 1, p.y0 - 1, p.width, p.height),
         Visibility::Visible, true},
        {ChildKind::SpeedBar, "SpeedbarWnd", kSpeedBarId, {},
         Rect::from_size(p.x0 - 1, l.speed_bar_top, p.width, l.speed_bar_height), Visibility::Visible, true},
        {ChildKind::Bars, "BarsWnd", kBarsId, {}, Rect::from_size(l.bar_left, l.bar_top, l.bar_width, l.bar_height),
         below_zero, false},
        {ChildKind::BarQ, "BarQWnd", kBarQId, {},
         Rect::from_size(l.bar_left, l.bar_top, l.half_bar_width, l.bar_height), zero_and_above, false},
        {ChildKind::BarI, "BarIWnd", kBarIId, {},
         Rect::from_size(l.bar_left + l.half_bar_width + m.x(2), l.bar_top, l.half_bar_width, l.bar_height),
         zero_and_above, false},
    };
    const auto monitor = monitor_row_labels(build);
    for (int i = 0; i < kLoggingButtonCount; ++i) {
        children.push_back({ChildKind::MonitorButton, kButtonClassName, kFirstLoggingButtonId + i,
                            monitor[static_cast<std::size_t>(i)], logging_button_rect(m, l, i), Visibility::Visible,
                            false});
    }
    for (int i = 0; i < kLoggingButtonCount; ++i) {
        children.push_back({ChildKind::StandByButton, kButtonClassName, kFirstLoggingButtonId + i,
                            kStandByRowLabels[static_cast<std::size_t>(i)], logging_button_rect(m, l, i),
                            Visibility::Hidden, false});
    }
    children.push_back({ChildKind::PauseButton, kButtonClassName, kFirstLoggingButtonId, kPauseLabel,
                        pause_button_rect(l), Visibility::Hidden, false});
    return children;
}

}  // namespace zel
