#include "screen_fixture.h"

namespace zel::platform::testing {
namespace {

using Commands = std::vector<Command>;

class EditTest : public ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        edit = create_control(host, {ControlKind::Edit, 865, "", {10, 10, 110, 28}, ControlStyle::Border});
        edit.focus();
        pump();
        take_commands();
    }
    int changes() {
        int n = 0;
        for (const Command& c : take_commands()) n += c == Command{865, notify::edit_change} ? 1 : 0;
        return n;
    }
    Window edit;
};

TEST_F(EditTest, TypingInsertsAtTheCaretAndEveryChangeIsTold) {
    type("12.5");
    pump();
    EXPECT_EQ(edit.text(), "12.5");
    EXPECT_EQ(changes(), 4);

    press(key::left);
    press(key::left);
    type("0");
    display.inject(DisplayEvent::typed(key::back));
    display.inject(DisplayEvent::typed(key::back));
    press(key::home);
    type("-");
    press(key::end);
    press(key::del);  // nothing after the caret
    pump();
    EXPECT_EQ(edit.text(), "-1.5");
    EXPECT_EQ(changes(), 4);
}

TEST_F(EditTest, LimitAndNumberOnlyRejectWhatDoesNotFit) {
    limit_text(edit, 3);
    type("ABCD");
    pump();
    EXPECT_EQ(edit.text(), "ABC");
    EXPECT_EQ(take_commands().back(), (Command{865, notify::max_text}));

    Window number = create_control(host, {ControlKind::Edit, 7, "", {10, 40, 110, 58}, ControlStyle::NumberOnly});
    number.focus();
    type("4a.2");
    pump();
    EXPECT_EQ(number.text(), "42");
    EXPECT_EQ(display.beep_count(Beep::Simple), 2);
}

// A dialog writes values back while the operator types (a clamped map scale); the caret then
// stands at the end and typing goes on there.
TEST_F(EditTest, TextSetByTheProgramIsToldAndMovesTheCaretToItsEnd) {
    type("5");
    pump();
    take_commands();
    edit.set_text("10");
    EXPECT_EQ(changes(), 1);
    type("0");
    pump();
    EXPECT_EQ(edit.text(), "100");
}

TEST_F(EditTest, DialogKeysGoToTheParentAndTypingKeysDoNot) {
    type("ab");
    press(key::tab);
    press(key::enter);
    press(key::escape);
    pump();
    EXPECT_EQ(log.keys, (std::vector<KeyCode>{key::tab, key::enter, key::escape}));
    EXPECT_EQ(edit.text(), "ab");
}

TEST_F(EditTest, FocusComingAndGoingIsTold) {
    Window other = create_control(host, {ControlKind::Edit, 9, "", {10, 40, 110, 58}});
    other.focus();
    edit.focus();
    EXPECT_EQ(take_commands(), (Commands{{865, notify::kill_focus}, {9, notify::set_focus},
                                         {9, notify::kill_focus}, {865, notify::set_focus}}));
}

TEST_F(EditTest, TapPlacesTheCaretAndLongTextScrollsToKeepItInView) {
    type("0123456789012345678901234567890123456789");
    pump();
    screen->framebuffer().fill(colors::white);
    edit.invalidate();
    pump();
    // The caret is drawn inside the field even though the text is much wider.
    int caret_column = -1;
    for (int x = 100; x < 109 && caret_column < 0; ++x) {
        bool full = true;
        for (int y = 14; y < 24; ++y) full = full && at({x, y}) == look::text;
        if (full) caret_column = x;
    }
    EXPECT_GE(caret_column, 100);

    Window other = create_control(host, {ControlKind::Edit, 9, "abc", {10, 40, 110, 58}, ControlStyle::Border});
    tap(other, {4, 9});  // left of the middle of "a"
    type("X");
    pump();
    EXPECT_TRUE(other.has_focus());
    EXPECT_EQ(other.text(), "Xabc");
}

}  // namespace
}  // namespace zel::platform::testing
