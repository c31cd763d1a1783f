#include "ui_fixture.h"

namespace zel::platform::testing {
namespace {

// Screen layout: the main window, the logging window over it, and in the logging window a
// profile with a marker inside, and a button that overlaps the profile and was created later.
class InputTest : public UiTest {
protected:
    struct Tap {
        std::string window;
        Point client;
    };

    Window probe_window(const std::string& name, Rect rect, Window parent = {}) {
        return make(name, rect, parent, WindowStyle::Visible, [this, name](Window, MessageId m, WParam, LParam lp) -> LResult {
            if (m == msg::pointer_down || m == msg::pointer_up) taps.push_back({name, {point_x(lp), point_y(lp)}});
            return 0;
        });
    }

    void SetUp() override {
        main = probe_window("main", {0, 0, 240, 320});
        logging = probe_window("logging", {0, 20, 240, 320}, main);
        profile = probe_window("profile", {10, 10, 110, 110}, logging);
        marker = probe_window("marker", {5, 5, 15, 15}, profile);
        button = probe_window("button", {100, 100, 160, 130}, logging);
        ui.pump();
        take_log();
    }

    // A press and release at one point; the window that took it, or "" for none.
    Tap tap(Point at) {
        taps.clear();
        ui.post_input(InputEvent::pointer_down(at));
        ui.post_input(InputEvent::pointer_up(at));
        ui.pump();
        if (taps.empty()) return {};
        EXPECT_EQ(taps.size(), 2u);
        return taps.front();
    }

