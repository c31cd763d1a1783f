#pragma once

// Values that follow from the loaded settings and the screen layout. They are not persisted:
// the start-up computes them once the settings are loaded, and again whenever the layout or a
// setting they follow from changes.

#include "app/settings/settings.h"

namespace zel {

// The pixel sizes that the logging window's layout gives. The defaults are those of the
// 240x320 portrait screen the program starts on when told nothing else.
struct LayoutSizes {
    int profile_width = 231;
    int profile_height = 231;
    int bar_height = 80;
};

// Pixels per unit of a channel group, in the profile window and in the level bars.
struct ChannelGroupScale {
    float profile_factor = 0.0f;
    float bar_factor = 0.0f;

    bool operator==(const ChannelGroupScale&) const = default;
};

struct DerivedSettings {
    ChannelGroupScale group1;
    ChannelGroupScale group2;
    int min_fix_interval_ms = 910;
    float speed_bar_scale = 0.0f;  // pixels per speed unit
    int working_survey_mode = 0;   // the survey mode that a logging run uses and changes
    int reading_interval_ms = 200;
    double current_station = 0.0;
    double station_increment = 1.0;  // the one of the survey mode
    int current_symbol_box = 19;     // pixels
    int current_symbol_half = 9;
    int map_scroll_margin = 0;       // pixels
    int map_scroll_step = 0;

    bool operator==(const DerivedSettings&) const = default;
};

ChannelGroupScale channel_group_scale(float minimum, float maximum, const LayoutSizes& layout);

DerivedSettings derive_settings(const Settings& settings, const LayoutSizes& layout);

}  // namespace zel
