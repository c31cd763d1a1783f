#include "platform/ui/menus/popup_menu.h"

#include <gtest/gtest.h>

#include <future>

#include "platform/ui/menus/menu_layout.h"
#include "tests/platform/ui/screen_fixture.h"

namespace zel::platform::testing {
namespace {

constexpr MenuItem kGain[] = {{"&1 High", 61, MenuFlags::Checked}, {"&2 Low", 62}};
constexpr MenuItem kPopup[] = {
    {"New &Line", 42},  {"&New Station", 43}, {"&Comment", 44, MenuFlags::Disabled}, kMenuSeparator,
    {"E&M61 Gain", 0, MenuFlags::None, kGain}, {"&Toggle View", 49}, {"&Null", 50},
};
constexpr MenuItem kBar[] = {{"Menu", 0, MenuFlags::None, kPopup}};
constexpr MenuResource kMenus[] = {{40, kBar}};

constexpr Point kAt{180, 5};
constexpr PopupOptions kRightAligned{MenuAlign::Right, MenuReply::PostCommand};

class PopupMenuTest : public ScreenFixture {
protected:
    Menu popup() const { return Menu(find_menu(kMenus, 40)->items).submenu(0); }

    int run(PopupOptions options = kRightAligned) {
        return guarded([&] { return track_popup_menu(popup(), owner, kAt, options); });
    }

