#include "app/settings/derived_settings.h"

#include <gtest/gtest.h>

namespace zel {
namespace {

TEST(DerivedSettings, Grad601DefaultsOnTheStartScreenLayout) {
    DerivedSettings d = derive_settings(default_settings(kGrad601Build), LayoutSizes{});
    EXPECT_EQ(d.group1.profile_factor, 231.0f / 2000.0f);
    EXPECT_EQ(d.group1.bar_factor, 80.0f / 2000.0f);
    EXPECT_EQ(d.min_fix_interval_ms, 910);
    EXPECT_EQ(d.speed_bar_scale, 231.0f / 10.0f);
    EXPECT_EQ(d.working_survey_mode, 0);
    EXPECT_EQ(d.reading_interval_ms, 200);
    EXPECT_EQ(d.current_station, 0.0);
    EXPECT_EQ(d.station_increment, 1.0);
    EXPECT_EQ(d.current_symbol_box, 19);
    EXPECT_EQ(d.current_symbol_half, 9);
    EXPECT_EQ(d.map_scroll_margin, 34);  // 15 % of 231
    EXPECT_EQ(d.map_scroll_step, 54);
}

TEST(DerivedSettings, FollowTheSettingsTheyComeFrom) {
    struct Case {
        const char* name;
        void (*change)(Settings&);
        LayoutSizes layout;
        bool (*holds)(const DerivedSettings&);
    };
    const LayoutSizes landscape{.profile_width = 215, .profile_height = 215, .bar_height = 60};
    const Case cases[] = {
        {"2 Hz fixes", [](Settings& s) { s.max_gps_display = 1; }, {},
         [](const DerivedSettings& d) { return d.min_fix_interval_ms == 410; }},
        {"reading interval in single precision", [](Settings& s) { s.reading_interval = 0.7f; }, {},
         [](const DerivedSettings& d) { return d.reading_interval_ms == 700; }},  // 699 in double
        {"reading interval 0.9", [](Settings& s) { s.reading_interval = 0.9f; }, {},
         [](const DerivedSettings& d) { return d.reading_interval_ms == 900; }},
        {"BLU reading interval", [](Settings& s) { s.reading_interval = 0.1f; }, {},
         [](const DerivedSettings& d) { return d.reading_interval_ms == 100; }},
        {"reading interval beyond an int", [](Settings& s) { s.reading_interval = 1e30f; }, {},
         [](const DerivedSettings& d) { return d.reading_interval_ms == 2147483647; }},
        {"Wheel mode", [](Settings& s) { s.survey_mode = 1; s.start_station = 12.5; }, {},
         [](const DerivedSettings& d) {
             return d.working_survey_mode == 1 && d.station_increment == 0.2 && d.current_station == 12.5;
         }},
        {"Manual mode", [](Settings& s) { s.survey_mode = 2; }, {},
         [](const DerivedSettings& d) { return d.station_increment == 2.0; }},
        {"scroll margin of the example", [](Settings&) {}, landscape,
         [](const DerivedSettings& d) { return d.map_scroll_margin == 32 && d.map_scroll_step == 52; }},
        {"scroll margin 0", [](Settings& s) { s.map_scroll_margin = 0; }, landscape,
         [](const DerivedSettings& d) { return d.map_scroll_margin == 21 && d.map_scroll_step == 41; }},
        {"G823 profile", [](Settings& s) { s.profile_min = 30000; s.profile_max = 80000; }, landscape,
         [](const DerivedSettings& d) {
             return d.group1.profile_factor == 215.0f / 50000.0f && d.group1.bar_factor == 60.0f / 50000.0f;
         }},
        {"second group", [](Settings& s) { s.profile2_min = 0; s.profile2_max = 20; }, landscape,
         [](const DerivedSettings& d) { return d.group2.profile_factor == 10.75f && d.group2.bar_factor == 3.0f; }},
        {"speed in km/h", [](Settings& s) { s.speed_max = 40; }, landscape,
         [](const DerivedSettings& d) { return d.speed_bar_scale == 5.375f; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Settings s = default_settings(kGrad601Build);
        c.change(s);
        EXPECT_TRUE(c.holds(derive_settings(s, c.layout)));
    }
}

TEST(DerivedSettings, CurrentPositionSymbolGrowsWithItsSize) {
    const int box[] = {7, 9, 11, 13, 15, 19};
    const int half[] = {3, 4, 5, 6, 7, 9};
    Settings s;
    for (int size = 0; size <= 5; ++size) {
        SCOPED_TRACE(size);
        s.map_symbol_size[0] = size;
        DerivedSettings d = derive_settings(s, {});
        EXPECT_EQ(d.current_symbol_box, box[size]);
        EXPECT_EQ(d.current_symbol_half, half[size]);
    }
}

}  // namespace
}  // namespace zel
