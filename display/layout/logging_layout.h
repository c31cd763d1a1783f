#pragma once

// The logging window's layout: the profile area and every position and size its children and
// the status line are placed by. Computed once from the screen measurements; the windows are
// never laid out again.

#include "app/settings/derived_settings.h"
#include "app/startup/screen_measurements.h"

namespace zel {

// The profile window's drawing area; the window itself sits one pixel up and left of (x0, y0).
struct ProfileArea {
    int x0 = 0;
    int y0 = 0;
    int width = 0;   // PW
    int height = 0;  // PH, equal to PW
};
ProfileArea profile_area(const ScreenMeasurements& m);

struct LoggingLayout {
    ProfileArea profile;
    int speed_bar_top = 0;  // SBY
    int speed_bar_height = 0;
    int bar_left = 0;       // BX
    int bar_width = 0;      // BW
    int bar_top = 0;        // BY
    int bar_height = 0;     // BH
    int half_bar_width = 0;  // HBW: each of the Q and I bar windows
    int button_width = 0;   // BTW
    int button_height = 0;  // BTH
    int button_left = 0;    // BTX of the first button
    int button_top = 0;     // BTY of the first button
    int pause_width = 0;
    int pause_height = 0;
    int sample_x = 0;       // the profile column where the newest reading is drawn
};
LoggingLayout logging_layout(const ScreenMeasurements& m);

// The sizes the settings' derived values (channel and speed-bar factors, map margins) need.
LayoutSizes layout_sizes(const LoggingLayout& layout);

}  // namespace zel
