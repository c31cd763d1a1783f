#include "display/layout/logging_layout.h"

namespace zel {

ProfileArea profile_area(const ScreenMeasurements& m) {
    ProfileArea p;
    const int shrink = m.quarter_vga() ? 0 : 1;
    if (m.portrait()) {
        p.x0 = m.x(5);
        p.y0 = m.y(13);
        p.width = m.f(231) - shrink;
    } else {
        p.x0 = 4;
        p.y0 = 4;
        p.width = m.f(215) - shrink;
    }
    p.height = p.width;
    return p;
}

namespace {

void place_landscape(const ScreenMeasurements& m, LoggingLayout& l) {
    const ProfileArea& p = l.profile;
    // The speed bar hangs below the profile by PH alone: Y0 does not move it.
    l.speed_bar_top = m.y(17) + p.height;
    l.bar_left = m.x(6) + p.width;
    l.bar_top = m.y(28);
    l.bar_height = m.y(80);
    l.button_width = m.x(60);
    l.button_height = m.y(19);
    l.button_left = m.width() - l.button_width - m.x(2);
    l.button_top = m.y(28);
    l.pause_width = l.button_width;
    l.pause_height = 3 * l.button_height + m.y(4);
}

void place_portrait(const ScreenMeasurements& m, LoggingLayout& l) {
    const ProfileArea& p = l.profile;
    l.speed_bar_top = p.y0 + p.height + m.y(10);
    l.bar_left = p.x0 - 2;
    l.bar_top = l.speed_bar_top + l.speed_bar_height + m.y(1);
    l.button_width = m.x(58) + (m.screen_class == ScreenClass::Larger ? 1 : 0);
    l.button_height = m.y(17);
    l.bar_height = m.height() - m.y(1) - l.bar_top - l.button_height;
    l.button_left = m.x(1);
    l.button_top = m.height() - l.button_height;
    l.pause_width = m.x(237);
    l.pause_height = l.button_height;
}

}  // namespace

LoggingLayout logging_layout(const ScreenMeasurements& m) {
    LoggingLayout l;
    l.profile = profile_area(m);
    l.speed_bar_height = m.y(5);
    l.bar_width = m.x(32);
    if (m.portrait()) {
        place_portrait(m, l);
    } else {
        place_landscape(m, l);
    }
    l.half_bar_width = (l.bar_width - m.x(2)) / 2;
    l.sample_x = m.quarter_vga() ? 167 : 333;
    return l;
}

LayoutSizes layout_sizes(const LoggingLayout& layout) {
    return {layout.profile.width, layout.profile.height, layout.bar_height};
}

}  // namespace zel
