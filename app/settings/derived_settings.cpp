#include "app/settings/derived_settings.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace zel {
namespace {

// Truncation toward zero that stays defined for any value a settings file can hold.
int truncate_to_int(double value) {
    if (std::isnan(value)) return 0;
    if (value >= static_cast<double>(std::numeric_limits<int>::max())) return std::numeric_limits<int>::max();
    if (value <= static_cast<double>(std::numeric_limits<int>::min())) return std::numeric_limits<int>::min();
    return static_cast<int>(value);
}

int saturate(std::int64_t value) {
    if (value > std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
    if (value < std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
    return static_cast<int>(value);
}

double increment_of_mode(const Settings& s, int survey_mode) {
    if (survey_mode < 0 || survey_mode >= static_cast<int>(s.station_increment.size())) return s.station_increment[0];
    return s.station_increment[static_cast<std::size_t>(survey_mode)];
}

}  // namespace

ChannelGroupScale channel_group_scale(float minimum, float maximum, const LayoutSizes& layout) {
    float span = maximum - minimum;
    return {static_cast<float>(layout.profile_height) / span, static_cast<float>(layout.bar_height) / span};
}

DerivedSettings derive_settings(const Settings& s, const LayoutSizes& layout) {
    DerivedSettings d;
    d.group1 = channel_group_scale(s.profile_min, s.profile_max, layout);
    d.group2 = channel_group_scale(s.profile2_min, s.profile2_max, layout);
    d.min_fix_interval_ms = saturate(910 - 500 * static_cast<std::int64_t>(s.max_gps_display));
    d.speed_bar_scale = static_cast<float>(layout.profile_width) / (s.speed_max - s.speed_min);
    d.working_survey_mode = s.survey_mode;
    d.reading_interval_ms = truncate_to_int(s.reading_interval * 1000.0f);
    d.current_station = s.start_station;
    d.station_increment = increment_of_mode(s, s.survey_mode);

    std::int64_t size = s.map_symbol_size[0];
    d.current_symbol_box = size > 4 ? 19 : saturate(2 * size + 7);
    d.current_symbol_half = size > 4 ? 9 : saturate(size + 3);

    // The sum in single precision, the products in double precision.
    float percent = static_cast<float>(s.map_scroll_margin) * 5.0f + 10.0f;
    d.map_scroll_margin = truncate_to_int(static_cast<double>(percent) * 0.01 * static_cast<double>(layout.profile_width));
    d.map_scroll_step = saturate(static_cast<std::int64_t>(d.map_scroll_margin) + 20);
    return d;
}

}  // namespace zel
