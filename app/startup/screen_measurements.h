#pragma once

// What the program measures of its screen when the main window is created: orientation, size
// class, working size and the scale factors every layout multiplies its base pixels by.

#include "app/catalogue/screen_kind.h"
#include "platform/gfx/geometry.h"

namespace zel {

// [k x s]: the double product truncated toward zero by itself, before it is added to anything.
// Layouts depend on this rounding pixel for pixel.
int scaled(double k, double s);

struct ScreenMeasurements {
    Orientation orientation = Orientation::Portrait;
    ScreenClass screen_class = ScreenClass::QuarterVga;
    platform::Size working;  // W x H: the size the main window and the logging window take
    double sx = 1.0;
    double sy = 1.0;
    double sf = 1.0;

    int width() const { return working.width; }
    int height() const { return working.height; }
    int x(double k) const { return scaled(k, sx); }
    int y(double k) const { return scaled(k, sy); }
    int f(double k) const { return scaled(k, sf); }
    bool portrait() const { return orientation == Orientation::Portrait; }
    bool quarter_vga() const { return screen_class == ScreenClass::QuarterVga; }
};

Orientation orientation_of(platform::Size client);
ScreenClass screen_class_of(platform::Size client);
// On quarter-VGA the working size is fixed; larger screens gain the 36 rows that the shell's
// bars would take, which the program hides.
ScreenMeasurements measure_screen(platform::Size client);

struct FontHeights {
    int normal = 13;
    int bold = 13;
    int small_bold = 12;
};
FontHeights font_heights(const ScreenMeasurements& m);

// The level bar window's width and the half width used at start-up.
int level_bar_width(const ScreenMeasurements& m);
int level_bar_half_width(const ScreenMeasurements& m);

}  // namespace zel
