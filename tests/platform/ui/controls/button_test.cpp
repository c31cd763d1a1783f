#include "screen_fixture.h"

#include <set>

namespace zel::platform::testing {
namespace {

using Commands = std::vector<Command>;

TEST(Mnemonic, AmpersandMarksTheUnderlinedCharacter) {
    struct Case {
        const char* text;
        const char* shown;
        std::size_t mark;
        char key;
    };
    const Case cases[] = {
        {"&Logging", "Logging", 0, 'L'},
        {"E&xit", "Exit", 1, 'X'},
        {"Map&Scale", "MapScale", 3, 'S'},
        {"a&&b", "a&b", std::string::npos, 0},
        {"&&&Yes", "&Yes", 1, 'Y'},
        {"trailing&", "trailing&", std::string::npos, 0},
        {"&1 High", "1 High", 0, '1'},
        {"", "", std::string::npos, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        MnemonicText m = parse_mnemonic(c.text);
        EXPECT_EQ(m.text, c.shown);
        EXPECT_EQ(m.mark, c.mark);
        EXPECT_EQ(mnemonic_key(c.text), c.key);
    }
}

TEST_F(ScreenTest, PushButtonClicksOnReleaseOverItOnlyAndOnSpace) {
    Window ok = create_control(host, {ControlKind::PushButton, 418, "&Logging", {100, 50, 200, 76}});
    pump();
    tap(ok);
    pump();
    EXPECT_EQ(take_commands(), (Commands{{418, notify::clicked}}));
    EXPECT_TRUE(ok.has_focus());

    // Pressed, then slid off: taken back.
    display.inject(DisplayEvent::pointer(DisplayEventKind::PointerDown, {150, 60}));
    pump();
    EXPECT_EQ(button_state(ok), ButtonState::Pushed);
    display.inject(DisplayEvent::pointer(DisplayEventKind::PointerUp, {10, 10}));
    pump();
    EXPECT_EQ(button_state(ok), ButtonState::Released);
    EXPECT_TRUE(take_commands().empty());

    press(key::space);
    press(key::letter('L'));  // not the button's: its parent hears it
    pump();
    EXPECT_EQ(take_commands(), (Commands{{418, notify::clicked}}));
    EXPECT_EQ(log.keys, (std::vector<KeyCode>{key::letter('L')}));

    ok.disable();
    tap(ok);
    pump();
    EXPECT_TRUE(take_commands().empty());
}

// The system marks its selected main button pushed; the look must show it.
TEST_F(ScreenTest, PushedAndDisabledLooks) {
    Window button = create_control(host, {ControlKind::PushButton, 1, "Go", {10, 10, 90, 36}});
    pump();
    Point face{14, 13};
    EXPECT_EQ(at(face), look::face);
    set_button_state(button, ButtonState::Pushed);
    pump();
    EXPECT_EQ(at(face), look::text);
    set_button_state(button, ButtonState::Released);
    pump();
    EXPECT_EQ(at(face), look::face);

    auto inks = [&] {
        std::set<Color> seen;
        for (int y = 12; y < 34; ++y)
            for (int x = 13; x < 87; ++x) seen.insert(at({x, y}));
        return seen;
    };
    EXPECT_TRUE(inks().contains(look::text));
    button.disable();
    pump();
    EXPECT_FALSE(inks().contains(look::text));
    EXPECT_TRUE(inks().contains(look::grey_text));
}

TEST_F(ScreenTest, CheckBoxTogglesAndRadioButtonsStayWithinTheirGroup) {
    Window check = create_control(host, {ControlKind::CheckBox, 10, "Audio", {10, 10, 100, 24}});
    Window a = create_control(host, {ControlKind::RadioButton, 20, "West", {10, 30, 100, 44}, ControlStyle::Group});
    Window b = create_control(host, {ControlKind::RadioButton, 21, "East", {10, 50, 100, 64}});
    Window c = create_control(host, {ControlKind::RadioButton, 30, "One Way", {10, 70, 100, 84}, ControlStyle::Group});
    pump();

    tap(check);
    pump();
    EXPECT_EQ(check_of(check), Check::Checked);
    tap(check);
    pump();
    EXPECT_EQ(check_of(check), Check::Clear);
    EXPECT_EQ(take_commands(), (Commands{{10, notify::clicked}, {10, notify::clicked}}));

    set_check(c, Check::Checked);
    tap(a);
    pump();
    EXPECT_EQ(check_of(a), Check::Checked);
    tap(b);
    pump();
    EXPECT_EQ(check_of(a), Check::Clear);
    EXPECT_EQ(check_of(b), Check::Checked);
    EXPECT_EQ(check_of(c), Check::Checked);  // another group
    EXPECT_EQ(take_commands(), (Commands{{20, notify::clicked}, {21, notify::clicked}}));
}

// A group box lies over the controls it frames; taps go through it.
TEST_F(ScreenTest, GroupBoxLetsTapsThroughToTheControlsItFrames) {
    Window inner = create_control(host, {ControlKind::PushButton, 5, "In", {20, 30, 80, 50}});
    create_control(host, {ControlKind::GroupBox, 6, "Output", {10, 10, 120, 70}});
    pump();
    tap(inner);
    pump();
    EXPECT_EQ(take_commands(), (Commands{{5, notify::clicked}}));
    EXPECT_EQ(at({20, 40}), look::frame);   // the button's frame: the box did not paint over it
    EXPECT_EQ(at({10, 40}), look::shadow);  // the box's own frame
    EXPECT_EQ(control_kind(inner), ControlKind::PushButton);
    EXPECT_EQ(control_kind(host), ControlKind::None);
}

// A text longer than its control is cut at the control's edge, whatever the kind.
TEST_F(ScreenTest, LongTextIsClippedToTheControl) {
    const std::string long_text = "Reset to Default Settings and much more text";
    const ControlKind kinds[] = {ControlKind::PushButton, ControlKind::Static, ControlKind::Edit,
                                 ControlKind::CheckBox, ControlKind::ComboBox};
    const Rect rect{40, 100, 100, 120};
    for (ControlKind kind : kinds) {
        SCOPED_TRACE(static_cast<int>(kind));
        Window w = create_control(host, {kind, 7, long_text, rect});
        if (kind == ControlKind::ComboBox) {
            add_string(w, long_text);
            set_selection(w, 0);
        }
        pump();
        screen->framebuffer().fill(rgb(1, 2, 3));
        w.invalidate();
        w.update();
        Rect drawn = w.screen_rect();
        EXPECT_EQ(count_not({0, 0, 240, drawn.top}, rgb(1, 2, 3)), 0);
        EXPECT_EQ(count_not({0, drawn.bottom, 240, 320}, rgb(1, 2, 3)), 0);
        EXPECT_EQ(count_not({0, drawn.top, drawn.left, drawn.bottom}, rgb(1, 2, 3)), 0);
        EXPECT_EQ(count_not({drawn.right, drawn.top, 240, drawn.bottom}, rgb(1, 2, 3)), 0);
        // The text runs on through the control's middle: it is cut at the edge, not left out.
        int ink = 0;
        for (int y = drawn.top; y < drawn.bottom; ++y)
            for (int x = drawn.left + 25; x < drawn.left + 38; ++x)
                ink += at({x, y}) == look::text || at({x, y}) == look::highlight_text ? 1 : 0;
        EXPECT_GT(ink, 0);
        w.destroy();
    }
}

}  // namespace
}  // namespace zel::platform::testing
