#include "platform/ui/screen.h"

#include <gtest/gtest.h>

#include "platform/backend/headless/headless_display.h"
#include "ui_fixture.h"

namespace zel::platform::testing {
namespace {

constexpr Color kRed = rgb(255, 0, 0);
constexpr Color kBlue = rgb(0, 0, 255);

class ScreenTest : public UiTest {
protected:
    void SetUp() override {
        std::string error;
        fonts = FontLibrary::open(error);
        ASSERT_TRUE(fonts) << error;
        screen = std::make_unique<Screen>(ui, display, *fonts);
    }

    Color at(int x, int y) const { return screen->framebuffer().pixel(x, y); }

    HeadlessDisplay display{{240, 320}};
    std::unique_ptr<FontLibrary> fonts;
    std::unique_ptr<Screen> screen;
};

TEST_F(ScreenTest, PainterIsBoundToTheWindowAndClippedByItsAncestors) {
    Window main = make("main", {0, 0, 240, 320});
    Window panel = make("panel", {100, 100, 200, 200}, main);
    Window edge = make("edge", {50, 80, 150, 120}, panel);  // sticks out of the panel
    ui.pump();
    EXPECT_EQ(Screen::of(edge), screen.get());
    EXPECT_NE(screen->painter(edge).font(), nullptr);

    Painter p = screen->painter(edge);
    p.fill_rect({-1000, -1000, 1000, 1000}, kRed);
    EXPECT_EQ(at(150, 180), kRed);   // the window's client (0, 0)
    EXPECT_EQ(at(199, 199), kRed);   // the panel's last pixel
    EXPECT_NE(at(200, 199), kRed);   // beyond the panel
    EXPECT_NE(at(149, 180), kRed);
    EXPECT_NE(at(150, 179), kRed);

    screen->painter(edge, {10, 10, 12, 12}).fill_rect({0, 0, 100, 100}, kBlue);
    EXPECT_EQ(at(160, 190), kBlue);
    EXPECT_EQ(at(162, 190), kRed);

    panel.hide();
    ui.pump();
    screen->framebuffer().fill(colors::white);
    screen->painter(edge).fill_rect({0, 0, 100, 100}, kRed);
    EXPECT_EQ(at(160, 190), colors::white);
}

// Readings draw at once, also while a dialog lies over the window: what a dialog covers is
// left alone, areas beside it still update, and a paint draws everything (the dialog is
// painted again after it).
TEST_F(ScreenTest, ImmediateDrawingLeavesCoveringWindowsAlone) {
    Window logging = make("logging", {0, 0, 240, 320});
    make("dialog", {20, 100, 220, 200});
    ui.pump();
    screen->framebuffer().fill(colors::white);

    screen->painter(logging).fill_rect({0, 0, 240, 320}, kRed);
    EXPECT_EQ(at(5, 5), colors::white);
    EXPECT_EQ(at(50, 150), colors::white);
    screen->painter(logging, {0, 0, 240, 20}).fill_rect({0, 0, 240, 320}, kRed);  // a status field
    EXPECT_EQ(at(5, 5), kRed);
    EXPECT_EQ(at(5, 25), colors::white);

    probe(logging).react = [&](Window w, MessageId m, WParam, LParam) -> LResult {
        if (m == msg::paint) screen->painter(w).fill_rect({0, 0, 240, 320}, kBlue);
        return 0;
    };
    logging.invalidate({0, 90, 240, 110});
    logging.update();
    EXPECT_EQ(at(50, 100), kBlue);   // under the dialog: it is invalid now and paints itself again
    EXPECT_EQ(at(50, 89), colors::white);  // outside the paint rectangle
    EXPECT_EQ(at(50, 110), colors::white);
}

TEST_F(ScreenTest, DisplayInputReachesTheWindowsAndIsPresented) {
    Window main = make("main", {0, 0, 240, 320});
    Window button = make("button", {10, 10, 60, 40}, main);
    main.focus();
    ui.pump();
    take_log();

    display.inject(DisplayEvent::key_down(key::letter('L')));
    display.inject(DisplayEvent::typed(U'l'));
    display.inject(DisplayEvent::key_up(key::letter('L')));
    display.inject(DisplayEvent::pointer(DisplayEventKind::PointerDown, {20, 20}));
    display.inject(DisplayEvent::pointer(DisplayEventKind::PointerUp, {300, 20}));
    int presents = display.present_count();
    screen->painter(button).fill_rect({0, 0, 5, 5}, kRed);
    screen->pump();
    EXPECT_EQ(take_log(), (std::vector<std::string>{"main:key_down", "main:char", "main:key_up",
                                                    "button:down", "button:up"}));
    EXPECT_EQ(display.present_count(), presents + 1);
    EXPECT_EQ(display.last_presented(), (Rect{10, 10, 15, 15}));
    screen->pump();
    EXPECT_EQ(display.present_count(), presents + 1);  // nothing new drawn, nothing presented
}

TEST_F(ScreenTest, BeepsGoToTheDisplayByTheirValue) {
    screen->message_beep(48);
    screen->message_beep(0xFFFFFFFF);
    screen->beep(Beep::Question);
    EXPECT_EQ(display.beep_count(Beep::Exclamation), 1);
    EXPECT_EQ(display.beep_count(Beep::Simple), 1);
    EXPECT_EQ(display.beep_count(Beep::Question), 1);
}

// The running loop itself polls the display: input and the window's close button arrive
// without anybody pumping.
TEST_F(ScreenTest, TheLoopPollsTheDisplayAndAQuitEventEndsIt) {
    Window main = make("main", {0, 0, 240, 320}, {}, WindowStyle::Visible,
                       [&](Window w, MessageId m, WParam, LParam) -> LResult {
                           if (m == msg::paint) screen->painter(w).fill_rect({0, 0, 10, 10}, kRed);
                           return 0;
                       });
    main.focus();
    display.inject(DisplayEvent::key_down(key::enter));
    display.inject(DisplayEvent::quit());
    EXPECT_EQ(ui.run(), 0);
    auto messages = take_log();
    EXPECT_NE(std::find(messages.begin(), messages.end(), "main:key_down"), messages.end());
    EXPECT_EQ(display.present_count(), 1);
    EXPECT_EQ(display.last_presented(), (Rect{0, 0, 10, 10}));

    int quits = 0;
    screen->set_quit_handler([&] { ++quits; ui.quit(7); });
    display.inject(DisplayEvent::quit());
    EXPECT_EQ(ui.run(), 7);
    EXPECT_EQ(quits, 1);
}

TEST(ScreenRegistry, AWindowSystemWithoutScreenHasNone) {
    ManualClock clock;
    WindowSystem ui(clock);
    EXPECT_EQ(Screen::of(&ui), nullptr);
    EXPECT_EQ(Screen::of(Window{}), nullptr);
}

}  // namespace
}  // namespace zel::platform::testing
