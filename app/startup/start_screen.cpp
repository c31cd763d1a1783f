#include "app/startup/start_screen.h"

namespace zel {

using platform::Point;
using platform::Rect;

const std::array<MainButton, kMainButtonCount> kMainButtons{{
    {MainAction::Logging, "&Logging", 'L', 0, 0},
    {MainAction::SurveySetup, "&Survey Setup", 'S', 0, 5},
    {MainAction::SystemSetup, "S&ystem Setup", 'Y', 0, 8},
    {MainAction::LoggerSetup, "L&ogger Setup", 'O', 0, 10},
    {MainAction::GpsPortSetup, "&GPS Port Setup", 'G', 0, 12},
    {MainAction::MonitorGps, "Mo&nitor GPS", 'N', 0, 10},
    {MainAction::MapOptions, "&Map Options", 'M', 0, 8},
    {MainAction::ProfileOptions, "&Profile Options", 'P', 0, 5},
    {MainAction::Exit, "E&xit", 'X', 'E', 0},
}};

Rect main_button_rect(const ScreenMeasurements& m, int index) {
    const int k = kMainButtons[static_cast<std::size_t>(index)].indent;
    if (m.portrait()) {
        return Rect::from_size(m.x(101 + k), m.y(27 * index + 56), m.x(130 - 2 * k), m.y(26));
    }
    return Rect::from_size(m.x(180 + k), m.y(26 * index + 3), m.x(130 - 2 * k), m.y(25));
}

namespace {

std::optional<int> button_of_letter(platform::KeyCode key) {
    // Lower-case codes are accepted as well as the upper-case virtual keys.
    if (key >= 'a' && key <= 'z') key = key - 'a' + 'A';
    for (int i = 0; i < kMainButtonCount; ++i) {
        const MainButton& b = kMainButtons[static_cast<std::size_t>(i)];
        if (key == static_cast<platform::KeyCode>(b.key)) return i;
        if (b.second_key != 0 && key == static_cast<platform::KeyCode>(b.second_key)) return i;
    }
    return std::nullopt;
}

}  // namespace

MainKeyResult main_button_key(platform::KeyCode key, int selected) {
    namespace k = platform::key;
    if (key == k::tab || key == k::right || key == k::down) return {std::nullopt, (selected + 1) % kMainButtonCount};
    if (key == k::left || key == k::up) {
        return {std::nullopt, (selected + kMainButtonCount - 1) % kMainButtonCount};
    }
    if (key == k::enter) return {selected, selected};
    if (auto button = button_of_letter(key)) return {*button, selected};
    return {std::nullopt, selected};
}

StartScreenArcs start_screen_arcs(const ScreenMeasurements& m) {
    static constexpr std::array<int, 9> kBulge{0, 5, 8, 10, 11, 10, 8, 5, 0};
    StartScreenArcs arcs;
    arcs.end_circle_radius = m.quarter_vga() ? 3 : 4;
    for (std::size_t i = 0; i < kBulge.size(); ++i) {
        const int k = kBulge[i];
        const int n = static_cast<int>(i);
        if (m.portrait()) {
            arcs.left[i] = {m.x(96 + k), m.y(27 * n + 68)};
            arcs.right[i] = {m.x(235 - k), m.y(27 * n + 68)};
        } else {
            arcs.left[i] = {m.x(175 + k), m.y(26 * n + 15)};
            arcs.right[i] = {m.x(314 - k), m.y(26 * n + 15)};
        }
    }
    return arcs;
}

StartScreenPlacement start_screen_placement(const ScreenMeasurements& m, const BuildConfig& build) {
    StartScreenPlacement p;
    if (m.portrait()) {
        p.splash = {m.x(1), m.y(70)};
        p.company = {m.x(5), m.y(305)};
        p.logo = {m.x(5), m.y(3)};
        p.version = {m.x(5), m.y(284)};
        if (build.em61_f3) p.model_name = Point{m.x(5), m.y(259)};
    } else {
        p.splash = {m.x(2), m.y(46)};
        p.company = {m.x(2), m.y(222)};
        p.logo = {m.x(2), m.y(3)};
        p.version = {m.x(60), m.y(build.em61_f3 ? 200 : 190)};
        if (build.em61_f3) p.model_name = Point{m.x(60), m.y(182)};
    }
    return p;
}

bool uptime_exceeded(platform::Tick now) { return now > kUptimeLimitMs; }

}  // namespace zel
