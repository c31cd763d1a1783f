#include "platform/ui/window_system.h"

#include <algorithm>

namespace zel::platform {

WindowSystem::WindowSystem(const Clock& clock) : m_clock(clock), m_thread(std::this_thread::get_id()) {}

// Windows left at the end get no destroy message: their handlers may refer to objects that are
// already gone. Senders still waiting are released.
WindowSystem::~WindowSystem() { m_queue.close(); }

void WindowSystem::adopt_current_thread() { m_thread.store(std::this_thread::get_id()); }

bool WindowSystem::on_window_thread() const { return m_thread.load() == std::this_thread::get_id(); }

WindowRecord* WindowSystem::record(WindowId id) const {
    return on_window_thread() ? m_tree.find(id) : nullptr;
}

LResult WindowSystem::dispatch(WindowId id, MessageId message, WParam wparam, LParam lparam) {
    WindowRecord* r = record(id);
    if (r == nullptr) return 0;
    const WindowClass& window_class = *r->window_class;
    Window window(this, id);
    m_tree.enter(*r);
    LResult result = 0;
    auto entry = std::find_if(window_class.table.begin(), window_class.table.end(),
                              [&](const MessageEntry& e) { return e.message == message; });
    if (entry != window_class.table.end()) {
        result = entry->handler(window, message, wparam, lparam);
    } else {
        result = default_procedure(window, message, wparam, lparam);
    }
    m_tree.leave(r);
    return result;
}

Window WindowSystem::create(const WindowSpec& desc) {
    if (!on_window_thread() || desc.window_class == nullptr) return {};
    if (!desc.parent.is_null() && record(desc.parent.id()) == nullptr) return {};
    auto fresh = std::make_unique<WindowRecord>();
    fresh->window_class = desc.window_class;
    fresh->text = desc.title;
    fresh->parent = desc.parent.is_null() ? kNoWindow : desc.parent.id();
    fresh->rect = desc.rect;
    fresh->visible = has(desc.style, WindowStyle::Visible);
    fresh->enabled = !has(desc.style, WindowStyle::Disabled);
    fresh->topmost = has(desc.style, WindowStyle::TopMost);
    fresh->control_id = desc.control_id;
    fresh->data = desc.data;
    WindowId id = m_tree.add(std::move(fresh)).id;
    if (dispatch(id, msg::create, 0, 0) == -1) {
        destroy(id);
        return {};
    }
    WindowRecord* r = record(id);
    if (r == nullptr) return {};  // its create handler destroyed it
    if (r->visible) invalidate(id, Rect::from_size(0, 0, r->rect.width(), r->rect.height()));
    return Window(this, id);
}

Window WindowSystem::window(WindowId id) { return record(id) != nullptr ? Window(this, id) : Window{}; }

Window WindowSystem::find(std::string_view class_name) {
    return on_window_thread() ? window(m_tree.find_by_class(class_name, std::nullopt)) : Window{};
}

Window WindowSystem::find(std::string_view class_name, std::string_view title) {
    return on_window_thread() ? window(m_tree.find_by_class(class_name, title)) : Window{};
}

Window WindowSystem::focus() const {
    return record(m_focus) != nullptr ? Window(const_cast<WindowSystem*>(this), m_focus) : Window{};
}

Window WindowSystem::set_focus(Window window) {
    if (!on_window_thread()) return {};
    WindowId next = window.is_null() ? kNoWindow : window.id();
    if (next != kNoWindow && record(next) == nullptr) return {};
    Window previous = focus();
    WindowId old = m_focus;
    if (old == next) return previous;
    m_focus = next;
    dispatch(old, msg::kill_focus, next, 0);
    // The kill-focus handler may have moved the focus elsewhere; then that choice stands.
    if (m_focus == next) dispatch(next, msg::set_focus, old, 0);
    return previous;
}

Window WindowSystem::window_at(Point screen) const {
    WindowId hit = on_window_thread() ? m_tree.hit_test(screen, kNoWindow) : kNoWindow;
    return hit != kNoWindow ? Window(const_cast<WindowSystem*>(this), hit) : Window{};
}

void WindowSystem::set_capture(Window window) {
    if (on_window_thread() && !window.is_null() && record(window.id()) != nullptr) m_held_capture = window.id();
}

void WindowSystem::release_capture() {
    if (on_window_thread()) m_held_capture = kNoWindow;
}

Window WindowSystem::capture() const {
    return record(m_held_capture) != nullptr ? Window(const_cast<WindowSystem*>(this), m_held_capture) : Window{};
}

LResult WindowSystem::send(Window window, MessageId message, WParam wparam, LParam lparam) {
    if (window.is_null()) return 0;
    if (on_window_thread()) return dispatch(window.id(), message, wparam, lparam);
    return m_queue.send_and_wait(window.id(), message, wparam, lparam);
}

bool WindowSystem::post(Window window, MessageId message, WParam wparam, LParam lparam) {
    if (window.is_null()) return false;
    if (on_window_thread() && record(window.id()) == nullptr) return false;
    return m_queue.post({Delivery::ToWindow, window.id(), message, wparam, lparam});
}

bool WindowSystem::post_input(const InputEvent& event) {
    return m_queue.post({Delivery::Input, kNoWindow, event.message, event.code,
                         pack_point(event.at.x, event.at.y)});
}

void WindowSystem::quit(int exit_code) { m_queue.request_quit(exit_code); }

QueueDepth WindowSystem::queue_depth() const {
    auto [sent, posted] = m_queue.depth();
    return {sent, posted};
}

void WindowSystem::wake() { m_queue.wake(); }

void WindowSystem::set_idle_poll(std::function<void()> poll, std::uint32_t interval_ms) {
    m_idle_poll = std::move(poll);
    m_idle_poll_ms = interval_ms;
}

void WindowSystem::destroy(WindowId id) {
    WindowRecord* r = record(id);
    if (r == nullptr || r->destroying) return;
    focus_away_from(id);
    if (m_tree.shown(*r)) invalidate_beneath(*r);
    destroy_tree(id);
}

// Children first; a child created by a destroy handler meanwhile goes the same way.
void WindowSystem::destroy_tree(WindowId id) {
    WindowRecord* r = record(id);
    if (r == nullptr || r->destroying) return;
    r->destroying = true;
    for (WindowId child : std::vector<WindowId>(r->children)) destroy_tree(child);
    dispatch(id, msg::destroy, 0, 0);
    for (WindowId child : std::vector<WindowId>(r->children)) destroy_tree(child);
    forget(*r);
}

void WindowSystem::forget(WindowRecord& r) {
    WindowId id = r.id;
    m_timers.kill_all(id);
    m_queue.drop_window(id);
    if (m_focus == id) m_focus = kNoWindow;
    if (m_capture == id) m_capture = kNoWindow;
    if (m_held_capture == id) m_held_capture = kNoWindow;
    std::erase(m_modal, id);
    m_tree.remove(id);
}

void WindowSystem::set_visibility(WindowId id, Visibility visibility) {
    WindowRecord* r = record(id);
    bool visible = visibility == Visibility::Shown;
    if (r == nullptr || r->visible == visible) return;
    if (!visible) {
        focus_away_from(id);
        if (m_tree.shown(*r)) invalidate_beneath(*r);
    }
    r->visible = visible;
    if (visible) invalidate(id, Rect::from_size(0, 0, r->rect.width(), r->rect.height()));
    dispatch(id, msg::show, visible ? 1 : 0, 0);
}

void WindowSystem::set_enablement(WindowId id, Enablement enablement) {
    WindowRecord* r = record(id);
    bool enabled = enablement == Enablement::Enabled;
    if (r == nullptr || r->enabled == enabled) return;
    if (!enabled) focus_away_from(id);
    r->enabled = enabled;
    dispatch(id, msg::enable, enabled ? 1 : 0, 0);
}

void WindowSystem::move(WindowId id, const Rect& rect) {
    WindowRecord* r = record(id);
    if (r == nullptr || r->rect == rect) return;
    bool shown = m_tree.shown(*r);
    if (shown) invalidate_beneath(*r);
    bool resized = r->rect.width() != rect.width() || r->rect.height() != rect.height();
    bool moved = r->rect.top_left() != rect.top_left();
    r->rect = rect;
    if (shown) invalidate(id, Rect::from_size(0, 0, rect.width(), rect.height()));
    if (moved) dispatch(id, msg::move, 0, pack_point(rect.left, rect.top));
    if (resized) dispatch(id, msg::size, 0, pack_point(rect.width(), rect.height()));
}

void WindowSystem::set_text(WindowId id, std::string text) {
    WindowRecord* r = record(id);
    if (r == nullptr) return;
    r->text = std::move(text);
    dispatch(id, msg::set_text, 0, 0);
}

// Our drawing clips a window to its rectangle only, not around the windows that lie over it,
// so painting a part of a window covers its children and the later siblings over that part:
// they are invalidated with it and, painted after it, come out on top again.
void WindowSystem::invalidate(WindowId id, const Rect& client) {
    WindowRecord* r = record(id);
    if (r == nullptr) return;
    Rect part = client.intersected(Rect::from_size(0, 0, r->rect.width(), r->rect.height()));
    if (part.empty()) return;
    r->update = r->update.united(part);
    for (WindowId child_id : r->children) {
        const WindowRecord* child = m_tree.find(child_id);
        if (child == nullptr || !child->visible) continue;
        invalidate(child_id, part.translated(-child->rect.left, -child->rect.top));
    }
    invalidate_above(*r, part.translated(r->rect.left, r->rect.top));
}

// `area` is in the coordinates of the window's parent (the screen for a top-level window).
void WindowSystem::invalidate_above(const WindowRecord& r, const Rect& area) {
    const WindowRecord* parent = m_tree.find(r.parent);
    const std::vector<WindowId>& siblings = parent != nullptr ? parent->children : m_tree.top_level();
    auto above = std::find(siblings.begin(), siblings.end(), r.id);
    if (above == siblings.end()) return;
    for (WindowId sibling_id : std::vector<WindowId>(std::next(above), siblings.end())) {
        const WindowRecord* sibling = m_tree.find(sibling_id);
        if (sibling == nullptr || !sibling->visible) continue;
        Rect overlap = area.intersected(sibling->rect);
        if (!overlap.empty()) invalidate(sibling_id, overlap.translated(-sibling->rect.left, -sibling->rect.top));
    }
}

// What a window covered must be painted again by what lies beneath: its parent (and with it
// the siblings over that area), or for a top-level window the other top-level windows.
void WindowSystem::invalidate_beneath(const WindowRecord& r) {
    if (const WindowRecord* parent = m_tree.find(r.parent); parent != nullptr) {
        invalidate(parent->id, r.rect);
        return;
    }
    for (WindowId other_id : m_tree.top_level()) {
        const WindowRecord* other = m_tree.find(other_id);
        if (other == nullptr || other->id == r.id || !other->visible) continue;
        invalidate(other_id, r.rect.translated(-other->rect.left, -other->rect.top));
    }
}

void WindowSystem::update(WindowId id) {
    WindowRecord* r = record(id);
    if (r == nullptr || !m_tree.shown(*r)) return;
    if (!r->update.empty()) paint_window(*r);
    if (WindowRecord* still = record(id); still != nullptr) {
        for (WindowId child : std::vector<WindowId>(still->children)) update(child);
    }
}

void WindowSystem::focus_away_from(WindowId id) {
    if (m_focus == kNoWindow || !m_tree.within(m_focus, id)) return;
    const WindowRecord* r = m_tree.find(id);
    set_focus(window(r != nullptr ? r->parent : kNoWindow));
}

bool WindowSystem::set_timer(WindowId id, TimerId timer, std::uint32_t interval_ms) {
    if (record(id) == nullptr) return false;
    m_timers.set(id, timer, interval_ms, m_clock.tick());
    return true;
}

bool WindowSystem::kill_timer(WindowId id, TimerId timer) {
    return record(id) != nullptr && m_timers.kill(id, timer);
}

}  // namespace zel::platform
