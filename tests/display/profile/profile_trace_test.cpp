#include "display/profile/profile_trace.h"

#include "app/catalogue/catalogue.h"

#include <gtest/gtest.h>

namespace zel {
namespace {

using platform::Point;
using platform::Rect;
using Shown = std::array<bool, kProfileChannels>;
constexpr Shown kAllShown{true, true, true, true, true, true, true, true};

TEST(ProfileTrace, ScrollStepMovesTwoPixelsAndClearsThreeColumns) {
    const ScrollStep s = scroll_step(kQuarterVgaSampleX, 215);
    EXPECT_EQ(s.source, (Rect{2, 0, 168, 215}));
    EXPECT_EQ(s.source.width(), kQuarterVgaSampleX - 1);
    EXPECT_EQ(s.dx, -2);
    EXPECT_EQ(s.erased, (Rect{166, 0, 169, 215}));
    EXPECT_EQ(s.grid_from_x, 166);
    EXPECT_EQ(s.grid_to_x, 168);
}

TEST(ProfileTrace, TracesJoinPreviousRowsUntilAScaleChange) {
    ChannelTraces traces;
    const int x = kQuarterVgaSampleX;
    const int first[] = {50, 60};
    EXPECT_EQ(traces.step(x, first, kAllShown),
              (std::vector<TraceSegment>{{0, {x, 50}, {x, 50}}, {1, {x, 60}, {x, 60}}}));
    const int second[] = {55, 40};
    EXPECT_EQ(traces.step(x, second, kAllShown),
              (std::vector<TraceSegment>{{0, {x - 2, 50}, {x, 55}}, {1, {x - 2, 60}, {x, 40}}}));

    // After a scale change no channel draws a connecting line.
    traces.restart();
    const int third[] = {10, 20};
    EXPECT_EQ(traces.step(x, third, kAllShown),
              (std::vector<TraceSegment>{{0, {x, 10}, {x, 10}}, {1, {x, 20}, {x, 20}}}));
}

TEST(ProfileTrace, OnlyShownChannelsInUseDraw) {
    ChannelTraces traces;
    Shown only_second{};
    only_second[1] = true;
    const int rows[] = {5, 6, 7};
    EXPECT_EQ(traces.step(333, rows, only_second), (std::vector<TraceSegment>{{1, {333, 6}, {333, 6}}}));
    // One GRAD601 sensor: one row in use, so channel 1 draws nothing whatever its flag says.
    const int one[] = {9};
    EXPECT_EQ(traces.step(333, one, kAllShown), (std::vector<TraceSegment>{{0, {333, 9}, {333, 9}}}));
    // More rows than channels are ignored beyond the eighth.
    const int many[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    EXPECT_EQ(traces.step(333, many, kAllShown).size(), 8u);
}

TEST(ProfileTrace, RebuiltTracesPerFamily) {
    using T = InstrumentType;
    using V = std::vector<int>;
    Shown no_one{};
    Shown odd{false, true, false, true, false, true, false, true};
    const BuildConfig f3{.type = T::Em61Mk2, .em61_f3 = true};
    struct Case {
        const char* name;
        BuildConfig build;
        int em61mk2_type, sensors;
        Shown flags;
        V order;
    };
    const Case cases[] = {
        {"grad601 two sensors", kGrad601Build, 0, 2, kAllShown, {1, 0}},
        {"grad601 one sensor", kGrad601Build, 0, 1, kAllShown, {0}},
        {"grad601 bad count", kGrad601Build, 0, 3, kAllShown, {}},
        {"grad601 hidden", kGrad601Build, 0, 2, odd, {1}},
        {"g823 four", {.type = T::G823}, 0, 4, kAllShown, {3, 2, 1, 0}},
        {"g823 seven", {.type = T::G823}, 0, 7, kAllShown, {}},
        {"em61", {.type = T::Em61}, 0, 0, kAllShown, {0, 1}},
        {"em61mk2", {.type = T::Em61Mk2}, 0, 0, kAllShown, {0, 1, 2, 3}},
        {"minelab f3", f3, kEm61Mk2TypeMineLabF3, 0, kAllShown, {0, 1}},
        {"em family drawn flags", {.type = T::Em38Mk2}, 0, 0, odd, {1, 3, 5, 7}},
        {"em family none", {.type = T::Em31}, 0, 0, no_one, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(rebuilt_trace_channels(c.build, c.em61mk2_type, c.sensors, c.flags), c.order);
    }
}

}  // namespace
}  // namespace zel
