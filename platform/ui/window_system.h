#pragma once

#include "platform/clock/clock.h"
#include "platform/ui/input_event.h"
#include "platform/ui/message_queue.h"
#include "platform/ui/timer_table.h"
#include "platform/ui/window.h"
#include "platform/ui/window_class.h"
#include "platform/ui/window_tree.h"

#include <atomic>
#include <cstddef>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace zel::platform {

enum class WindowStyle : std::uint32_t {
    None = 0,
    Visible = 1 << 0,
    Disabled = 1 << 1,
    // A shell window (the on-screen keyboard): it stays above the other top-level windows and
    // takes taps also while a modal window confines input elsewhere.
    TopMost = 1 << 2,
};
constexpr WindowStyle operator|(WindowStyle a, WindowStyle b) {
    return static_cast<WindowStyle>(static_cast<std::uint32_t>(a) | static_cast<std::uint32_t>(b));
}
constexpr bool has(WindowStyle set, WindowStyle flag) {
    return (static_cast<std::uint32_t>(set) & static_cast<std::uint32_t>(flag)) != 0;
}

struct WindowSpec {
    const WindowClass* window_class = nullptr;
    std::string title{};
    Window parent{};  // a null handle makes a top-level window
    Rect rect{};      // in the parent's client area, or on the screen for a top-level window
    WindowStyle style = WindowStyle::None;
    int control_id = 0;
    UserData data{};  // set before the create message, so its handler finds it
};

enum class ModalEnd {
    Finished,    // the condition came true
    WindowGone,  // the modal window was destroyed
    Quit,        // quit was requested; the request stays for the outer loops
};

enum class WaitEnd { Satisfied, TimedOut };

// Messages waiting for the window thread: a backlog that grows shows a window thread that does
// not keep up with its devices.
struct QueueDepth {
    std::size_t sent = 0;
    std::size_t posted = 0;  // posted messages and input
};

// The window thread's side of the user interface: the windows, their message queues, timers,
// painting and input routing, and the loops that drive them.
//
// Order of delivery, at every point where a loop takes the next message (the main loop, a modal
// loop, pump): first the messages sent from other threads, in the order they were sent; then
// the quit request; then posted messages and input in the order they were queued; then paints
// of invalid windows; then due timers. Sent messages therefore overtake posted ones, also those
// posted earlier by the same thread, and a sender is never held up behind a backlog of posts.
// The serving wait takes only sent messages.
class WindowSystem {
public:
    explicit WindowSystem(const Clock& clock);
    ~WindowSystem();
    WindowSystem(const WindowSystem&) = delete;
    WindowSystem& operator=(const WindowSystem&) = delete;

    // The window thread is the thread that constructed the system, until another adopts it
    // (before any loop runs there).
    void adopt_current_thread();
    bool on_window_thread() const;
    const Clock& clock() const { return m_clock; }

    // Window thread only. Returns a null handle when the class is missing, the parent is not
    // alive or the create handler answers -1.
    Window create(const WindowSpec& desc);
    Window window(WindowId id);
    Window find(std::string_view class_name);
    Window find(std::string_view class_name, std::string_view title);
    Window focus() const;
    // Returns the window that had the focus. A null handle takes the focus away.
    Window set_focus(Window window);
    Window window_at(Point screen) const;
    // Until released, every pointer event goes to this window in its client coordinates,
    // wherever it lands and whatever modal window confines input: how a popup menu learns of a
    // tap outside itself. The capture ends with release_capture or the window's destruction.
    void set_capture(Window window);
    void release_capture();
    Window capture() const;

    // Any thread. On the window thread send calls the handler directly; from another thread it
    // waits until the window thread has handled it. 0 when the window is gone or the loop ended.
    LResult send(Window window, MessageId message, WParam wparam = 0, LParam lparam = 0);
    bool post(Window window, MessageId message, WParam wparam = 0, LParam lparam = 0);
    bool post_input(const InputEvent& event);
    void quit(int exit_code);
    QueueDepth queue_depth() const;
    // Wakes a waiting loop so it looks at the clock and its conditions again.
    void wake();

    // Window thread only. Runs until quit; returns the exit code. When the outermost loop ends,
    // every waiting sender is released with 0 and later sends and posts are refused.
    int run();
    // Handles everything that is ready now without waiting; returns how many were handled.
    std::size_t pump();
    // A nested loop that handles everything, as run does, with input confined to the modal
    // window and its children; a null modal window confines nothing. The condition is checked
    // after every message; a condition that another thread changes needs wake().
    ModalEnd run_modal(Window modal, const std::function<bool()>& finished);
    // Waits for another thread's condition, serving only sent messages meanwhile, until the
    // condition holds or timeout_ms ticks of the clock passed. The condition is checked after
    // every served message and at least every few milliseconds; wake() checks it at once.
    WaitEnd wait_serving(const std::function<bool()>& condition, std::uint32_t timeout_ms);
    // A backend that must poll its events on the window thread; called on every idle turn,
    // and idle waits last at most interval_ms.
    void set_idle_poll(std::function<void()> poll, std::uint32_t interval_ms);

private:
    friend class Window;
    enum class Scope { Everything, SentOnly };
    enum class Visibility { Hidden, Shown };
    enum class Enablement { Disabled, Enabled };

    WindowRecord* record(WindowId id) const;
    LResult dispatch(WindowId id, MessageId message, WParam wparam, LParam lparam);

    // Loop turns.
    bool handle_one(Scope scope);
    bool serve_sent();
    bool paint_next();
    void paint_window(WindowRecord& r);
    bool fire_timer();
    void idle_wait();
    void deliver_posted(const PostedMessage& posted);
    void deliver_input(MessageId message, WParam code, Point screen);
    WindowId key_target() const;
    WindowId character_target() const;
    WindowId pointer_target(MessageId message, Point screen) const;
    WindowId modal_root() const;

    // Window operations behind the handle.
    void destroy(WindowId id);
    void destroy_tree(WindowId id);
    void forget(WindowRecord& r);
    void set_visibility(WindowId id, Visibility visibility);
    void set_enablement(WindowId id, Enablement enablement);
    void move(WindowId id, const Rect& rect);
    void set_text(WindowId id, std::string text);
    void invalidate(WindowId id, const Rect& client);
    void invalidate_above(const WindowRecord& r, const Rect& area);
    void invalidate_beneath(const WindowRecord& r);
    void update(WindowId id);
    // Moves the focus out of the subtree of `id` to its parent, when it is there.
    void focus_away_from(WindowId id);
    bool set_timer(WindowId id, TimerId timer, std::uint32_t interval_ms);
    bool kill_timer(WindowId id, TimerId timer);

    const Clock& m_clock;
    std::atomic<std::thread::id> m_thread;
    MessageQueue m_queue;
    TimerTable m_timers;
    WindowTree m_tree;
    WindowId m_focus = kNoWindow;
    WindowId m_capture = kNoWindow;       // the window that took the press, until its release
    WindowId m_held_capture = kNoWindow;  // set_capture
    WindowId m_key_window = kNoWindow;    // took the key press whose character may follow
    WParam m_key_code = 0;
    std::vector<WindowId> m_modal;
    int m_loop_depth = 0;
    std::function<void()> m_idle_poll;
    std::uint32_t m_idle_poll_ms = 0;
};

}  // namespace zel::platform