    std::vector<Tap> taps;
    Window main, logging, profile, marker, button;
};

TEST_F(InputTest, TapGoesToTheTopMostEnabledWindowInClientCoordinates) {
    struct Case {
        const char* what;
        std::function<void()> arrange;
        Point at;
        std::string window;
        Point client;
    } cases[] = {
        {"child over parent", nullptr, {50, 50}, "profile", {40, 20}},
        {"grandchild", nullptr, {16, 36}, "marker", {1, 1}},
        {"later sibling over earlier", nullptr, {105, 125}, "button", {5, 5}},
        {"parent beside its children", nullptr, {200, 300}, "logging", {200, 280}},
        {"main above the logging window", nullptr, {5, 5}, "main", {5, 5}},
        {"off every window", nullptr, {300, 400}, "", {}},
        {"disabled button: the profile beneath", [this] { button.disable(); }, {105, 125}, "profile", {95, 95}},
        {"hidden button: the profile beneath", [this] { button.hide(); }, {105, 125}, "profile", {95, 95}},
        {"disabled profile hides its marker", [this] { profile.disable(); }, {16, 36}, "logging", {16, 16}},
        {"raised profile over the button", [this] { profile.raise(); }, {105, 125}, "profile", {95, 95}},
        {"hidden logging window", [this] { logging.hide(); }, {50, 50}, "main", {50, 50}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TearDown();
        main.destroy();
        SetUp();
        if (c.arrange) c.arrange();
        Tap got = tap(c.at);
        EXPECT_EQ(got.window, c.window);
        if (!c.window.empty()) {
            EXPECT_EQ(got.client, c.client);
        }
        EXPECT_EQ(ui.window_at(c.at), c.window.empty() ? Window{} : ui.find("Probe", c.window));
    }
}

// The release goes to the window that took the press, also when the finger slid off it.
TEST_F(InputTest, ReleaseFollowsThePress) {
    ui.post_input(InputEvent::pointer_down({105, 125}));
    ui.post_input(InputEvent::pointer_up({20, 300}));
    ui.pump();
    ASSERT_EQ(taps.size(), 2u);
    EXPECT_EQ(taps[1].window, "button");
    EXPECT_EQ(taps[1].client, (Point{-80, 180}));
}

TEST_F(InputTest, KeysGoToTheFocusAndUnderAModalWindowStayInside) {
    ui.post_input(InputEvent::key_down(key::enter));
    ui.pump();
    EXPECT_TRUE(take_log().empty());  // nobody has the focus

    profile.focus();
    take_log();
    ui.post_input(InputEvent::key_down(key::letter('g')));
    ui.post_input(InputEvent::character('g'));
    ui.post_input(InputEvent::key_up(key::letter('g')));
    ui.pump();
    EXPECT_EQ(take_log(), (std::vector<std::string>{"profile:key_down", "profile:char", "profile:key_up"}));

    Window dialog = probe_window("dialog", {20, 40, 220, 200}, main);
    Window edit = probe_window("edit", {10, 10, 100, 30}, dialog);
    ui.pump();
    std::vector<std::string> seen;
    ui.post_input(InputEvent::key_down(key::escape));  // focus outside the dialog: to the dialog
    ui.post_input(InputEvent::pointer_down({5, 5}));   // the main window, outside the dialog
    ui.post_input(InputEvent::pointer_up({5, 5}));
    edit.post(msg::user);
    taps.clear();
    take_log();
    bool edit_focused = false;
    ui.run_modal(dialog, [&] {
        if (!edit_focused && log.size() >= 2) {
            seen = take_log();
            edit.focus();
            edit_focused = true;
            ui.post_input(InputEvent::key_down(key::tab));
            return false;
        }
        return edit_focused && !log.empty() && log.back() == "edit:key_down";
    });
    EXPECT_EQ(seen, (std::vector<std::string>{"dialog:key_down", "edit:1024"}));
    EXPECT_TRUE(taps.empty());
}

// The on-screen keyboard is a shell window: above every window created after it, and tappable
// while a dialog confines input; the dialog keeps everything else.
TEST_F(InputTest, TopMostShellWindowsStayOnTopAndTakeTapsUnderAModalWindow) {
    Window keyboard = make("keyboard", {0, 200, 240, 320}, {}, WindowStyle::Visible | WindowStyle::TopMost,
                           [this](Window, MessageId m, WParam, LParam lp) -> LResult {
                               if (m == msg::pointer_down) taps.push_back({"keyboard", {point_x(lp), point_y(lp)}});
                               return 0;
                           });
    Window dialog = probe_window("dialog", {20, 40, 220, 260});
    main.raise();
    EXPECT_EQ(ui.window_at({100, 250}), keyboard);
    EXPECT_EQ(ui.window_at({230, 100}), logging);

    taps.clear();
    ui.post_input(InputEvent::pointer_down({100, 250}));
    ui.post_input(InputEvent::pointer_down({5, 5}));  // main, outside the dialog: nowhere
    ui.post_input(InputEvent::pointer_down({100, 100}));
    ui.run_modal(dialog, [&] { return taps.size() >= 2; });
    ASSERT_EQ(taps.size(), 2u);
    EXPECT_EQ(taps[0].window, "keyboard");
    EXPECT_EQ(taps[0].client, (Point{100, 50}));
    EXPECT_EQ(taps[1].window, "dialog");
}

// A held capture takes presses anywhere, also beyond the modal window, until released.
TEST_F(InputTest, HeldCaptureTakesEveryPointerEventUntilReleased) {
    ui.set_capture(profile);
    EXPECT_EQ(ui.capture(), profile);
    EXPECT_EQ(tap({200, 300}).window, "profile");
    EXPECT_EQ(taps[0].client, (Point{190, 270}));
    Window dialog = probe_window("dialog", {20, 40, 220, 200});
    ui.set_capture(dialog);
    taps.clear();
    ui.post_input(InputEvent::pointer_down({5, 5}));
    ui.run_modal(dialog, [&] { return !taps.empty(); });
    ASSERT_EQ(taps.size(), 1u);
    EXPECT_EQ(taps[0].window, "dialog");
    EXPECT_EQ(taps[0].client, (Point{-15, -35}));
    ui.release_capture();
    EXPECT_EQ(tap({230, 300}).window, "logging");
    ui.set_capture(dialog);
    dialog.destroy();
    EXPECT_EQ(ui.capture(), Window{});
    EXPECT_EQ(tap({105, 125}).window, "button");
}

// A key whose handler opens a dialog with an edit: the character of that key still goes to the
// window that took the press, and the next key's to the edit.
TEST_F(InputTest, ACharacterFollowsItsKeyPressNotAFocusTheKeyMoved) {
    Window dialog = probe_window("dialog", {20, 40, 220, 200}, main);
    Window edit = probe_window("edit", {10, 10, 100, 30}, dialog);
    dialog.hide();
    probe(logging).react = [&](Window, MessageId m, WParam, LParam) -> LResult {
        if (m != msg::key_down) return 0;
        dialog.show();
        edit.focus();
        ui.run_modal(dialog, [&] { return !log.empty() && log.back() == "edit:key_up"; });
        return 0;
    };
    logging.focus();
    for (KeyCode k : {key::letter('c'), key::letter('x')}) {
        ui.post_input(InputEvent::key_down(k));
        ui.post_input(InputEvent::character(k + 'a' - 'A'));
        ui.post_input(InputEvent::key_up(k));
    }
    take_log();
    ui.pump();
    std::vector<std::string> keys;
    for (const std::string& entry : take_log()) {
        if (entry.find(":key") != std::string::npos || entry.find(":char") != std::string::npos) keys.push_back(entry);
    }
    EXPECT_EQ(keys, (std::vector<std::string>{"logging:key_down", "logging:char", "edit:key_up", "edit:key_down",
                                              "edit:char", "edit:key_up"}));
}

}  // namespace
}  // namespace zel::platform::testing