    // Where an entry of the root panel or of the gain submenu is on the screen.
    Point root_item(int index) const {
        MenuGeometry g = layout_menu(popup(), screen->ui_font());
        Rect panel = place_popup(g.size, kAt, MenuAlign::Right, screen->size());
        Rect item = g.items[index].translated(panel.left, panel.top);
        return {item.left + 5, item.top + item.height() / 2};
    }
    Point gain_item(int index) const {
        MenuGeometry root = layout_menu(popup(), screen->ui_font());
        Rect panel = place_popup(root.size, kAt, MenuAlign::Right, screen->size());
        Menu gain = popup().submenu(4);
        MenuGeometry g = layout_menu(gain, screen->ui_font());
        Rect sub = place_submenu(g.size, root.items[4].translated(panel.left, panel.top), panel, screen->size());
        Rect item = g.items[index].translated(sub.left, sub.top);
        return {item.left + 5, item.top + item.height() / 2};
    }
};

TEST_F(PopupMenuTest, KeysChooseHighlightOpenAndClose) {
    struct Case {
        const char* what;
        std::vector<KeyCode> keys;
        int chosen;
    } cases[] = {
        {"down highlights the first item", {key::down, key::enter}, 42},
        {"down twice", {key::down, key::down, key::enter}, 43},
        {"up wraps to the last", {key::up, key::enter}, 50},
        {"separator skipped", {key::down, key::down, key::down, key::down, key::enter, key::enter}, 61},
        {"disabled item is not chosen", {key::down, key::down, key::down, key::enter, key::escape}, 0},
        {"mnemonic chooses at once", {key::letter('l')}, 42},
        {"mnemonic of a disabled item does nothing", {key::letter('c'), key::escape}, 0},
        {"shared mnemonic steps", {key::letter('n'), key::letter('n'), key::enter}, 50},
        {"mnemonic opens a submenu", {key::letter('m'), key::digit(2)}, 62},
        {"submenu by right", {key::up, key::up, key::up, key::right, key::down, key::enter}, 62},
        {"right on a plain item does nothing", {key::down, key::right, key::enter}, 42},
        {"left closes the submenu", {key::letter('m'), key::left, key::down, key::enter}, 49},
        {"escape closes the submenu only", {key::letter('m'), key::escape, key::letter('t')}, 49},
        {"escape dismisses", {key::escape}, 0},
        {"unknown letter does nothing", {key::letter('z'), key::escape}, 0},
        {"enter with nothing highlighted", {key::enter, key::escape}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        owner_state.commands.clear();
        for (KeyCode k : c.keys) press(k);
        EXPECT_EQ(run(), c.chosen);
        screen->pump();  // what the menu left: key releases
        if (c.chosen != 0) {
            EXPECT_EQ(owner_state.commands, std::vector<WParam>{make_wparam(c.chosen, 0)});
        } else {
            EXPECT_TRUE(owner_state.commands.empty());
        }
        EXPECT_EQ(ui.capture(), Window{});
        EXPECT_TRUE(ui.find("PopupMenu").is_null());
    }
}

TEST_F(PopupMenuTest, TapsChooseOpenSubmenusAndDismiss) {
    struct Case {
        const char* what;
        std::vector<Point> taps;
        int chosen;
    } cases[] = {
        {"item", {root_item(1)}, 43},
        {"outside dismisses", {{5, 300}}, 0},
        {"submenu item", {root_item(4), gain_item(1)}, 62},
        {"disabled item keeps it open", {root_item(2), root_item(5)}, 49},
        {"separator keeps it open", {root_item(3), root_item(0)}, 42},
        {"opening item keeps it open", {root_item(4), root_item(4), gain_item(0)}, 61},
        {"outside with a submenu open", {root_item(4), {5, 300}}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        for (Point p : c.taps) tap(p);
        EXPECT_EQ(run(), c.chosen);
        screen->pump();
    }
}

// The release of the tap that opened the menu falls on the menu; only a press in the menu
// makes a release choose.
TEST_F(PopupMenuTest, AReleaseWithoutItsPressChoosesNothing) {
    ui.post_input(InputEvent::pointer_up(root_item(0)));
    tap(root_item(1));
    EXPECT_EQ(run(), 43);
}

TEST_F(PopupMenuTest, ReturnOnlyPostsNothing) {
    press(key::letter('t'));
    EXPECT_EQ(run({MenuAlign::Left, MenuReply::ReturnOnly}), 49);
    screen->pump();
    EXPECT_TRUE(owner_state.commands.empty());
}

// While the menu is open the run timer keeps firing and a reader's posts and sends are
// handled; the operator's Escape then closes it.
TEST_F(PopupMenuTest, ModalLoopKeepsHandlingDeviceMessagesAndTimers) {
    std::atomic<int> readings = 0, timers = 0;
    owner_state.react = [&](Window, MessageId m) {
        if (m == msg::user) ++readings;
        if (m == msg::timer) {
            ++timers;
            clock.advance(70);
        }
    };
    ASSERT_TRUE(owner.set_timer(1, 70));
    clock.advance(70);
    auto reader = std::async(std::launch::async, [&] {
        for (int i = 0; i < 3; ++i) owner.post(msg::user);
        owner.send(msg::user);
        while (timers < 3) std::this_thread::yield();
        ui.post_input(InputEvent::key_down(key::escape));
    });
    EXPECT_EQ(run(), 0);
    reader.get();
    EXPECT_EQ(readings.load(), 4);
    EXPECT_GE(timers.load(), 3);
}

TEST_F(PopupMenuTest, DrawsOverTheOwnerAndClosingRepaintsIt) {
    Point item = root_item(1);
    Color highlighted = 0;
    owner_state.react = [&](Window w, MessageId m) {
        if (m != msg::timer) return;
        w.kill_timer(1);
        highlighted = at(item.x, item.y);
        press(key::escape);
    };
    press(key::down);
    press(key::down);
    owner.set_timer(1, 1);  // fires once the keys and the paints they caused are done
    clock.advance(1);
    EXPECT_EQ(run(), 0);
    screen->pump();
    EXPECT_EQ(highlighted, rgb(0, 0, 128));
    for (Point p : {item, root_item(0), root_item(6)}) {
        SCOPED_TRACE(p.y);
        EXPECT_EQ(at(p.x, p.y), colors::white);
    }
}

TEST_F(PopupMenuTest, NothingShownWithoutAnOwnerOnAScreenOrWithoutItems) {
    EXPECT_EQ(track_popup_menu(popup(), Window{}, kAt), 0);
    EXPECT_EQ(track_popup_menu(Menu(), owner, kAt), 0);
    EXPECT_TRUE(ui.find("PopupMenu").is_null());
}

}  // namespace
}  // namespace zel::platform::testing
