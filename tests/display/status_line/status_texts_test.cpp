#include "display/status_line/status_texts.h"

#include <gtest/gtest.h>

namespace zel {
namespace {

TEST(StatusTexts, RunStateByOrientation) {
    struct Case {
        RunState state;
        std::string_view landscape, portrait;
    };
    const Case cases[] = {
        {RunState::StandBy, "Stand By", "StB"},
        {RunState::Logging, "Logging", "Log"},
        {RunState::Monitor, "Monitor", "Mon"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(run_state_text(c.state, Orientation::Landscape), c.landscape);
        EXPECT_EQ(run_state_text(c.state, Orientation::Portrait), c.portrait);
    }
}

TEST(StatusTexts, FixedFormats) {
    struct Case {
        std::string actual, expected;
    };
    const Case cases[] = {
        {battery_percent_text(100), "100%"},
        {battery_percent_text(7), "  7%"},
        {instrument_battery_text(12.3456f), "B:12.35V"},
        {instrument_battery_text(9.5f), "B: 9.50V"},
        {file_name_text("LINE0001.601"), "F:LINE0001"},
        {file_name_text("A.601"), "F:A.601"},
        {station_text(12.5), "12.50      "},
        {station_text(-3.0), "-3.00      "},
        {gps_count_text(42), "    42"},
        {dop_text(1.25f), "P:1.2"},
        {dop_text(9.94f), "P:9.9"},
        {dop_text(10.0f), "P: 10"},
        {dop_text(99.6f), "P:100"},
        {satellites_text(7), "Sat:  7"},
        {zone_text(33), "Z33"},
        {zone_text(5), "Z5 "},
        {speed_maximum_text(10.0f), "10.00"},
        {map_scale_text(10, UnitSystem::Metric, Orientation::Landscape), "Sc:   10 m"},
        {map_scale_text(250, UnitSystem::Feet, Orientation::Landscape), "Sc:  250 ft"},
        {map_scale_text(10, UnitSystem::Metric, Orientation::Portrait), "S:   10m"},
        {map_scale_text(99999, UnitSystem::Feet, Orientation::Portrait), "S:99999ft"},
    };
    for (const Case& c : cases) EXPECT_EQ(c.actual, c.expected);
    EXPECT_EQ(survey_mode_letter(0), "A");
    EXPECT_EQ(survey_mode_letter(1), "W");
    EXPECT_EQ(survey_mode_letter(2), "M");
    EXPECT_EQ(survey_mode_letter(3), "");
}

TEST(StatusTexts, SpeedInEachUnit) {
    struct Case {
        UnitSystem units;
        int speed_unit;
        float speed;
        std::string_view expected;
    };
    const Case cases[] = {
        {UnitSystem::Metric, 0, 1.5f, "Speed: 1.50 m/s"},
        {UnitSystem::Metric, 1, 1.0f, "Speed: 3.28 ft/s"},
        {UnitSystem::Metric, 2, 2.5f, "Speed: 9.00 km/h"},
        {UnitSystem::Metric, 3, 10.0f, "Speed:22.37 mph"},
        {UnitSystem::Feet, 0, 10.0f, "Speed: 3.05 m/s"},
        {UnitSystem::Feet, 1, 4.0f, "Speed: 4.00 ft/s"},
        {UnitSystem::Feet, 2, 10.0f, "Speed:10.97 km/h"},
        {UnitSystem::Feet, 3, 10.0f, "Speed: 6.82 mph"},
        // A speed unit the settings should not hold shows metres per second, not garbage.
        {UnitSystem::Metric, 9, 1.0f, "Speed: 1.00 m/s"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(speed_text(c.speed, c.units, c.speed_unit), c.expected);
    }
    EXPECT_EQ(unit_system(0), UnitSystem::Metric);
    EXPECT_EQ(unit_system(1), UnitSystem::Feet);
    EXPECT_EQ(unit_system(2), UnitSystem::Feet);
}

TEST(StatusTexts, LabelsPerInstrument) {
    using T = InstrumentType;
    using Labels = std::array<std::string_view, 4>;
    EXPECT_EQ(reading_labels(kGrad601Build, 0, false), (Labels{"G1:", "G2:", "", ""}));
    EXPECT_EQ(reading_labels({.type = T::G823}, 0, false), Labels{});
    EXPECT_EQ(reading_labels({.type = T::Ferex}, 0, false), (Labels{"1:", "2:", "3:", "4:"}));
    EXPECT_EQ(reading_labels({.type = T::Em61}, 0, false), (Labels{"T:", "B:", "", ""}));
    EXPECT_EQ(reading_labels({.type = T::Em61Mk2}, 0, false), (Labels{"1:", "2:", "3:", "4:"}));
    EXPECT_EQ(reading_labels({.type = T::Em61Mk2, .em61mk2_variant = 3}, 0, false), (Labels{"1:", "2:", "D:", ""}));
    EXPECT_EQ(reading_labels({.type = T::Em61Mk2, .em61_f3 = true}, 4, false), (Labels{"1:", "2:", "", ""}));
    EXPECT_EQ(reading_labels({.type = T::Em38Dd}, 0, false), (Labels{"V:", "H:", "", ""}));
    EXPECT_EQ(reading_labels({.type = T::Em38}, 0, false), (Labels{"C:", "I:", "", ""}));
    EXPECT_EQ(reading_labels({.type = T::Em38Mk2}, 0, true), (Labels{"C:", "I:", "c:", "i:"}));
    EXPECT_EQ(reading_labels({.type = T::Em38Mk2}, 0, false), (Labels{"C:", "I:", "", ""}));

    EXPECT_EQ(station_label(kGrad601Build, 2), "St :");
    EXPECT_EQ(station_label({.type = T::Em31}, 0), "St:");
    EXPECT_EQ(station_label({.type = T::Em31}, 2), "S   :");
    EXPECT_EQ(station_label({.type = T::Ice31}, 2), "St:");
}

}  // namespace
}  // namespace zel
