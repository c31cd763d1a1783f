#include "platform/ui/window_system.h"

#include <algorithm>

namespace zel::platform {

namespace {

// How often a serving wait looks at its condition when nobody wakes it.
constexpr std::uint32_t kConditionPollMs = 2;

}  // namespace

int WindowSystem::run() {
    if (!on_window_thread()) return 0;
    if (m_loop_depth == 0 && m_queue.closed()) m_queue.reopen();
    ++m_loop_depth;
    while (!m_queue.quit_requested()) {
        if (!handle_one(Scope::Everything)) idle_wait();
    }
    if (--m_loop_depth == 0) m_queue.close();
    return m_queue.exit_code();
}

std::size_t WindowSystem::pump() {
    if (!on_window_thread()) return 0;
    std::size_t handled = 0;
    while (handle_one(Scope::Everything)) ++handled;
    return handled;
}

ModalEnd WindowSystem::run_modal(Window modal, const std::function<bool()>& finished) {
    if (!on_window_thread()) return ModalEnd::Quit;
    bool confined = !modal.is_null();
    if (confined) m_modal.push_back(modal.id());
    ++m_loop_depth;
    ModalEnd end;
    while (true) {
        if (finished()) { end = ModalEnd::Finished; break; }
        if (confined && record(modal.id()) == nullptr) { end = ModalEnd::WindowGone; break; }
        if (m_queue.quit_requested()) { end = ModalEnd::Quit; break; }
        if (!handle_one(Scope::Everything)) idle_wait();
    }
    --m_loop_depth;
    if (confined) {
        auto it = std::find(m_modal.rbegin(), m_modal.rend(), modal.id());
        if (it != m_modal.rend()) m_modal.erase(std::next(it).base());
    }
    return end;
}

WaitEnd WindowSystem::wait_serving(const std::function<bool()>& condition, std::uint32_t timeout_ms) {
    Tick start = m_clock.tick();
    while (true) {
        if (condition()) return WaitEnd::Satisfied;
        Tick elapsed = m_clock.tick() - start;
        if (elapsed >= timeout_ms) return WaitEnd::TimedOut;
        if (on_window_thread() && serve_sent()) continue;
        Tick left = std::min<Tick>(timeout_ms - elapsed, kConditionPollMs);
        m_queue.wait(MessageQueue::Wanted::SentOnly, std::chrono::milliseconds(left));
    }
}

bool WindowSystem::handle_one(Scope scope) {
    if (serve_sent()) return true;
    if (scope == Scope::SentOnly || m_queue.quit_requested()) return false;
    if (auto posted = m_queue.take_posted()) {
        deliver_posted(*posted);
        return true;
    }
    return paint_next() || fire_timer();
}

bool WindowSystem::serve_sent() {
    SentMessage* sent = m_queue.take_sent();
    if (sent == nullptr) return false;
    LResult result = dispatch(sent->target, sent->message, sent->wparam, sent->lparam);
    m_queue.complete(sent, result);
    return true;
}

bool WindowSystem::paint_next() {
    WindowId id = m_tree.first_invalid();
    if (id == kNoWindow) return false;
    paint_window(*m_tree.find(id));
    return true;
}

// The window is valid again before its handler runs, so a handler that paints nothing cannot
// make the loop paint it forever; what the handler invalidates anew is painted later.
void WindowSystem::paint_window(WindowRecord& r) {
    WindowId id = r.id;
    r.painting = r.update;
    r.update = {};
    dispatch(id, msg::paint, 0, 0);
    if (WindowRecord* still = record(id); still != nullptr) still->painting = {};
}

bool WindowSystem::fire_timer() {
    auto due = m_timers.take_due(m_clock.tick());
    if (!due) return false;
    dispatch(due->window, msg::timer, due->id, 0);
    return true;
}

void WindowSystem::idle_wait() {
    if (m_idle_poll) {
        m_idle_poll();
        if (handle_one(Scope::Everything)) return;
    }
    std::optional<std::chrono::milliseconds> timeout;
    if (auto next = m_timers.time_to_next(m_clock.tick())) timeout = std::chrono::milliseconds(*next);
    if (m_idle_poll) {
        auto poll = std::chrono::milliseconds(m_idle_poll_ms);
        timeout = timeout ? std::min(*timeout, poll) : poll;
    }
    m_queue.wait(MessageQueue::Wanted::Anything, timeout);
}

void WindowSystem::deliver_posted(const PostedMessage& posted) {
    if (posted.delivery == Delivery::Input) {
        deliver_input(posted.message, posted.wparam, {point_x(posted.lparam), point_y(posted.lparam)});
    } else {
        dispatch(posted.target, posted.message, posted.wparam, posted.lparam);
    }
}

}  // namespace zel::platform
