#pragma once

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <string>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

#include "platform/backend/headless/headless_display.h"
#include "platform/clock/clock.h"
#include "platform/ui/screen.h"
#include "platform/ui/window_system.h"

namespace zel::platform::testing {

// A screen on the headless display with one full-screen owner window that paints itself
// white and records the commands it receives.
class ScreenFixture : public ::testing::Test {
protected:
    struct Owner {
        std::vector<WParam> commands;
        std::u32string typed;  // the characters it received
        std::function<void(Window, MessageId)> react;
        std::function<void()> when_shown;
    };
    static constexpr TimerId kWhenShownTimer = 77;

    static LResult owner_proc(Window w, MessageId m, WParam wp, LParam) {
        Owner* o = w.data<Owner>();
        if (o == nullptr) return 0;
        if (m == msg::command) o->commands.push_back(wp);
        if (m == msg::character) o->typed.push_back(static_cast<char32_t>(wp));
        if (m == msg::timer && wp == kWhenShownTimer) {
            w.kill_timer(kWhenShownTimer);
            if (o->when_shown) std::exchange(o->when_shown, {})();
            return 0;
        }
        if (o->react) o->react(w, m);
        return 0;
    }
    static LResult owner_paint(Window w, MessageId, WParam, LParam) {
        if (Screen* s = Screen::of(w)) s->painter(w).fill_rect(w.client_rect(), colors::white);
        return 0;
    }
    static constexpr MessageEntry kOwnerTable[] = {
        {msg::paint, owner_paint},       {msg::command, owner_proc}, {msg::timer, owner_proc},
        {msg::user, owner_proc},         {msg::user + 1, owner_proc}, {msg::character, owner_proc},
    };
    static constexpr WindowClass kOwnerClass{"Owner", kOwnerTable};

    void SetUp() override {
        std::string error;
        fonts = FontLibrary::open(error);
        ASSERT_TRUE(fonts) << error;
        screen = std::make_unique<Screen>(ui, display, *fonts);
        owner = ui.create({&kOwnerClass, "owner", {}, {0, 0, 240, 320}, WindowStyle::Visible, 0,
                           UserData::borrowed(owner_state)});
        ASSERT_FALSE(owner.is_null());
        screen->pump();
    }

    void press(KeyCode code) {
        ui.post_input(InputEvent::key_down(code));
        ui.post_input(InputEvent::key_up(code));
    }
    void tap(Point at) {
        ui.post_input(InputEvent::pointer_down(at));
        ui.post_input(InputEvent::pointer_up(at));
    }
    Color at(int x, int y) const { return screen->framebuffer().pixel(x, y); }

    // Runs `action` once from the owner's timer: inside whatever modal loop runs by then, after
    // the input before it and the paints it caused, as an operator acts on what is shown.
    void when_shown(std::function<void()> action) {
        owner_state.when_shown = std::move(action);
        owner.set_timer(kWhenShownTimer, 1);
        clock.advance(1);
    }
    // The first screen point inside `area` showing colour c; (-1, -1) when there is none.
    Point find_colour(Color c, const Rect& area) const {
        for (int y = area.top; y < area.bottom; ++y) {
            for (int x = area.left; x < area.right; ++x) {
                if (at(x, y) == c) return {x, y};
            }
        }
        return {-1, -1};
    }
    static Point centre(const Rect& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

    // Runs a modal call; a test whose modal loop never ends fails by quitting it instead of
    // hanging the suite.
    template <class F>
    auto guarded(F&& modal) {
        std::mutex m;
        std::condition_variable cv;
        bool done = false;
        std::thread guard([&] {
            std::unique_lock lock(m);
            if (!cv.wait_for(lock, std::chrono::seconds(10), [&] { return done; })) {
                ADD_FAILURE() << "the modal loop did not end";
                ui.quit(99);
            }
        });
        auto result = modal();
        {
            std::lock_guard lock(m);
            done = true;
        }
        cv.notify_all();
        guard.join();
        return result;
    }

    ManualClock clock;
    WindowSystem ui{clock};
    HeadlessDisplay display{{240, 320}};
    std::unique_ptr<FontLibrary> fonts;
    std::unique_ptr<Screen> screen;
    Owner owner_state;
    Window owner;
};

}  // namespace zel::platform::testing
