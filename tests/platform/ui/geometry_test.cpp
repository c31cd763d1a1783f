#include "platform/gfx/geometry.h"
#include "platform/ui/keys.h"
#include "platform/ui/message.h"

#include <gtest/gtest.h>

namespace zel::platform {
namespace {

TEST(Rect, IntersectAndUniteKeepTheExclusiveEdges) {
    struct Case {
        Rect a, b, intersection, union_;
    } cases[] = {
        {{0, 0, 10, 10}, {5, 5, 20, 20}, {5, 5, 10, 10}, {0, 0, 20, 20}},
        {{0, 0, 10, 10}, {10, 0, 20, 10}, {}, {0, 0, 20, 10}},  // touching edges share no pixel
        {{0, 0, 10, 10}, {}, {}, {0, 0, 10, 10}},                // an empty rectangle adds nothing
        {{-5, -5, 5, 5}, {-10, 0, 0, 10}, {-5, 0, 0, 5}, {-10, -5, 5, 10}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.a.left << "," << c.a.top << " with " << c.b.left << "," << c.b.top);
        EXPECT_EQ(c.a.intersected(c.b), c.intersection);
        EXPECT_EQ(c.b.intersected(c.a), c.intersection);
        EXPECT_EQ(c.a.united(c.b), c.union_);
    }
    EXPECT_TRUE(Rect::from_size(3, 4, 2, 2).contains({4, 5}));
    EXPECT_FALSE(Rect::from_size(3, 4, 2, 2).contains({5, 5}));
}

TEST(MessageParameters, PointsKeepTheirSignAndWordsSplit) {
    for (auto [x, y] : {std::pair{0, 0}, {239, 319}, {-1, -20}, {-32768, 32767}}) {
        LParam l = pack_point(x, y);
        EXPECT_EQ(point_x(l), x);
        EXPECT_EQ(point_y(l), y);
    }
    WParam w = make_wparam(460, 1);
    EXPECT_EQ(low_word(w), 460);
    EXPECT_EQ(high_word(w), 1);
}

TEST(Keys, LettersAndDigitsUseTheirUpperCaseCodes) {
    EXPECT_EQ(key::letter('x'), 88u);
    EXPECT_EQ(key::letter('X'), 88u);
    EXPECT_EQ(key::letter('1'), 0u);
    EXPECT_EQ(key::digit(7), 55u);
    EXPECT_EQ(key::digit(10), 0u);
}

}  // namespace
}  // namespace zel::platform
