#include "ui_fixture.h"

#include <algorithm>

namespace zel::platform::testing {
namespace {

int g_first = 0;
int g_second = 0;

LResult first_handler(Window, MessageId, WParam, LParam) { return ++g_first; }
LResult second_handler(Window, MessageId, WParam, LParam) { return ++g_second; }

constexpr MessageEntry kOrderTable[] = {
    {msg::size, first_handler},
    {msg::user + 12, first_handler},
    {msg::user + 12, second_handler},  // never reached: the first match handles it
};
constexpr WindowClass kOrderClass{"LoggingWnd", kOrderTable};

TEST_F(UiTest, TableIsSearchedInOrderAndUnknownMessagesGetDefaultProcessing) {
    g_first = g_second = 0;
    Window w = ui.create({.window_class = &kOrderClass, .title = "Logging", .rect = {0, 0, 240, 320}});
    ASSERT_TRUE(w.alive());
    EXPECT_EQ(w.send(msg::user + 12), 1);
    EXPECT_EQ(g_second, 0);
    EXPECT_EQ(w.send(msg::user + 13), 0);  // a device message of another build
    EXPECT_EQ(g_first, 1);

    w.close();  // not in the table: default processing destroys the window
    EXPECT_FALSE(w.alive());
}

TEST_F(UiTest, CloseHandledByTheClassDoesNotDestroy) {
    static constexpr MessageEntry kKeepTable[] = {{msg::close, [](Window, MessageId, WParam, LParam) -> LResult { return 0; }}};
    static constexpr WindowClass kKeepClass{"Keep", kKeepTable};
    Window w = ui.create({.window_class = &kKeepClass, .rect = {0, 0, 10, 10}});
    w.close();
    EXPECT_TRUE(w.alive());
}

TEST_F(UiTest, DestroyGoesChildrenFirstAndLeavesDeadHandlesHarmless) {
    Window main = make("main", {0, 0, 240, 320});
    Window logging = make("logging", {0, 0, 240, 320}, main);
    Window curve = make("curve", {0, 40, 240, 200}, logging);
    Window bars = make("bars", {0, 200, 240, 280}, logging);
    Window other = make("other", {0, 0, 10, 10});
    ASSERT_TRUE(logging.set_timer(1, 70));
    curve.focus();
    take_log();

    logging.destroy();
    EXPECT_EQ(take_log(), (std::vector<std::string>{"curve:kill_focus", "main:set_focus", "curve:destroy",
                                                     "bars:destroy", "logging:destroy"}));
    for (Window dead : {logging, curve, bars}) {
        EXPECT_FALSE(dead.alive());
        EXPECT_EQ(dead.text(), "");
        EXPECT_EQ(dead.rect(), Rect{});
        EXPECT_EQ(dead.send(msg::user), 0);
        EXPECT_FALSE(dead.post(msg::user));
        EXPECT_TRUE(dead.parent().is_null());
        dead.show();
        dead.move({1, 1, 2, 2});
        dead.destroy();
    }
    EXPECT_TRUE(main.has_focus());
    EXPECT_TRUE(main.child(0).is_null());
    EXPECT_TRUE(other.alive());
    clock.advance(1000);
    ui.pump();
    EXPECT_EQ(std::count(log.begin(), log.end(), "logging:timer"), 0);
}

// The window's state is freed only after the handler that destroyed the window has returned.
TEST_F(UiTest, HandlerMayDestroyItsOwnWindowAndStillUseItsState) {
    struct State {
        int* freed;
        int count = 0;
        ~State() { ++*freed; }
    };
    static constexpr MessageEntry kSelfTable[] = {{msg::user, [](Window w, MessageId, WParam, LParam) -> LResult {
        State* s = w.data<State>();
        w.destroy();
        EXPECT_EQ(w.data<State>(), nullptr);
        EXPECT_EQ(*s->freed, 0);
        return ++s->count;
    }}};
    static constexpr WindowClass kSelfClass{"Self", kSelfTable};
    int freed = 0;
    Window w = ui.create({.window_class = &kSelfClass, .rect = {0, 0, 10, 10}, .data = UserData::owned<State>(&freed)});
    ASSERT_NE(w.data<State>(), nullptr);
    EXPECT_EQ(w.data<int>(), nullptr);  // the wrong type gives nothing
    EXPECT_EQ(w.send(msg::user), 1);
    EXPECT_EQ(freed, 1);
}

TEST_F(UiTest, CreateRefusedByItsHandlerGivesANullHandle) {
    Window parent = make("parent", {0, 0, 100, 100});
    Window refused = make("refused", {0, 0, 10, 10}, parent, WindowStyle::Visible,
                          [](Window, MessageId m, WParam, LParam) -> LResult { return m == msg::create ? -1 : 0; });
    EXPECT_TRUE(refused.is_null());
    EXPECT_EQ(log, (std::vector<std::string>{"parent:create", "refused:create", "refused:destroy"}));
    EXPECT_TRUE(parent.child(0).is_null());
    EXPECT_TRUE(ui.create({.title = "x"}).is_null());
    Window gone = make("gone", {0, 0, 10, 10});
    gone.destroy();
    EXPECT_TRUE(make("orphan", {0, 0, 5, 5}, gone).is_null());
}

TEST_F(UiTest, FindTextMoveAndSize) {
    Window main = make("EM61", {0, 0, 240, 320});
    Window sip = make("MS_SIPBUTTON", {0, 0, 10, 10}, main);
    EXPECT_EQ(ui.find("Probe", "MS_SIPBUTTON"), sip);
    EXPECT_EQ(ui.find("Probe"), main);
    EXPECT_TRUE(ui.find("Probe", "HHTaskBar").is_null());
    EXPECT_TRUE(ui.find("Other").is_null());

    main.set_text("ZEL");
    EXPECT_EQ(main.text(), "ZEL");
    EXPECT_EQ(ui.find("Probe", "ZEL"), main);

    take_log();
    main.move({0, 0, 480, 676});
    main.move({0, 0, 480, 676});  // unchanged: no message
    main.move({10, 0, 490, 676}); // moved only: no size message
    EXPECT_EQ(take_log(), (std::vector<std::string>{"EM61:size"}));
    EXPECT_EQ(sip.screen_rect(), (Rect{10, 0, 20, 10}));
    std::vector<LParam> sizes;
    Window m2 = make("m2", {0, 0, 10, 10}, {}, WindowStyle::None, [&](Window, MessageId m, WParam, LParam lp) -> LResult {
        if (m == msg::size) sizes.push_back(lp);
        return 0;
    });
    m2.move({0, 0, 320, 240});
    ASSERT_EQ(sizes.size(), 1u);
    EXPECT_EQ(point_x(sizes[0]), 320);
    EXPECT_EQ(point_y(sizes[0]), 240);
}

TEST_F(UiTest, HidingOrDisablingTheFocusHolderHandsTheFocusToItsParent) {
    Window main = make("main", {0, 0, 240, 320});
    Window a = make("a", {0, 0, 10, 10}, main);
    Window b = make("b", {0, 0, 10, 10}, main);
    a.focus();
    a.hide();
    EXPECT_TRUE(main.has_focus());
    b.focus();
    b.disable();
    EXPECT_TRUE(main.has_focus());
    a.focus();
    Window previous = ui.set_focus({});
    EXPECT_EQ(previous, a);
    EXPECT_TRUE(ui.focus().is_null());
}

}  // namespace
}  // namespace zel::platform::testing
