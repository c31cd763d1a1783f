#include "platform/ui/colour_chooser.h"

#include <gtest/gtest.h>

#include "platform/ui/controls/control_messages.h"
#include "screen_fixture.h"

namespace zel::platform::testing {
namespace {

constexpr Color kRed = rgb(255, 0, 0);
constexpr Color kYellow = rgb(255, 255, 0);
constexpr Color kUnlisted = rgb(1, 2, 3);

class ColourChooserTest : public ScreenFixture {
protected:
    std::optional<Color> run(Color initial) {
        return guarded([&] { return choose_colour(owner, initial); });
    }
    Window dialog() { return ui.find("Dialog", "Color"); }
    Point button(int id) { return centre(dialog().child(id).screen_rect()); }
    // Where the palette shows a colour: the screen is the truth an operator taps on.
    Point swatch_of(Color c) {
        Point p = find_colour(c, dialog().screen_rect());
        EXPECT_NE(p.x, -1) << "colour not shown";
        return {p.x + 3, p.y + 3};
    }
};

TEST_F(ColourChooserTest, KeysMoveOverThePaletteAndEnterOrEscapeAnswer) {
    struct Case {
        const char* what;
        Color initial;
        std::vector<KeyCode> keys;
        std::optional<Color> answer;
    } cases[] = {
        {"enter keeps the initial colour", kRed, {key::enter}, kRed},
        {"right moves along the row", kRed, {key::right, key::enter}, kYellow},
        {"down moves down the column", kRed, {key::down, key::enter}, rgb(128, 64, 64)},
        {"left wraps within the row", rgb(255, 128, 128), {key::left, key::enter}, rgb(255, 128, 255)},
        {"up wraps within the column", rgb(255, 128, 128), {key::up, key::enter}, rgb(0, 0, 0)},
        {"escape cancels a change", kRed, {key::right, key::escape}, std::nullopt},
        {"a colour not in the palette is kept", kUnlisted, {key::enter}, kUnlisted},
        {"and the first arrow starts top left", kUnlisted, {key::down, key::enter}, rgb(255, 128, 128)},
        {"tab to Cancel and enter", kRed, {key::right, key::tab, key::enter}, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        for (KeyCode k : c.keys) press(k);
        EXPECT_EQ(run(c.initial), c.answer);
        screen->pump();
        EXPECT_TRUE(dialog().is_null());
    }
}

TEST_F(ColourChooserTest, TapsPickAColourAndAnswerWithTheButtons) {
    struct Case {
        const char* what;
        std::vector<Color> picks;
        int button;
        std::optional<Color> answer;
    } cases[] = {
        {"tap a colour, then OK", {rgb(0, 128, 64)}, kIdOk, rgb(0, 128, 64)},
        {"the last tap counts", {rgb(0, 128, 64), rgb(128, 0, 255)}, kIdOk, rgb(128, 0, 255)},
        {"cancel keeps nothing", {rgb(0, 128, 64)}, kIdCancel, std::nullopt},
        {"OK alone keeps the initial colour", {}, kIdOk, kRed},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        when_shown([&] {
            for (Color pick : c.picks) tap(swatch_of(pick));
            tap(button(c.button));
        });
        EXPECT_EQ(run(kRed), c.answer);
        screen->pump();
    }
}

// The current colour is shown beside the buttons and follows the choice.
TEST_F(ColourChooserTest, ShowsTheCurrentColourAndTheSelection) {
    Rect ok_button, shown_before, shown_after;
    bool current_shown = false, current_follows = false;
    when_shown([&] {
        Window ok = dialog().child(kIdOk);
        Rect row{dialog().screen_rect().left, ok.screen_rect().top, ok.screen_rect().left, ok.screen_rect().bottom};
        current_shown = find_colour(kUnlisted, row).x != -1;
        press(key::down);
        when_shown([&, row] {
            current_follows = find_colour(rgb(255, 128, 128), row).x != -1 && find_colour(kUnlisted, row).x == -1;
            press(key::escape);
        });
    });
    EXPECT_EQ(run(kUnlisted), std::nullopt);
    EXPECT_TRUE(current_shown);
    EXPECT_TRUE(current_follows);
}

TEST_F(ColourChooserTest, ThePaletteHoldsTheSystemsDefaultColours) {
    auto palette = colour_palette();
    ASSERT_EQ(palette.size(), static_cast<std::size_t>(kPaletteColumns * kPaletteRows));
    for (Color c : {rgb(0, 0, 255), rgb(0, 255, 0), rgb(255, 0, 0), rgb(255, 0, 255), rgb(0, 255, 255),
                    rgb(255, 255, 0), rgb(128, 128, 0), rgb(0, 128, 128)}) {
        EXPECT_NE(std::find(palette.begin(), palette.end(), c), palette.end()) << std::hex << c;
    }
}

TEST(ColourChooserWithoutScreen, CannotRun) {
    EXPECT_EQ(choose_colour(Window{}, 0), std::nullopt);
}

}  // namespace
}  // namespace zel::platform::testing
