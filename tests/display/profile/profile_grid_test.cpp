#include "display/profile/profile_grid.h"

#include <gtest/gtest.h>

#include <sstream>

namespace zel {
namespace {

using Lines = std::vector<int>;

struct GridCase {
    const char* name;
    int height;
    float minimum, maximum;
    ZeroPosition zero;
    Lines lines;  // entries 1 to p[0]
};

std::string describe(const GridTable& g) {
    std::ostringstream out;
    for (int v : g.p) out << v << ' ';
    return out.str();
}

TEST(ProfileGrid, TablesOfTheScales) {
    using Z = ZeroPosition;
    const GridCase cases[] = {
        // Zero not strictly inside: four evenly placed lines, trunc(215 - f x 216).
        {"0..500 on 215", 215, 0, 500, Z::AboveRange, {171, 128, 85, 42}},
        {"-500..0 on 215", 215, -500, 0, Z::BelowRange, {171, 128, 85, 42}},
        {"30000..80000 on 80", 80, 30000, 80000, Z::AboveRange, {63, 47, 31, 15}},
        // Zero line at trunc(25 x 4.3) = 107 in the lower half; r = 107/108 rounds to 1, D = 25/4.
        {"-25..25 on 215", 215, -25, 25, Z::Inside, {107, 80, 53, 26, 134, 161, 188}},
        // Zero line in the upper half (96 < 100): r = 104/96 rounds to 1, D = 24/4.
        {"-26..24 on 200", 200, -26, 24, Z::Inside, {96, 72, 48, 24, 120, 144, 168, 192}},
        // r = 160/40 = 4: D = 100/4; the first positive line is row 0 and is dropped.
        {"-100..25 on 200", 200, -100, 25, Z::Inside, {40, 80, 120, 160}},
        // r = 194/21 rounds to 9 > 4: D = 450/5.
        {"-450..50 on 215", 215, -450, 50, Z::Inside, {21, 60, 98, 137, 176}},
        // Ten entries at most: the negative side stops at the table's end.
        {"-35..25 on 240", 240, -35, 25, Z::Inside, {100, 75, 50, 25, 125, 150, 175, 200, 225}},
        // Zero on the top row: the short side has no pixels, so the ratio is taken as large and
        // the lines step by a fifth of the long side.
        {"-214.75..0.25 on 215", 215, -214.75f, 0.25f, Z::Inside, {0, 43, 86, 129, 172}},
        // A one-row window rounds the ratio to 0: the even lines, zero still inside.
        {"-1..1 on 1", 1, -1, 1, Z::Inside, {0, 0, 0, 0}},
    };
    for (const GridCase& c : cases) {
        SCOPED_TRACE(c.name);
        const float factor = static_cast<float>(c.height) / (c.maximum - c.minimum);
        const GridTable g = compute_grid(c.height, c.minimum, c.maximum, factor);
        EXPECT_EQ(g.zero, c.zero);
        const auto lines = g.lines();
        EXPECT_EQ(Lines(lines.begin(), lines.end()), c.lines) << describe(g);
    }
}

TEST(ProfileGrid, DegenerateFactorsStillGiveATable) {
    // Limits equal or reversed make infinite or negative factors; the table stays within bounds.
    const float inf = std::numeric_limits<float>::infinity();
    for (float factor : {inf, -inf, std::numeric_limits<float>::quiet_NaN(), 0.0f, -4.3f}) {
        SCOPED_TRACE(factor);
        const GridTable g = compute_grid(215, -25, 25, factor);
        EXPECT_GE(g.p[0], 1);
        EXPECT_LE(g.p[0], 9);
    }
}

// Widths of 6 pixels a character, 7 in bold.
int fixed_width(LabelFont font, std::string_view text) {
    return (font == LabelFont::Bold ? 7 : 6) * static_cast<int>(text.size());
}

TEST(ProfileGrid, AxisLabelsBelowZeroTypes) {
    const AxisLabelInput in{.profile_width = 215, .profile_height = 215, .text_height = 13, .group1_min = 0,
                            .group1_max = 2000};
    const std::vector<AxisLabel> expected{{"0", {206, 201}, LabelFont::System}, {"2000", {188, 0}, LabelFont::System}};
    EXPECT_EQ(axis_labels(kGrad601Build, in, fixed_width), expected);

    // A label wider than PW - 178 still starts at x 175.
    const AxisLabelInput wide{.profile_width = 215, .profile_height = 215, .text_height = 13, .group1_min = -123456,
                              .group1_max = 9999999};
    const auto labels = axis_labels(kGrad601Build, wide, fixed_width);
    ASSERT_EQ(labels.size(), 2u);
    EXPECT_EQ(labels[0].at, (platform::Point{175, 201}));
    EXPECT_EQ(labels[1].at, (platform::Point{175, 0}));
}

TEST(ProfileGrid, AxisLabelsOfTheEmFamilyByModeAndShownGroup) {
    using LF = LabelFont;
    AxisLabelInput in{.profile_width = 215, .profile_height = 215, .text_height = 13, .group1_min = 0,
                      .group1_max = 500, .group2_min = -25, .group2_max = 25};
    const BuildConfig em31{.type = InstrumentType::Em31};

    // Both groups: the second pair stacked inside the first, at PH - 2(h + 1) and h + 2.
    EXPECT_EQ(axis_labels(em31, in, fixed_width),
              (std::vector<AxisLabel>{{"0", {205, 201}, LF::Bold},
                                      {"500", {191, 0}, LF::Bold},
                                      {"-25", {194, 187}, LF::Normal},
                                      {"25", {200, 15}, LF::Normal}}));

    in.em_mode = 1;  // second group only, bold when shown, at the edges
    in.shown_group = 1;
    EXPECT_EQ(axis_labels(em31, in, fixed_width),
              (std::vector<AxisLabel>{{"-25", {191, 201}, LF::Bold}, {"25", {198, 0}, LF::Bold}}));

    in.em_mode = 2;  // first group only
    in.group1_max = 10;
    EXPECT_EQ(axis_labels(BuildConfig{.type = InstrumentType::Ice31}, in, fixed_width),
              (std::vector<AxisLabel>{{"0.0", {194, 201}, LF::Normal}, {"10.0", {188, 0}, LF::Normal}}));
}

}  // namespace
}  // namespace zel
