#include "display/profile/profile_resources.h"
#include "display/profile/profile_scale.h"

#include <gtest/gtest.h>

#include <limits>

namespace zel {
namespace {

TEST(ProfileScale, RowsAreTruncatedSinglePrecisionProducts) {
    struct Case {
        float value, maximum, factor;
        int row;
    };
    const float inf = std::numeric_limits<float>::infinity();
    const Case cases[] = {
        {1000, 2000, 215.0f / 2000.0f, 107},  // 107.5
        {0, 2000, 215.0f / 2000.0f, 215},
        {2100, 2000, 215.0f / 2000.0f, -10},  // above the top: toward zero, not down
        {-3, 25, 4.3f, 120},                  // 120.4
        // 10 x 0.7f is 6.99999988 in double but rounds to 7 in single precision.
        {0, 10, 0.7f, 7},
        {-3e38f, 3e38f, 10.0f, std::numeric_limits<int>::max()},
        {3e38f, -3e38f, 10.0f, std::numeric_limits<int>::min()},
        {0, 25, inf, std::numeric_limits<int>::max()},
        {25, 25, inf, 0},  // 0 x inf is NaN
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.value) + " of " + std::to_string(c.maximum));
        EXPECT_EQ(scale_row(c.value, c.maximum, c.factor), c.row);
    }
}

TEST(ProfileScale, ZeroLinePenOnlyWhenZeroIsStrictlyInside) {
    EXPECT_TRUE(zero_strictly_inside(-25, 25));
    EXPECT_FALSE(zero_strictly_inside(0, 500));
    EXPECT_FALSE(zero_strictly_inside(-500, 0));
}

TEST(ProfileScale, EmChannelGroups) {
    using T = InstrumentType;
    using G = ChannelGroup;
    struct Case {
        T type;
        int channel;
        std::optional<G> group;
    };
    const Case cases[] = {
        {T::Em31, 0, G::First},    {T::Em31, 1, G::First},   {T::Em31, 2, G::Second},
        {T::Em38Mk2, 5, G::First}, {T::Em38Mk2, 6, G::Second}, {T::Em34_3, 4, G::First},
        {T::Em34_3, 2, G::First},  {T::Ice31, 0, G::First},  {T::Ice31, 2, G::Second},
        {T::Ice31, 1, std::nullopt}, {T::Type5, 0, std::nullopt}, {T::Em31, 8, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("type " + std::to_string(type_number(c.type)) + " channel " + std::to_string(c.channel));
        EXPECT_EQ(em_channel_group(c.type, c.channel), c.group);
    }
}

TEST(ProfileScale, ChannelResourcesFollowColourAndThickness) {
    const Settings s = default_settings(kGrad601Build);
    const auto r = channel_resources(s.channel_colour, s.channel_thickness);
    struct Case {
        std::size_t channel;
        platform::Color colour;
        int width;
    };
    const Case cases[] = {{0, platform::rgb(0, 0, 255), 2}, {2, platform::rgb(255, 0, 0), 4},
                          {6, platform::rgb(128, 128, 0), 3}, {7, platform::rgb(0, 128, 128), 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.channel);
        EXPECT_EQ(r[c.channel].pen.color, c.colour);
        EXPECT_EQ(r[c.channel].pen.width, c.width);
        EXPECT_EQ(r[c.channel].thin_pen.color, c.colour);
        EXPECT_EQ(r[c.channel].thin_pen.width, 1);
        EXPECT_EQ(r[c.channel].brush.color, c.colour);
    }
    EXPECT_EQ(kSharedResources.zero_line.width, 2);
    EXPECT_EQ(kSharedResources.zero_line.color, kSharedResources.grid.color);
}

}  // namespace
}  // namespace zel
