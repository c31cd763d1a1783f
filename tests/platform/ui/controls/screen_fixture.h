#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/backend/headless/headless_display.h"
#include "platform/backend/key_codes.h"
#include "platform/clock/clock.h"
#include "platform/ui/controls/control_look.h"
#include "platform/ui/controls/controls.h"
#include "platform/ui/screen.h"
#include "platform/ui/window_system.h"

namespace zel::platform::testing {

struct Command {
    int id = 0;
    int code = 0;
    friend bool operator==(const Command&, const Command&) = default;
};

inline std::ostream& operator<<(std::ostream& os, const Command& c) {
    return os << "{" << c.id << ", " << c.code << "}";
}

// What the host window heard from its controls.
struct HostLog {
    std::vector<Command> commands;
    std::vector<KeyCode> keys;
};

inline LResult host_paint(Window w, MessageId, WParam, LParam) {
    if (Screen* s = Screen::of(w)) s->painter(w).fill_rect(w.client_rect(), look::face);
    return 0;
}
inline LResult host_command(Window w, MessageId, WParam wparam, LParam) {
    if (HostLog* log = w.data<HostLog>()) log->commands.push_back({low_word(wparam), high_word(wparam)});
    return 0;
}
inline LResult host_key(Window w, MessageId, WParam key, LParam) {
    if (HostLog* log = w.data<HostLog>()) log->keys.push_back(static_cast<KeyCode>(key));
    return 0;
}
inline constexpr MessageEntry kHostTable[] = {
    {msg::paint, host_paint}, {msg::command, host_command}, {msg::key_down, host_key}};
inline constexpr WindowClass kHostClass{"Host", kHostTable};

// A window that runs a callback on its timer: what happens while a nested loop is running.
struct TimerHook {
    std::function<void(Window)> fire;
};
inline LResult hook_timer(Window w, MessageId, WParam, LParam) {
    if (TimerHook* hook = w.data<TimerHook>()) hook->fire(w);
    return 0;
}
inline constexpr MessageEntry kHookTable[] = {{msg::timer, hook_timer}};
inline constexpr WindowClass kHookClass{"TimerHook", kHookTable};

// A headless screen with a full-screen host window; input goes in through the display, as a
// backend delivers it.
class ScreenTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string error;
        fonts = FontLibrary::open(error);
        ASSERT_TRUE(fonts) << error;
        screen = std::make_unique<Screen>(ui, display, *fonts);
        host = ui.create({&kHostClass, "host", {}, {0, 0, 240, 320}, WindowStyle::Visible, 0,
                          UserData::borrowed(log)});
        pump();
    }

    std::size_t pump() { return screen->pump(); }

    void tap(Point screen_point) {
        display.inject(DisplayEvent::pointer(DisplayEventKind::PointerDown, screen_point));
        display.inject(DisplayEvent::pointer(DisplayEventKind::PointerUp, screen_point));
    }
    // The middle of a window, or a point in its client area.
    void tap(Window w) {
        Rect r = w.screen_rect();
        tap({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
    }
    void tap(Window w, Point client) { tap(w.to_screen(client)); }
    void press(KeyCode code) {
        display.inject(DisplayEvent::key_down(code));
        display.inject(DisplayEvent::key_up(code));
    }
    // Each character as a keyboard delivers it: its key, the character, the key's release.
    void type(std::string_view text) {
        for (char c : text) {
            auto stroke = key_for_character(static_cast<char32_t>(c));
            ASSERT_TRUE(stroke) << c;
            display.inject(DisplayEvent::key_down(stroke->key_code));
            display.inject(DisplayEvent::typed(stroke->character));
            display.inject(DisplayEvent::key_up(stroke->key_code));
        }
    }
    // Runs `fire` once, on the first loop turn from now that handles timers.
    void on_next_timer(std::function<void()> fire) {
        TimerHook& hook = m_hooks.emplace_back(TimerHook{[fire = std::move(fire)](Window w) {
            w.kill_timer(1);
            fire();
        }});
        Window w = ui.create({&kHookClass, "", {}, {}, WindowStyle::None, 0, UserData::borrowed(hook)});
        w.set_timer(1, 10);
        clock.advance(10);
    }
    std::vector<Command> take_commands() { return std::exchange(log.commands, {}); }
    Color at(Point p) const { return screen->framebuffer().pixel(p.x, p.y); }
    // Pixels of r that differ from `c`.
    int count_not(const Rect& r, Color c) const {
        int n = 0;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x) n += at({x, y}) != c ? 1 : 0;
        return n;
    }

    ManualClock clock;
    WindowSystem ui{clock};
    HeadlessDisplay display{{240, 320}};
    std::unique_ptr<FontLibrary> fonts;
    std::unique_ptr<Screen> screen;
    HostLog log;
    Window host;

private:
    std::deque<TimerHook> m_hooks;
};

}  // namespace zel::platform::testing
