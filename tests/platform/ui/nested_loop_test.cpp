#include "ui_fixture.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <future>
#include <thread>

namespace zel::platform::testing {
namespace {

using namespace std::chrono_literals;

constexpr auto kHangGuard = 10s;

// While a dialog runs its modal loop, a device thread posts and sends to the main window and
// the run timer keeps firing; the dialog ends when the device thread closes it.
TEST_F(UiTest, ModalLoopKeepsHandlingDeviceMessagesAndTimers) {
    std::atomic<int> timers = 0;
    Window main = make("main", {0, 0, 240, 320}, {}, WindowStyle::Visible, [&](Window, MessageId m, WParam, LParam) -> LResult {
        // Each reading and each tick moves time on, so the timer stays due without real waiting.
        if (m == msg::user || m == msg::timer) clock.advance(70);
        if (m == msg::timer) ++timers;
        return m == msg::user + 1 ? 11 : 0;
    });
    Window dialog = make("dialog", {20, 20, 200, 200}, main);
    ASSERT_TRUE(main.set_timer(1, 70));

    std::future<LResult> device;
    Window trigger = make("trigger", {}, {}, WindowStyle::None, [&](Window, MessageId m, WParam, LParam) -> LResult {
        if (m != msg::user) return 0;
        device = std::async(std::launch::async, [&] {
            for (int i = 0; i < 3; ++i) main.post(msg::user);
            LResult r = main.send(msg::user + 1);
            while (timers < 2) std::this_thread::yield();
            dialog.post(msg::close);
            return r;
        });
        return 0;
    });
    trigger.post(msg::user);
    take_log();

    EXPECT_EQ(ui.run_modal(dialog, [] { return false; }), ModalEnd::WindowGone);
    ASSERT_EQ(device.wait_for(kHangGuard), std::future_status::ready);
    EXPECT_EQ(device.get(), 11);
    EXPECT_EQ(std::count(log.begin(), log.end(), "main:1024"), 3);
    EXPECT_EQ(std::count(log.begin(), log.end(), "main:1025"), 1);
    EXPECT_GE(timers.load(), 2);
    EXPECT_NE(std::find(log.begin(), log.end(), "dialog:destroy"), log.end());
}

TEST_F(UiTest, QuitEndsNestedLoopsAndTheMainLoopWithItsCode) {
    ModalEnd inner = ModalEnd::Finished;
    Window w = make("w", {0, 0, 10, 10}, {}, WindowStyle::Visible, [&](Window self, MessageId m, WParam, LParam) -> LResult {
        if (m == msg::user) {
            self.post(msg::user + 1);
            inner = ui.run_modal(self, [] { return false; });
        } else if (m == msg::user + 1) {
            ui.quit(16);
        }
        return 0;
    });
    w.post(msg::user);
    EXPECT_EQ(ui.run(), 16);
    EXPECT_EQ(inner, ModalEnd::Quit);
}

TEST_F(UiTest, ModalLoopEndsWhenItsConditionHolds) {
    bool done = false;
    Window w = make("w", {0, 0, 10, 10}, {}, WindowStyle::None, [&](Window, MessageId m, WParam, LParam) -> LResult {
        if (m == msg::user) done = true;
        return 0;
    });
    w.post(msg::user);
    w.post(msg::user + 1);
    EXPECT_EQ(ui.run_modal(w, [&] { return done; }), ModalEnd::Finished);
    take_log();
    EXPECT_EQ(ui.pump(), 1u);  // the second post is left for the outer loop
    EXPECT_EQ(take_log(), (std::vector<std::string>{"w:1025"}));
}

// The end of a run waits for the GPS reader, which may be blocked sending its last sentence:
// the wait serves that send at once, and the reader then ends without any time passing.
TEST_F(UiTest, ServingWaitReleasesABlockedSenderAtOnce) {
    std::atomic<int> reader_state = 1;  // 1 running, 2 ended
    Window w = make("w", {0, 0, 10, 10}, {}, WindowStyle::None, [](Window, MessageId, WParam, LParam) -> LResult { return 8; });
    w.post(msg::user + 1);
    take_log();
    auto reader = std::async(std::launch::async, [&] {
        LResult r = w.send(msg::user);
        reader_state = 2;
        ui.wake();
        return r;
    });
    EXPECT_EQ(ui.wait_serving([&] { return reader_state != 1; }, 5001), WaitEnd::Satisfied);
    EXPECT_EQ(clock.tick(), 0u);
    EXPECT_EQ(reader.get(), 8);
    EXPECT_EQ(take_log(), (std::vector<std::string>{"w:1024"}));  // the post waits for the loop
}

TEST_F(UiTest, ServingWaitGivesUpAtItsTimeOutAndNotBefore) {
    int checks = 0;
    auto never = [&] {
        ++checks;
        clock.advance(1000);
        return false;
    };
    EXPECT_EQ(ui.wait_serving(never, 5001), WaitEnd::TimedOut);
    EXPECT_EQ(checks, 6);  // at 1000 .. 5000 ms it waits on; after 6000 ms it gives up
    EXPECT_EQ(ui.wait_serving([] { return true; }, 0), WaitEnd::Satisfied);
}

}  // namespace
}  // namespace zel::platform::testing
