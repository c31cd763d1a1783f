#include "app/startup/start_screen.h"

#include <gtest/gtest.h>

#include <cctype>

namespace zel {
namespace {

using platform::Point;
using platform::Rect;

TEST(StartScreen, QuarterVgaButtonsFollowTheirIndents) {
    const ScreenMeasurements portrait = measure_screen({240, 320});
    const ScreenMeasurements landscape = measure_screen({320, 240});
    const int indents[] = {0, 5, 8, 10, 12, 10, 8, 5, 0};
    for (int i = 0; i < kMainButtonCount; ++i) {
        SCOPED_TRACE(i);
        const int k = indents[i];
        EXPECT_EQ(main_button_rect(portrait, i), Rect::from_size(101 + k, 27 * i + 56, 130 - 2 * k, 26));
        EXPECT_EQ(main_button_rect(landscape, i), Rect::from_size(180 + k, 26 * i + 3, 130 - 2 * k, 25));
    }
    EXPECT_EQ(main_button_rect(portrait, 8).top, 272);
}

TEST(StartScreen, LargerScreensScaleEveryButtonValue) {
    struct Case {
        platform::Size client;
        int index;
        Rect expected;
    };
    const Case cases[] = {
        // sx 2, sy 2.1125: [113 sx], [164 sy] = 346.45, [106 sx], [26 sy] = 54.925
        {{480, 640}, 4, Rect::from_size(226, 346, 212, 54)},
        {{480, 640}, 1, Rect::from_size(212, 175, 240, 54)},
        {{480, 640}, 8, Rect::from_size(202, 574, 260, 54)},
        // sx 2.5, sy 2.15: [3 sy] = 6.45, [25 sy] = 53.75
        {{800, 480}, 0, Rect::from_size(450, 6, 325, 53)},
        {{800, 480}, 3, Rect::from_size(475, 174, 275, 53)},
        {{800, 480}, 8, Rect::from_size(450, 453, 325, 53)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.client.width) + " button " + std::to_string(c.index));
        EXPECT_EQ(main_button_rect(measure_screen(c.client), c.index), c.expected);
    }
}

TEST(StartScreen, ButtonTableIsTheStartScreenOrder) {
    EXPECT_EQ(kMainButtons[0].text, "&Logging");
    EXPECT_EQ(kMainButtons[kMainButtonSelectedAtStart].text, "&Survey Setup");
    EXPECT_EQ(kMainButtons[4].text, "&GPS Port Setup");
    EXPECT_EQ(kMainButtons[8].text, "E&xit");
    for (const MainButton& b : kMainButtons) {
        // The mnemonic letter is the one after the ampersand.
        const auto amp = b.text.find('&');
        ASSERT_NE(amp, std::string_view::npos) << b.text;
        EXPECT_EQ(std::toupper(static_cast<unsigned char>(b.text[amp + 1])), b.key) << b.text;
    }
}

TEST(StartScreen, KeysMoveTheSelectionAndRunButtons) {
    namespace k = platform::key;
    struct Case {
        platform::KeyCode key;
        int selected;
        std::optional<int> action;
        int selected_after;
    };
    const Case cases[] = {
        {k::up, 0, std::nullopt, 8},   {k::left, 3, std::nullopt, 2},  {k::tab, 8, std::nullopt, 0},
        {k::down, 1, std::nullopt, 2}, {k::right, 7, std::nullopt, 8}, {k::enter, 8, 8, 8},
        {'S', 5, 1, 5},                {'s', 5, 1, 5},                 {'X', 0, 8, 0},
        {'e', 0, 8, 0},                {'n', 2, 5, 2},                 {'Z', 4, std::nullopt, 4},
        {k::escape, 4, std::nullopt, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("key " + std::to_string(c.key) + " on " + std::to_string(c.selected));
        const MainKeyResult r = main_button_key(c.key, c.selected);
        EXPECT_EQ(r.action, c.action);
        EXPECT_EQ(r.selected, c.selected_after);
    }
    // Up on "&Logging" selects "E&xit", and Enter then runs it.
    const MainKeyResult up = main_button_key(k::up, 0);
    EXPECT_EQ(main_button_key(k::enter, up.selected).action, 8);
}

TEST(StartScreen, ArcsBulgeAwayFromTheButtons) {
    const StartScreenArcs q = start_screen_arcs(measure_screen({240, 320}));
    EXPECT_EQ(q.end_circle_radius, 3);
    EXPECT_EQ(q.left[0], (Point{96, 68}));
    EXPECT_EQ(q.left[4], (Point{107, 176}));
    EXPECT_EQ(q.right[4], (Point{224, 176}));
    EXPECT_EQ(q.right[8], (Point{235, 284}));

    const StartScreenArcs l = start_screen_arcs(measure_screen({320, 240}));
    EXPECT_EQ(l.left[8], (Point{175, 223}));
    EXPECT_EQ(l.right[3], (Point{304, 93}));

    // sx 2.5, sy 2.15: [175 sx] = 437.5, [15 sy] = 32.25, [119 sy] = 255.85, [303 sx] = 757.5
    const StartScreenArcs big = start_screen_arcs(measure_screen({800, 480}));
    EXPECT_EQ(big.end_circle_radius, 4);
    EXPECT_EQ(big.left[0], (Point{437, 32}));
    EXPECT_EQ(big.left[4], (Point{465, 255}));
    EXPECT_EQ(big.right[4], (Point{757, 255}));
}

TEST(StartScreen, BitmapsAndVersionTextPositions) {
    const StartScreenPlacement l = start_screen_placement(measure_screen({320, 240}), kGrad601Build);
    EXPECT_EQ(l.splash, (Point{2, 46}));
    EXPECT_EQ(l.company, (Point{2, 222}));
    EXPECT_EQ(l.logo, (Point{2, 3}));
    EXPECT_EQ(l.version, (Point{60, 190}));
    EXPECT_FALSE(l.model_name);

    const BuildConfig f3{.type = InstrumentType::Em61Mk2, .em61_f3 = true};
    const StartScreenPlacement lf3 = start_screen_placement(measure_screen({320, 240}), f3);
    EXPECT_EQ(lf3.version, (Point{60, 200}));
    EXPECT_EQ(lf3.model_name, (Point{60, 182}));
    const StartScreenPlacement pf3 = start_screen_placement(measure_screen({240, 320}), f3);
    EXPECT_EQ(pf3.version, (Point{5, 284}));
    EXPECT_EQ(pf3.model_name, (Point{5, 259}));

    // sx 2, sy 2.1125: [70 sy] = 147.875, [305 sy] = 644.3, [284 sy] = 599.95
    const StartScreenPlacement p = start_screen_placement(measure_screen({480, 640}), kGrad601Build);
    EXPECT_EQ(p.splash, (Point{2, 147}));
    EXPECT_EQ(p.company, (Point{10, 644}));
    EXPECT_EQ(p.logo, (Point{10, 6}));
    EXPECT_EQ(p.version, (Point{10, 599}));
}

TEST(StartScreen, UptimeLimitIsTwentyDays) {
    EXPECT_FALSE(uptime_exceeded(0));
    EXPECT_FALSE(uptime_exceeded(1728000000));
    EXPECT_TRUE(uptime_exceeded(1728000001));
    EXPECT_TRUE(uptime_exceeded(0xFFFFFFFFu));
}

}  // namespace
}  // namespace zel
