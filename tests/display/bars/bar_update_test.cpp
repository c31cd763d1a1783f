#include "display/bars/bar_update.h"

#include <gtest/gtest.h>

namespace zel {
namespace {

using platform::Rect;
using K = BarPaintKind;
using Z = ZeroPosition;
using Paints = std::vector<BarPaint>;

constexpr int kX = 3;
constexpr int kBw = 10;
constexpr int kBh = 80;

struct ChangeCase {
    const char* name;
    Z zero;
    int previous, value;
    Paints expected;
};

TEST(BarUpdate, LeastRepaintingByZeroPosition) {
    const ChangeCase cases[] = {
        // Bars standing on the bottom edge: grow by a fill, shrink by an erase.
        {"stand, grow", Z::AboveRange, 80, 30, {{K::Fill, {3, 30, 13, 80}}}},
        {"stand, shrink", Z::AboveRange, 30, 50, {{K::Erase, {2, 30, 14, 50}}}},
        {"stand, unchanged", Z::AboveRange, 30, 30, {}},
        // Bars hanging from the top edge.
        {"hang, grow", Z::BelowRange, 0, 20, {{K::Fill, {3, 0, 13, 20}}}},
        {"hang, shrink", Z::BelowRange, 20, 10, {{K::Erase, {2, 10, 14, 20}}}},
        // Zero line at row 40.
        {"below, grow", Z::Inside, 50, 60, {{K::Fill, {3, 50, 13, 60}}}},
        {"below, shrink", Z::Inside, 60, 50, {{K::Erase, {2, 50, 14, 60}}}},
        {"above, grow", Z::Inside, 30, 20, {{K::Fill, {3, 20, 13, 30}}}},
        {"above, shrink", Z::Inside, 20, 30, {{K::Erase, {2, 20, 14, 30}}}},
        {"from zero up", Z::Inside, 40, 25, {{K::Erase, {2, 40, 14, 80}}, {K::Fill, {3, 25, 13, 40}}}},
        // Crossing up: the lower part is erased down to the bottom edge, then the upper bar drawn.
        {"cross up", Z::Inside, 60, 20, {{K::Erase, {2, 40, 14, 80}}, {K::Fill, {3, 20, 13, 40}}}},
        {"cross down", Z::Inside, 20, 60, {{K::Erase, {2, 20, 14, 40}}, {K::Fill, {3, 40, 13, 60}}}},
        // Off the window: drawn as far as the rows go, clipping is the painter's.
        {"above the window", Z::AboveRange, 80, -15, {{K::Fill, {3, -15, 13, 80}}}},
    };
    for (const ChangeCase& c : cases) {
        SCOPED_TRACE(c.name);
        const BarScale scale{kBh, c.zero, 40};
        EXPECT_EQ(bar_change(scale, kX, kBw, c.previous, c.value), c.expected);
    }
}

TEST(BarUpdate, BaseLinesAndStoredTops) {
    EXPECT_EQ(bar_base_line({kBh, Z::BelowRange, 40}), 0);
    EXPECT_EQ(bar_base_line({kBh, Z::AboveRange, 40}), kBh);
    EXPECT_EQ(bar_base_line({kBh, Z::Inside, 40}), 40);
    EXPECT_EQ(stored_bar_top(-15, kBh), 0);
    EXPECT_EQ(stored_bar_top(95, kBh), kBh);
    EXPECT_EQ(stored_bar_top(33, kBh), 33);

    const GridTable grid = compute_grid(kBh, -25, 25, 80.0f / 50.0f);
    const BarScale s = bar_scale(grid, kBh);
    EXPECT_EQ(s.zero, Z::Inside);
    EXPECT_EQ(s.zero_row, 40);
}

const BarSlots kTwoBars{{3, 17}, 10};

TEST(BarUpdate, FirstReadingAfterRebuildClearsTheWindowAndStartsFromTheBase) {
    const BarScale scale{kBh, Z::AboveRange, 0};
    LevelBars bars;
    EXPECT_TRUE(bars.repaint(kTwoBars, scale, 2).empty());

    const int first[] = {30, 95};
    const LevelBars::Update u = bars.update(first, kTwoBars, scale, 32);
    EXPECT_TRUE(u.clear_window);
    EXPECT_EQ(u.clear_rect, (Rect{1, 1, 31, kBh}));
    ASSERT_EQ(u.paints.size(), 2u);
    EXPECT_EQ(u.paints[0], (std::pair<int, BarPaint>{0, {K::Fill, {3, 30, 13, 80}}}));
    // A value below the window only erases below the bottom edge, which clipping leaves alone.
    EXPECT_EQ(u.paints[1], (std::pair<int, BarPaint>{1, {K::Erase, {16, 80, 28, 95}}}));

    const int second[] = {20, 50};
    const LevelBars::Update again = bars.update(second, kTwoBars, scale, 32);
    EXPECT_FALSE(again.clear_window);
    ASSERT_EQ(again.paints.size(), 2u);
    EXPECT_EQ(again.paints[0].second, (BarPaint{K::Fill, {3, 20, 13, 30}}));
    // Channel 1's previous row is the unclamped 95, its stored top the clamped 80.
    EXPECT_EQ(again.paints[1].second, (BarPaint{K::Fill, {17, 50, 27, 95}}));

    using Fills = std::vector<std::pair<int, Rect>>;
    EXPECT_EQ(bars.repaint(kTwoBars, scale, 2), (Fills{{0, {3, 20, 13, 80}}, {1, {17, 50, 27, 80}}}));
    EXPECT_EQ(bars.repaint(kTwoBars, scale, 1), (Fills{{0, {3, 20, 13, 80}}}));

    // After a rebuild the repaint draws only the grid, and the next reading clears again.
    bars.mark_not_drawn();
    EXPECT_TRUE(bars.repaint(kTwoBars, scale, 2).empty());
    const LevelBars::Update after = bars.update(second, kTwoBars, scale, 32);
    EXPECT_TRUE(after.clear_window);
    EXPECT_EQ(after.paints[0].second, (BarPaint{K::Fill, {3, 20, 13, 80}}));
}

TEST(BarUpdate, PerChannelBarsClearOnEachChannelsFirstReading) {
    const BarSlots four{{2, 9, 16, 23}, 5};
    const BarScale scale{kBh, Z::AboveRange, 0};
    LevelBars bars(DrawnFlag::PerChannel);
    EXPECT_TRUE(bars.update_channel(2, 40, four, scale, 32).clear_window);
    EXPECT_FALSE(bars.update_channel(2, 30, four, scale, 32).clear_window);
    EXPECT_TRUE(bars.update_channel(0, 60, four, scale, 32).clear_window);
    using Fills = std::vector<std::pair<int, Rect>>;
    EXPECT_EQ(bars.repaint(four, scale, 4), (Fills{{0, {2, 60, 7, 80}}, {2, {16, 30, 21, 80}}}));
    EXPECT_TRUE(bars.update_channel(6, 10, four, scale, 32).paints.empty());
}

TEST(BarUpdate, SpeedBar) {
    const float factor = 215.0f / kDefaultSpeedMaximum;  // 21.5
    struct Case {
        float speed;
        int empty;
        Rect white;
    };
    const Case cases[] = {
        {10.0f, 0, {}},                 // exactly the maximum: all blue
        {0.0f, 215, {0, 0, 215, 5}},    // standing still: all white
        {4.0f, 129, {86, 0, 215, 5}},   // 6 x 21.5
        {12.0f, -43, {}},               // above the maximum: all blue
        {-1.0f, 236, {0, 0, 215, 5}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.speed);
        const int e = speed_bar_empty_length(c.speed, kDefaultSpeedMaximum, factor);
        EXPECT_EQ(e, c.empty);
        const SpeedBarPaint p = speed_bar_paint(215, 5, e);
        EXPECT_EQ(p.blue, (Rect{0, 0, 215, 5}));
        EXPECT_EQ(p.white, c.white);
    }
}

}  // namespace
}  // namespace zel
