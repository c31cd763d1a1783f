#include "display/layout/child_windows.h"
#include "display/layout/logging_layout.h"

#include <gtest/gtest.h>

namespace zel {
namespace {

using platform::Rect;

// The rectangles of every child, in creation order, on one screen.
struct ScreenCase {
    platform::Size client;
    Rect profile, speed_bar, bars, bar_q, bar_i;
    std::array<Rect, 4> buttons;
    Rect pause;
};

const ScreenCase kScreens[] = {
    {{240, 320},
     Rect::from_size(4, 12, 231, 231),
     Rect::from_size(4, 254, 231, 5),
     Rect::from_size(3, 260, 32, 42),
     Rect::from_size(3, 260, 15, 42),
     Rect::from_size(20, 260, 15, 42),
     {Rect::from_size(1, 303, 58, 17), Rect::from_size(60, 303, 58, 17), Rect::from_size(119, 303, 58, 17),
      Rect::from_size(178, 303, 58, 17)},
     Rect::from_size(1, 303, 237, 17)},
    {{320, 240},
     Rect::from_size(3, 3, 215, 215),
     Rect::from_size(3, 232, 215, 5),
     Rect::from_size(221, 28, 32, 80),
     Rect::from_size(221, 28, 15, 80),
     Rect::from_size(238, 28, 15, 80),
     {Rect::from_size(258, 28, 60, 19), Rect::from_size(258, 48, 60, 19), Rect::from_size(258, 68, 60, 19),
      Rect::from_size(258, 88, 60, 19)},
     Rect::from_size(258, 28, 60, 61)},
    // VGA portrait, sx 2, sy 2.1125: Y0 [13 sy] = 27, PW [231 sf] - 1, SBY 27 + 461 + 21,
    // BY 509 + 10 + 2, BH 676 - 2 - 521 - 35, HBW (64 - 4) / 2.
    {{480, 640},
     Rect::from_size(9, 26, 461, 461),
     Rect::from_size(9, 509, 461, 10),
     Rect::from_size(8, 521, 64, 118),
     Rect::from_size(8, 521, 30, 118),
     Rect::from_size(42, 521, 30, 118),
     {Rect::from_size(2, 641, 116, 35), Rect::from_size(120, 641, 116, 35), Rect::from_size(238, 641, 116, 35),
      Rect::from_size(356, 641, 116, 35)},
     Rect::from_size(2, 641, 474, 35)},
    // Landscape class 3, sx 2.5, sy 2.15: SBY [17 sy] + PH = 36 + 429, BX [6 sx] + PW = 15 + 429,
    // BTX 800 - 150 - 5, Pause height 3 x 40 + [4 sy], HBW (80 - 5) / 2.
    {{800, 480},
     Rect::from_size(3, 3, 429, 429),
     Rect::from_size(3, 465, 429, 10),
     Rect::from_size(444, 60, 80, 172),
     Rect::from_size(444, 60, 37, 172),
     Rect::from_size(486, 60, 37, 172),
     {Rect::from_size(645, 60, 150, 40), Rect::from_size(645, 102, 150, 40), Rect::from_size(645, 144, 150, 40),
      Rect::from_size(645, 186, 150, 40)},
     Rect::from_size(645, 60, 150, 128)},
};

TEST(LoggingLayout, ChildRectanglesOnEachScreen) {
    for (const ScreenCase& c : kScreens) {
        SCOPED_TRACE(std::to_string(c.client.width) + "x" + std::to_string(c.client.height));
        const ScreenMeasurements m = measure_screen(c.client);
        const auto children = logging_child_windows(m, logging_layout(m), kGrad601Build);
        ASSERT_EQ(children.size(), 14u);
        EXPECT_EQ(children[0].rect, c.profile);
        EXPECT_EQ(children[1].rect, c.speed_bar);
        EXPECT_EQ(children[2].rect, c.bars);
        EXPECT_EQ(children[3].rect, c.bar_q);
        EXPECT_EQ(children[4].rect, c.bar_i);
        for (std::size_t i = 0; i < 4; ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(children[5 + i].rect, c.buttons[i]);  // monitor row
            EXPECT_EQ(children[9 + i].rect, c.buttons[i]);  // stand-by row
        }
        EXPECT_EQ(children[13].rect, c.pause);
    }
}

TEST(LoggingLayout, ValuesOthersBuildOn) {
    const LoggingLayout q = logging_layout(measure_screen({240, 320}));
    EXPECT_EQ(q.profile.x0, 5);
    EXPECT_EQ(q.profile.y0, 13);
    EXPECT_EQ(q.sample_x, 167);
    const LayoutSizes sizes = layout_sizes(q);
    EXPECT_EQ(sizes.profile_width, 231);
    EXPECT_EQ(sizes.profile_height, 231);
    EXPECT_EQ(sizes.bar_height, 42);

    const LoggingLayout l = logging_layout(measure_screen({320, 240}));
    EXPECT_EQ(l.profile.x0, 4);
    EXPECT_EQ(l.profile.y0, 4);
    EXPECT_EQ(layout_sizes(l).bar_height, 80);
    EXPECT_EQ(logging_layout(measure_screen({640, 480})).sample_x, 333);
}

TEST(LoggingLayout, PortraitButtonsOnTheLargestScreensAreOnePixelWider) {
    const ScreenMeasurements vga = measure_screen({480, 640});
    const ScreenMeasurements larger = measure_screen({480, 800});
    ASSERT_EQ(larger.screen_class, ScreenClass::Larger);
    EXPECT_EQ(logging_layout(vga).button_width, 116);
    const LoggingLayout l = logging_layout(larger);
    EXPECT_EQ(l.button_width, 117);
    EXPECT_EQ(logging_button_rect(larger, l, 1).left, 2 + 117 + 2);
}

TEST(LoggingLayout, IdentifiersLabelsAndVisibilityFollowTheBuild) {
    const ScreenMeasurements m = measure_screen({240, 320});
    const LoggingLayout l = logging_layout(m);
    using K = ChildKind;
    using V = Visibility;
    struct Expected {
        K kind;
        std::string_view class_name;
        int id;
        std::string_view label;
        V grad601, em31;
    };
    const Expected table[] = {
        {K::Profile, "CurveWnd", 5, "", V::Visible, V::Visible},
        {K::SpeedBar, "SpeedbarWnd", 15, "", V::Visible, V::Visible},
        {K::Bars, "BarsWnd", 12, "", V::Visible, V::Hidden},
        {K::BarQ, "BarQWnd", 13, "", V::Hidden, V::Visible},
        {K::BarI, "BarIWnd", 14, "", V::Hidden, V::Visible},
        {K::MonitorButton, "BUTTON", 460, "&File", V::Visible, V::Visible},
        {K::MonitorButton, "BUTTON", 461, "Map&Scale", V::Visible, V::Visible},
        {K::MonitorButton, "BUTTON", 462, "E&xit", V::Visible, V::Visible},
        {K::MonitorButton, "BUTTON", 463, "&Menu", V::Visible, V::Visible},
        {K::StandByButton, "BUTTON", 460, "&Go", V::Hidden, V::Hidden},
        {K::StandByButton, "BUTTON", 461, "&QLine", V::Hidden, V::Hidden},
        {K::StandByButton, "BUTTON", 462, "E&xit", V::Hidden, V::Hidden},
        {K::StandByButton, "BUTTON", 463, "&Menu", V::Hidden, V::Hidden},
        {K::PauseButton, "BUTTON", 460, "Pause", V::Hidden, V::Hidden},
    };
    const auto grad601 = logging_child_windows(m, l, kGrad601Build);
    const auto em31 = logging_child_windows(m, l, BuildConfig{.type = InstrumentType::Em31});
    ASSERT_EQ(grad601.size(), std::size(table));
    ASSERT_EQ(em31.size(), std::size(table));
    for (std::size_t i = 0; i < std::size(table); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(grad601[i].kind, table[i].kind);
        EXPECT_EQ(grad601[i].class_name, table[i].class_name);
        EXPECT_EQ(grad601[i].id, table[i].id);
        EXPECT_EQ(grad601[i].label, table[i].label);
        EXPECT_EQ(grad601[i].thin_border, i < 2);
        EXPECT_EQ(grad601[i].initially, table[i].grad601);
        EXPECT_EQ(em31[i].initially, table[i].em31);
    }
}

TEST(LoggingLayout, Em61BuildsNullInsteadOfMapScale) {
    for (InstrumentType t : {InstrumentType::Em61, InstrumentType::Em61Mk2}) {
        EXPECT_EQ(monitor_row_labels(BuildConfig{.type = t})[1], "N&ull");
    }
    EXPECT_EQ(monitor_row_labels(BuildConfig{.type = InstrumentType::Ferex})[1], "Map&Scale");
    EXPECT_EQ(monitor_row_labels(BuildConfig{.type = InstrumentType::Em38Mk2})[1], "Map&Scale");
}

TEST(LoggingLayout, UsedEm61Mk2StartsWithFileNullAndMenuDisabled) {
    const BuildConfig mk2{.type = InstrumentType::Em61Mk2};
    using A = std::array<bool, 4>;
    EXPECT_EQ(monitor_buttons_disabled_at_creation(mk2, InstrumentUse::Enabled), (A{true, true, false, true}));
    EXPECT_EQ(monitor_buttons_disabled_at_creation(mk2, InstrumentUse::Disabled), A{});
    EXPECT_EQ(monitor_buttons_disabled_at_creation(kGrad601Build, InstrumentUse::Enabled), A{});
}

}  // namespace
}  // namespace zel
