#include <gtest/gtest.h>

#include "app/run/logging_window.h"
#include "app/startup/main_actions.h"
#include "app/startup/start_screen.h"
#include "app/startup/window_classes.h"
#include "platform/ui/controls/controls.h"
#include "program_fixture.h"
#include "tests/support/golden.h"

namespace zel::test {
namespace {

using platform::ButtonState;
using platform::Rect;
namespace key = platform::key;

TEST(ProgramStart, FreshRootWritesDefaultsAndShowsTheNineButtonsAtTheirPlaces) {
    struct Case {
        platform::Size client;
        platform::Size working;
        Rect last_button;  // written out, so that a wrong scale in both places still fails
    };
    const Case cases[] = {
        {{240, 320}, {240, 320}, Rect::from_size(101, 272, 130, 26)},
        {{800, 480}, {800, 516}, Rect::from_size(450, 453, 325, 53)},
        {{480, 640}, {480, 676}, Rect::from_size(202, 574, 260, 54)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.client.width) + "x" + std::to_string(c.client.height));
        StartupRoot root;
        HeadlessProgram p(root.path(), c.client);
        ASSERT_FALSE(p.start()) << p.error;
        p.pump();

        const std::vector<std::string> lines = crlf_lines(StartupRoot::contents(root.settings_file()));
        ASSERT_EQ(lines.size(), 78u);
        EXPECT_EQ(lines[0], "Ver3.27");
        EXPECT_EQ(lines[34], "0.000000");
        EXPECT_EQ(lines[35], "2000.000000");

        EXPECT_EQ(p.program->screen().size(), c.working);
        platform::Window main = p.program->main_window();
        EXPECT_EQ(main.class_name(), "EM61");
        EXPECT_EQ(main.text(), "ZEL");
        EXPECT_EQ(main.rect(), Rect::from_size({0, 0}, c.working));
        const ScreenMeasurements m = measure_screen(c.client);
        for (int i = 0; i < kMainButtonCount; ++i) {
            SCOPED_TRACE(i);
            platform::Window b = main.child(kFirstMainButtonId + i);
            ASSERT_FALSE(b.is_null());
            EXPECT_EQ(b.rect(), main_button_rect(m, i));
            EXPECT_EQ(b.text(), kMainButtons[static_cast<std::size_t>(i)].text);
            EXPECT_TRUE(b.shown());
            EXPECT_EQ(platform::button_state(b), i == 1 ? ButtonState::Pushed : ButtonState::Released);
        }
        EXPECT_EQ(main.child(kFirstMainButtonId + 8).rect(), c.last_button);

        platform::Window logging = main.child(kLoggingWndId);
        ASSERT_FALSE(logging.is_null());
        EXPECT_EQ(logging.class_name(), kLoggingWndClassName);
        EXPECT_EQ(logging.text(), "Logging");
        EXPECT_FALSE(logging.visible());
        EXPECT_EQ(logging.rect(), Rect::from_size({0, 0}, c.working));
        EXPECT_EQ(p.program->app().screen.working, c.working);
    }
}

TEST(ProgramStart, KeysMoveTheSelectionAndPushOnlyTheSelectedButton) {
    struct Case {
        const char* name;
        std::vector<platform::KeyCode> keys;
        int selected;
    };
    const Case cases[] = {
        {"up from Survey Setup", {key::up}, 0},
        {"up past Logging wraps to Exit", {key::up, key::up}, 8},
        {"left is up", {key::left, key::left}, 8},
        {"down, right and tab go on", {key::down, key::right, key::tab}, 4},
        {"down past Exit wraps to Logging", {key::up, key::up, key::down}, 0},
        {"other keys change nothing", {key::space, key::digit(3), key::home}, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        StartupRoot root;
        HeadlessProgram p(root.path(), {240, 320});
        ASSERT_FALSE(p.start()) << p.error;
        for (platform::KeyCode k : c.keys) p.press(k);
        p.pump();
        EXPECT_EQ(p.selected(), c.selected);
        for (int i = 0; i < kMainButtonCount; ++i) {
            EXPECT_EQ(platform::button_state(p.button(i)), i == c.selected ? ButtonState::Pushed : ButtonState::Released)
                << "button " << i;
        }
        EXPECT_TRUE(p.program->main_window().alive());
    }
}

TEST(ProgramStart, ExitEndsTheProgramWithCodeZero) {
    struct Case {
        const char* name;
        std::vector<platform::KeyCode> keys;
        bool tap_exit;
    };
    const Case cases[] = {
        {"X", {key::letter('X')}, false},
        {"E", {key::letter('E')}, false},
        {"Up twice selects Exit, Enter runs it", {key::up, key::up, key::enter}, false},
        {"a tap on the button", {}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        StartupRoot root;
        HeadlessProgram p(root.path(), {240, 320});
        ASSERT_FALSE(p.start()) << p.error;
        for (platform::KeyCode k : c.keys) p.press(k);
        if (c.tap_exit) {
            const Rect r = p.button(8).screen_rect();
            const platform::Point middle{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
            p.display().inject(platform::DisplayEvent::pointer(platform::DisplayEventKind::PointerDown, middle));
            p.display().inject(platform::DisplayEvent::pointer(platform::DisplayEventKind::PointerUp, middle));
        }
        EXPECT_EQ(p.program->run(p.error), 0);
        EXPECT_FALSE(p.program->main_window().alive());
        EXPECT_FALSE(p.program->main_state().keep_alive.active());
    }
}

TEST(ProgramStart, ButtonsWithoutTheirWindowYetSaySoAndTheProgramGoesOn) {
    const char letters[] = {'L', 'S', 'Y', 'O', 'G', 'N', 'M', 'P'};
    StartupRoot root;
    HeadlessProgram p(root.path(), {240, 320});
    ASSERT_FALSE(p.start()) << p.error;
    p.pump();
    for (char letter : letters) {
        SCOPED_TRACE(letter);
        const int boxes = p.display().beep_count(platform::Beep::Asterisk);
        // Enter answers the box the letter opens.
        p.press(key::letter(letter));
        p.press(key::enter);
        p.pump();
        EXPECT_EQ(p.display().beep_count(platform::Beep::Asterisk), boxes + 1);
        EXPECT_TRUE(p.program->main_window().alive());
    }
}

TEST(ProgramStart, GpsPortSetupWritesTheSettingsWhateverItsAnswer) {
    StartupRoot root;
    HeadlessProgram p(root.path(), {240, 320});
    ASSERT_FALSE(p.start()) << p.error;
    p.pump();
    std::filesystem::remove(root.settings_file());
    p.press(key::letter('S'));
    p.press(key::enter);
    p.pump();
    EXPECT_FALSE(std::filesystem::exists(root.settings_file()));
    p.press(key::letter('G'));
    p.press(key::escape);
    p.pump();
    EXPECT_EQ(crlf_lines(StartupRoot::contents(root.settings_file())).size(), 78u);
}

TEST(ProgramStart, CorruptedSettingsAreReportedDeletedAndEndTheProgram) {
    StartupRoot root;
    {
        HeadlessProgram first(root.path(), {240, 320});
        ASSERT_FALSE(first.start()) << first.error;
    }
    std::vector<std::string> lines = crlf_lines(StartupRoot::contents(root.settings_file()));
    ASSERT_EQ(lines.size(), 78u);
    lines[17] = "6";  // channel 1's line thickness: 1 to 5
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    StartupRoot::write(root.settings_file(), text);

    HeadlessProgram p(root.path(), {240, 320});
    ASSERT_FALSE(p.program->open(p.error)) << p.error;
    // The box runs inside the main window's creation; its answer is waiting for it.
    p.press(key::enter);
    EXPECT_EQ(p.program->create_windows(p.error), exit_code::kNoMainWindow);
    EXPECT_EQ(p.display().beep_count(platform::Beep::Exclamation), 1);
    EXPECT_FALSE(std::filesystem::exists(root.settings_file()));
    EXPECT_TRUE(p.program->main_window().is_null());
    EXPECT_NE(p.error.find("corrupted"), std::string::npos) << p.error;

    // The next start writes the defaults again.
    p.program.reset();
    HeadlessProgram again(root.path(), {240, 320});
    ASSERT_FALSE(again.start()) << again.error;
    EXPECT_EQ(crlf_lines(StartupRoot::contents(root.settings_file())).size(), 78u);
}

TEST(ProgramStart, ASecondStartInTheSameRootEndsWithMinusOne) {
    StartupRoot root, other;
    HeadlessProgram first(root.path(), {240, 320});
    ASSERT_FALSE(first.start()) << first.error;
    HeadlessProgram second(root.path(), {240, 320});
    EXPECT_EQ(second.start(), exit_code::kAlreadyRunning);
    EXPECT_NE(second.error.find(root.path().string()), std::string::npos) << second.error;
    HeadlessProgram elsewhere(other.path(), {240, 320});
    EXPECT_FALSE(elsewhere.start()) << elsewhere.error;

    // Once the first has ended, the root is free again.
    first.program.reset();
    HeadlessProgram third(root.path(), {240, 320});
    EXPECT_FALSE(third.start()) << third.error;
}

TEST(ProgramStart, AfterTwentyDaysOfUptimeTheStartScreenWarnsAndEnds) {
    StartupRoot root;
    HeadlessProgram p(root.path(), {240, 320}, kUptimeLimitMs + 1);
    ASSERT_FALSE(p.program->open(p.error)) << p.error;
    // The warning comes with the first paint, which the start itself asks for.
    p.press(key::enter);
    ASSERT_FALSE(p.program->create_windows(p.error)) << p.error;
    EXPECT_EQ(p.program->run(p.error), 0);
    EXPECT_EQ(p.display().beep_count(platform::Beep::Exclamation), 1);

    StartupRoot fresh;
    HeadlessProgram young(fresh.path(), {240, 320}, kUptimeLimitMs);
    ASSERT_FALSE(young.start()) << young.error;
    young.pump();
    EXPECT_TRUE(young.program->main_window().alive());
    EXPECT_EQ(young.display().beep_count(), 0);
}

TEST(ProgramStart, KeepAliveThreadKeepsTheDisplayAwakeUntilExit) {
    StartupRoot root;
    HeadlessProgram p(root.path(), {240, 320});
    ASSERT_FALSE(p.start()) << p.error;
    const auto give_up = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (p.display().keep_awake_calls() == 0 && std::chrono::steady_clock::now() < give_up) {
        p.pump();
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    EXPECT_EQ(p.display().keep_awake_calls(), 1);
    EXPECT_TRUE(p.program->main_state().keep_alive.active());
    p.press(key::letter('X'));
    EXPECT_EQ(p.program->run(p.error), 0);
    EXPECT_FALSE(p.program->main_state().keep_alive.active());
}

TEST(ProgramStart, StartScreenPictures) {
    for (platform::Size client : {platform::Size{240, 320}, platform::Size{480, 640}}) {
        const std::string name = std::to_string(client.width) + "x" + std::to_string(client.height);
        SCOPED_TRACE(name);
        StartupRoot root;
        HeadlessProgram p(root.path(), client);
        ASSERT_FALSE(p.start()) << p.error;
        p.pump();
        EXPECT_TRUE(matches_golden(p.program->screen().framebuffer(),
                                   std::string(ZEL_SOURCE_DIR) + "/tests/app/startup/golden/start_screen_" + name + ".png"));
    }
}

}  // namespace
}  // namespace zel::test
