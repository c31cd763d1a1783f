#include "display/layout/bar_slots.h"

#include "app/catalogue/catalogue.h"

#include <gtest/gtest.h>

namespace zel {
namespace {

using T = InstrumentType;
using Offsets = std::array<int, kBarSlotCount>;

const BuildConfig kF3Build{.type = T::Em61Mk2, .em61_f3 = true};
const BuildConfig kBluBuild{.type = T::Em61Mk2, .em61mk2_variant = 3};

TEST(BarSlots, CreationTablePerType) {
    struct Case {
        BuildConfig build;
        int em61mk2_type;
        Offsets offsets;
        int width;
    };
    const Case cases[] = {
        {{.type = T::Ferex}, 0, {2, 9, 16, 23}, 5},
        {{.type = T::Grad601}, 0, {3, 17}, 10},
        {{.type = T::G823}, 0, {3, 17}, 10},
        {{.type = T::Em61}, 0, {3, 17}, 10},
        {{.type = T::Em61Mk2}, 0, {2, 9, 16, 23}, 5},
        // "MineLab F3" only counts in the EM61/F3 build.
        {{.type = T::Em61Mk2}, kEm61Mk2TypeMineLabF3, {2, 9, 16, 23}, 5},
        {kF3Build, kEm61Mk2TypeMineLabF3, {3, 17}, 10},
        {kF3Build, 0, {2, 9, 16, 23}, 5},
        {{.type = T::Em31}, 0, {1, 7}, 5},
        {{.type = T::Ice31}, 0, {1, 7}, 5},
        {{.type = T::Em38Mk2}, 0, {1, 4, 7, 10}, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("type " + std::to_string(type_number(c.build.type)) + " f3 " + std::to_string(c.build.em61_f3));
        const BarSlots slots = bar_slots_at_creation(c.build, c.em61mk2_type, 1.0);
        EXPECT_EQ(slots.offsets, c.offsets);
        EXPECT_EQ(slots.width, c.width);
    }
}

TEST(BarSlots, EveryOffsetAndTheWidthAreScaledAndTruncated) {
    const BarSlots ferex = bar_slots_at_creation({.type = T::Ferex}, 0, 2.5);
    EXPECT_EQ(ferex.offsets, (Offsets{5, 22, 40, 57}));
    EXPECT_EQ(ferex.width, 12);
    const BarSlots g823 = bar_slots_at_run_start({}, {.type = T::G823}, 0, 6, 1.5);
    EXPECT_EQ(g823.offsets, (Offsets{1, 9, 15, 22, 30, 37}));
    EXPECT_EQ(g823.width, 4);
}

TEST(BarSlots, RunStartRebuildsBySensorsAndVariant) {
    const BarSlots untouched{{7, 7, 7, 7, 7, 7}, 7};
    struct Case {
        BuildConfig build;
        int em61mk2_type;
        int sensors;
        Offsets offsets;
        int width;
        int channels;
    };
    const Case cases[] = {
        {kF3Build, kEm61Mk2TypeMineLabF3, 0, {3, 17}, 10, 2},
        {kBluBuild, 0, 0, {2, 12, 20}, 8, 3},
        {{.type = T::Em61Mk2}, 2, 0, {2, 9, 16, 23}, 5, 4},
        {{.type = T::Grad601}, 0, 1, {2}, 25, 1},
        {{.type = T::Grad601}, 0, 2, {2, 16}, 12, 2},
        {{.type = T::G823}, 0, 1, {2}, 25, 1},
        {{.type = T::G823}, 0, 2, {2, 16}, 12, 2},
        {{.type = T::G823}, 0, 3, {2, 11, 20}, 7, 3},
        {{.type = T::G823}, 0, 4, {2, 9, 16, 23}, 5, 4},
        {{.type = T::G823}, 0, 5, {1, 7, 12, 18, 24}, 4, 5},
        {{.type = T::G823}, 0, 6, {1, 6, 10, 15, 20, 25}, 3, 6},
        // A sensor count no table row knows keeps the table and draws no channel.
        {{.type = T::G823}, 0, 7, untouched.offsets, 7, 0},
        {{.type = T::G823}, 0, 0, untouched.offsets, 7, 0},
        // Other builds keep their creation table.
        {{.type = T::Ferex}, 0, 2, untouched.offsets, 7, 4},
        {{.type = T::Em61}, 0, 2, untouched.offsets, 7, 2},
        {{.type = T::Em38Mk2}, 0, 2, untouched.offsets, 7, 4},
        {{.type = T::Em38}, 0, 2, untouched.offsets, 7, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("type " + std::to_string(type_number(c.build.type)) + " sensors " + std::to_string(c.sensors));
        const BarSlots slots = bar_slots_at_run_start(untouched, c.build, c.em61mk2_type, c.sensors, 1.0);
        EXPECT_EQ(slots.offsets, c.offsets);
        EXPECT_EQ(slots.width, c.width);
        EXPECT_EQ(channels_in_use(c.build, c.em61mk2_type, c.sensors), c.channels);
    }
}

}  // namespace
}  // namespace zel
