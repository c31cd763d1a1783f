#include "platform/ui/soft_keyboard.h"

#include <gtest/gtest.h>

#include "platform/ui/dialogs/dialog.h"
#include "screen_fixture.h"

namespace zel::platform::testing {
namespace {

constexpr int kNameEdit = 101;

// A dialog with one edit that keeps what it held when OK ended it.
struct Entry {
    std::string text;
};

LResult entry_command(Window w, MessageId, WParam wparam, LParam) {
    if (low_word(wparam) == kIdOk) dialog_data<Entry>(w)->text = dialog_text(w, kNameEdit);
    return 0;
}
constexpr DialogEntry kEntryProcedure[] = {{msg::command, entry_command}};

class SoftKeyboardTest : public ScreenFixture {
protected:
    void SetUp() override {
        ScreenFixture::SetUp();
        keyboard = std::make_unique<SoftKeyboard>(*screen);
    }

    void tap_key(std::string_view label) {
        auto area = keyboard->key_area(label);
        ASSERT_TRUE(area) << label;
        tap(centre(*area));
    }

    int run_entry(Entry& entry) {
        DialogLayout layout{"Comment", {200, 60},
                            {{ControlKind::Edit, kNameEdit, "", {10, 10, 190, 30}, ControlStyle::Border},
                             {ControlKind::PushButton, kIdOk, "OK", {10, 35, 70, 55}, ControlStyle::DefaultButton}}};
        return guarded([&] { return run_dialog(owner, layout, kEntryProcedure, UserData::borrowed(entry)); });
    }

    std::unique_ptr<SoftKeyboard> keyboard;
};

// The dialog frame of the system: show the button, run the dialog, hide the button. The
// operator opens the panel and types; the panel's Enter presses OK.
TEST_F(SoftKeyboardTest, TypesIntoTheFocusedEditOfAModalDialog) {
    Entry entry;
    keyboard->show_button();
    when_shown([&] {
        tap(centre(keyboard->button().screen_rect()));
        for (auto label : {"Shift", "l", "i", "n", "e", "Space", "1", "2", "Back", "3", ".", "5", "Enter"}) tap_key(label);
    });
    EXPECT_EQ(run_entry(entry), kIdOk);
    EXPECT_EQ(entry.text, "Line 13.5");
    EXPECT_TRUE(keyboard->panel_open());
    keyboard->hide_button();
    EXPECT_FALSE(keyboard->panel_open());
}

TEST_F(SoftKeyboardTest, TheSystemFindsTheButtonByClassAndTitle) {
    Window found = ui.find(kSoftKeyboardButton, kSoftKeyboardButton);
    ASSERT_EQ(found, keyboard->button());
    EXPECT_FALSE(found.visible());
    found.show();
    screen->pump();
    EXPECT_TRUE(keyboard->button().shown());
    EXPECT_FALSE(keyboard->panel_open());

    Rect button = keyboard->button().screen_rect();
    EXPECT_EQ(button.right, 240);  // in the bottom-right corner
    EXPECT_EQ(button.bottom, 320);
    tap(centre(button));
    screen->pump();
    EXPECT_TRUE(keyboard->panel_open());
    EXPECT_EQ(keyboard->panel().screen_rect().bottom, button.top);
    tap(centre(button));
    screen->pump();
    EXPECT_FALSE(keyboard->panel_open());
}

// A finger that slides off a key types nothing; the panel never takes the focus.
TEST_F(SoftKeyboardTest, SlidingOffAKeyTypesNothing) {
    owner.focus();
    keyboard->show_button();
    keyboard->toggle_panel();
    screen->pump();
    Point q = centre(*keyboard->key_area("q"));
    Point w = centre(*keyboard->key_area("w"));
    ui.post_input(InputEvent::pointer_down(q));
    ui.post_input(InputEvent::pointer_move(w));
    ui.post_input(InputEvent::pointer_up(w));
    tap(w);
    tap_key("Shift");
    tap_key("Shift");  // released again: lower case
    tap_key("e");
    screen->pump();
    EXPECT_EQ(owner_state.typed, U"we");
    EXPECT_EQ(ui.focus(), owner);
    EXPECT_FALSE(keyboard->key_area("F1").has_value());
}

}  // namespace
}  // namespace zel::platform::testing
