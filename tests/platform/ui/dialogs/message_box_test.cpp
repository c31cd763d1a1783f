#include "platform/ui/dialogs/message_box.h"

#include "../controls/screen_fixture.h"
#include "platform/ui/dialogs/dialog.h"
#include "tests/support/golden.h"

namespace zel::platform::testing {
namespace {

using Lines = std::vector<std::string>;

class MessageBoxTest : public ScreenTest {
protected:
    Window box() { return ui.find("Dialog"); }
};

TEST_F(MessageBoxTest, AnsweredByKeysAndTapsWithTheIconsBeep) {
    struct Case {
        const char* name;
        MessageButtons buttons;
        MessageIcon icon;
        std::vector<KeyCode> keys;  // or, when empty, a tap on `tapped`
        int tapped;
        int answer;
        Beep beep;
    };
    const Case cases[] = {
        {"ok by Enter", MessageButtons::Ok, MessageIcon::Exclamation, {key::enter}, 0, kIdOk, Beep::Exclamation},
        {"ok by Escape", MessageButtons::Ok, MessageIcon::None, {key::escape}, 0, kIdOk, Beep::Simple},
        {"ok by Space", MessageButtons::Ok, MessageIcon::Information, {key::space}, 0, kIdOk, Beep::Asterisk},
        {"yes by Enter", MessageButtons::YesNo, MessageIcon::Question, {key::enter}, 0, kIdYes, Beep::Question},
        {"yes by Y", MessageButtons::YesNo, MessageIcon::Question, {key::letter('y')}, 0, kIdYes, Beep::Question},
        {"no by N", MessageButtons::YesNo, MessageIcon::Exclamation, {key::letter('N')}, 0, kIdNo, Beep::Exclamation},
        {"no by Escape", MessageButtons::YesNo, MessageIcon::Stop, {key::escape}, 0, kIdNo, Beep::Hand},
        {"no by Tab, Enter", MessageButtons::YesNo, MessageIcon::None, {key::tab, key::enter}, 0, kIdNo, Beep::Simple},
        {"cancel by Escape", MessageButtons::OkCancel, MessageIcon::None, {key::escape}, 0, kIdCancel, Beep::Simple},
        {"Y means nothing to OK", MessageButtons::OkCancel, MessageIcon::None, {key::letter('Y'), key::enter}, 0, kIdOk, Beep::Simple},
        {"no by tap", MessageButtons::YesNo, MessageIcon::Question, {}, kIdNo, kIdNo, Beep::Question},
        {"yes by tap", MessageButtons::YesNo, MessageIcon::Question, {}, kIdYes, kIdYes, Beep::Question},
        {"cancel by tap", MessageButtons::OkCancel, MessageIcon::Stop, {}, kIdCancel, kIdCancel, Beep::Hand},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        int beeps = display.beep_count(c.beep);
        for (KeyCode k : c.keys) press(k);
        if (c.keys.empty()) on_next_timer([&] { tap(dialog_item(box(), c.tapped)); });
        EXPECT_EQ(message_box(host, "Exit Logging?", "Confirm Exit", c.buttons, c.icon), c.answer);
        EXPECT_EQ(display.beep_count(c.beep), beeps + 1);
        EXPECT_TRUE(box().is_null());
    }
}

TEST_F(MessageBoxTest, LongTextWrapsInsideTheScreen) {
    Rect shown;
    std::vector<Rect> lines;
    on_next_timer([&] {
        shown = box().rect();
        for (Window child : box().children()) {
            if (control_kind(child) == ControlKind::Static) lines.push_back(child.screen_rect());
        }
        press(key::enter);
    });
    message_box(host, "The file already exisits. Please enter another name", "WARNING", MessageButtons::Ok,
                MessageIcon::Exclamation);
    EXPECT_GE(shown.left, 0);
    EXPECT_LE(shown.right, 240);
    EXPECT_GE(lines.size(), 2u);
    for (const Rect& line : lines) EXPECT_EQ(line.intersected(shown), line);
}

TEST_F(MessageBoxTest, WrapBreaksAtLinesThenWordsThenInsideLongWords) {
    const Font& font = *screen->ui_font();
    int width = font.text_width("Place  EM38-MK2  on  Monopod");
    struct Case {
        const char* text;
        Lines lines;
    };
    const Case cases[] = {
        {"Exit Logging?", {"Exit Logging?"}},
        {"Place  EM38-MK2  on  Monopod in  Vertical", {"Place  EM38-MK2  on  Monopod", "in  Vertical"}},
        {"Place  EM38-MK2  on  Monopod  in", {"Place  EM38-MK2  on  Monopod", "in"}},  // no space carried over
        {"Place  EM38-MK2  on  Monopod\nin  Vertical  Dipole  Mode", {"Place  EM38-MK2  on  Monopod", "in  Vertical  Dipole  Mode"}},
        {"a\n\nb", {"a", "", "b"}},
        {"", {""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(wrap_text(font, c.text, width), c.lines);
    }
    const std::string word(60, 'W');
    Lines pieces = wrap_text(font, word, width);
    EXPECT_GT(pieces.size(), 1u);
    std::string joined;
    for (const std::string& piece : pieces) {
        EXPECT_LE(font.text_width(piece), width);
        joined += piece;
    }
    EXPECT_EQ(joined, word);
    EXPECT_EQ(wrap_text(font, "WW", 1), (Lines{"W", "W"}));  // at least one character a line
}

TEST_F(MessageBoxTest, QuestionMatchesTheGoldenPicture) {
    Bitmap picture;
    on_next_timer([&] {
        picture = screen->framebuffer();
        press(key::escape);
    });
    message_box(host, "Press YES to reset to program default settings, the program will close.",
                "Reset to Default Settings", MessageButtons::YesNo, MessageIcon::Question);
    EXPECT_TRUE(zel::test::matches_golden(picture, ZEL_SOURCE_DIR "/tests/platform/ui/dialogs/golden/question_box.png"));
}

}  // namespace
}  // namespace zel::platform::testing
