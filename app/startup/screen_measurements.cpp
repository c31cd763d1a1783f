#include "app/startup/screen_measurements.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace zel {

int scaled(double k, double s) {
    const double product = std::trunc(k * s);
    if (std::isnan(product)) return 0;
    return static_cast<int>(std::clamp(product, static_cast<double>(std::numeric_limits<int>::min()),
                                       static_cast<double>(std::numeric_limits<int>::max())));
}

Orientation orientation_of(platform::Size client) {
    return client.height >= client.width ? Orientation::Portrait : Orientation::Landscape;
}

ScreenClass screen_class_of(platform::Size client) {
    const int larger = std::max(client.width, client.height);
    if (larger <= 399) return ScreenClass::QuarterVga;
    if (larger <= 700) return ScreenClass::Vga;
    return ScreenClass::Larger;
}

ScreenMeasurements measure_screen(platform::Size client) {
    ScreenMeasurements m;
    m.orientation = orientation_of(client);
    m.screen_class = screen_class_of(client);
    if (m.quarter_vga()) {
        m.working = m.portrait() ? platform::Size{240, 320} : platform::Size{320, 240};
        return m;
    }
    m.working = {client.width, client.height + 36};
    m.sf = 2.0;
    const double base_width = m.portrait() ? 240.0 : 320.0;
    const double base_height = m.portrait() ? 320.0 : 240.0;
    m.sx = m.working.width / base_width;
    m.sy = m.working.height / base_height;
    return m;
}

FontHeights font_heights(const ScreenMeasurements& m) {
    return {m.f(13), m.f(13), m.f(12)};
}

int level_bar_width(const ScreenMeasurements& m) { return m.x(32); }

int level_bar_half_width(const ScreenMeasurements& m) { return (level_bar_width(m) - 2) / 2; }

}  // namespace zel
