#include "platform/backend/headless/headless_display.h"

#include <gtest/gtest.h>

#include <thread>

#include "platform/gfx/painter.h"

namespace zel::platform {
namespace {

using namespace std::chrono_literals;

TEST(HeadlessDisplay, PresentsOnlyWhatWasDrawn) {
    HeadlessDisplay display({240, 320});
    Framebuffer fb(display.size());
    display.present_damage(fb);
    EXPECT_EQ(display.present_count(), 0);

    Painter p(fb, Rect{10, 20, 50, 60});
    p.fill_rect({0, 0, 5, 5}, colors::white);
    display.present_damage(fb);
    EXPECT_EQ(display.present_count(), 1);
    EXPECT_EQ(display.last_presented(), (Rect{10, 20, 15, 25}));
    display.present_damage(fb);
    EXPECT_EQ(display.present_count(), 1);
}

TEST(HeadlessDisplay, InjectedInputArrivesInOrderAndWakesAWait) {
    HeadlessDisplay display({240, 320});
    EXPECT_FALSE(display.poll_event());
    EXPECT_FALSE(display.wait_event(1ms));

    std::thread injector([&] {
        std::this_thread::sleep_for(20ms);
        display.inject(DisplayEvent::key_down(13));
        display.inject(DisplayEvent::pointer(DisplayEventKind::PointerDown, {5, 6}));
    });
    EXPECT_TRUE(display.wait_event(10s));
    injector.join();
    EXPECT_EQ(display.poll_event(), DisplayEvent::key_down(13));
    EXPECT_EQ(display.poll_event(), DisplayEvent::pointer(DisplayEventKind::PointerDown, {5, 6}));
    EXPECT_FALSE(display.poll_event());

    // A wake without input ends the wait early and reports no input.
    std::thread waker([&] {
        std::this_thread::sleep_for(20ms);
        display.wake();
    });
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(display.wait_event(10s));
    EXPECT_LT(std::chrono::steady_clock::now() - start, 5s);
    waker.join();
}

TEST(HeadlessDisplay, CountsBeepsByKind) {
    HeadlessDisplay display({240, 320});
    for (int i = 0; i < 3; ++i) display.beep(beep_for_value(16));
    display.beep(beep_for_value(48));
    display.keep_awake();
    EXPECT_EQ(display.beep_count(Beep::Hand), 3);
    EXPECT_EQ(display.beep_count(Beep::Exclamation), 1);
    EXPECT_EQ(display.beep_count(Beep::Simple), 0);
    EXPECT_EQ(display.beep_count(), 4);
    EXPECT_EQ(display.keep_awake_calls(), 1);
}

}  // namespace
}  // namespace zel::platform
