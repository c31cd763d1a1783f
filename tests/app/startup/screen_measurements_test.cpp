#include "app/startup/screen_measurements.h"

#include <gtest/gtest.h>

#include <limits>

namespace zel {
namespace {

struct MeasurementCase {
    platform::Size client;
    Orientation orientation;
    ScreenClass screen_class;
    platform::Size working;
    double sx, sy, sf;
    FontHeights fonts;
    int bar_width, bar_half_width;
};

TEST(ScreenMeasurements, ClientSizesGiveClassWorkingSizeAndScales) {
    using O = Orientation;
    using C = ScreenClass;
    const MeasurementCase cases[] = {
        {{240, 320}, O::Portrait, C::QuarterVga, {240, 320}, 1.0, 1.0, 1.0, {13, 13, 12}, 32, 15},
        {{320, 240}, O::Landscape, C::QuarterVga, {320, 240}, 1.0, 1.0, 1.0, {13, 13, 12}, 32, 15},
        // A quarter-VGA client smaller than the screen still works on the full fixed size.
        {{240, 294}, O::Portrait, C::QuarterVga, {240, 320}, 1.0, 1.0, 1.0, {13, 13, 12}, 32, 15},
        {{480, 640}, O::Portrait, C::Vga, {480, 676}, 2.0, 676.0 / 320.0, 2.0, {26, 26, 24}, 64, 31},
        {{640, 480}, O::Landscape, C::Vga, {640, 516}, 2.0, 516.0 / 240.0, 2.0, {26, 26, 24}, 64, 31},
        {{800, 480}, O::Landscape, C::Larger, {800, 516}, 2.5, 2.15, 2.0, {26, 26, 24}, 80, 39},
        // Class limits lie on the larger side: 399 and 700 still belong to the smaller class.
        {{399, 300}, O::Landscape, C::QuarterVga, {320, 240}, 1.0, 1.0, 1.0, {13, 13, 12}, 32, 15},
        {{300, 400}, O::Portrait, C::Vga, {300, 436}, 1.25, 436.0 / 320.0, 2.0, {26, 26, 24}, 40, 19},
        {{700, 600}, O::Landscape, C::Vga, {700, 636}, 700.0 / 320.0, 636.0 / 240.0, 2.0, {26, 26, 24}, 70, 34},
        {{600, 701}, O::Portrait, C::Larger, {600, 737}, 2.5, 737.0 / 320.0, 2.0, {26, 26, 24}, 80, 39},
        // A square screen counts as portrait.
        {{300, 300}, O::Portrait, C::QuarterVga, {240, 320}, 1.0, 1.0, 1.0, {13, 13, 12}, 32, 15},
    };
    for (const MeasurementCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.client.width) + "x" + std::to_string(c.client.height));
        const ScreenMeasurements m = measure_screen(c.client);
        EXPECT_EQ(m.orientation, c.orientation);
        EXPECT_EQ(m.screen_class, c.screen_class);
        EXPECT_EQ(m.working, c.working);
        EXPECT_DOUBLE_EQ(m.sx, c.sx);
        EXPECT_DOUBLE_EQ(m.sy, c.sy);
        EXPECT_DOUBLE_EQ(m.sf, c.sf);
        const FontHeights f = font_heights(m);
        EXPECT_EQ(f.normal, c.fonts.normal);
        EXPECT_EQ(f.bold, c.fonts.bold);
        EXPECT_EQ(f.small_bold, c.fonts.small_bold);
        EXPECT_EQ(level_bar_width(m), c.bar_width);
        EXPECT_EQ(level_bar_half_width(m), c.bar_half_width);
    }
}

TEST(ScreenMeasurements, EachProductIsTruncatedByItself) {
    const ScreenMeasurements m = measure_screen({480, 640});  // sy = 2.1125
    EXPECT_EQ(m.y(26), 54);                                   // 54.925
    EXPECT_EQ(m.y(13) + m.y(13), 54);                         // not [26 x sy] twice over
    EXPECT_EQ(scaled(-7, 2.5), -17);                          // toward zero, not down
    EXPECT_EQ(scaled(4.5, 2.0), 9);
    EXPECT_EQ(scaled(1e300, 10.0), std::numeric_limits<int>::max());
}

}  // namespace
}  // namespace zel
