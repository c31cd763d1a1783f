#include "platform/ui/window_system.h"

namespace zel::platform {

// The innermost modal window still alive, or none.
WindowId WindowSystem::modal_root() const {
    for (auto it = m_modal.rbegin(); it != m_modal.rend(); ++it) {
        if (m_tree.find(*it) != nullptr) return *it;
    }
    return kNoWindow;
}

// Keys go to the focused window; under a modal window only when the focus lies inside it,
// otherwise to the modal window itself.
WindowId WindowSystem::key_target() const {
    WindowId modal = modal_root();
    bool focus_alive = m_tree.find(m_focus) != nullptr;
    if (modal == kNoWindow) return focus_alive ? m_focus : kNoWindow;
    return focus_alive && m_tree.within(m_focus, modal) ? m_focus : modal;
}

// A character goes to the window that took the key press typing it, as a keyboard translates
// the press there: a dialog that the press opened does not receive the character as typed
// text (the key that opens the comment dialog would otherwise start the comment).
WindowId WindowSystem::character_target() const {
    return m_tree.find(m_key_window) != nullptr ? m_key_window : key_target();
}

// A pointer press goes to the top-most window under it and captures the pointer, so the
// release reaches the same window (in its client coordinates, which may lie outside it) and
// a button can tell a tap from a slide off it. A press outside every window goes nowhere.
// A held capture takes every pointer event; top-most shell windows take presses also under a
// modal window, as the shell's own windows do.
WindowId WindowSystem::pointer_target(MessageId message, Point screen) const {
    if (m_tree.find(m_held_capture) != nullptr) return m_held_capture;
    if (message != msg::pointer_down && m_capture != kNoWindow) return m_capture;
    WindowId modal = modal_root();
    if (modal != kNoWindow) {
        if (WindowId shell = m_tree.hit_test_topmost(screen); shell != kNoWindow) return shell;
    }
    return m_tree.hit_test(screen, modal);
}

void WindowSystem::deliver_input(MessageId message, WParam code, Point screen) {
    WindowId target = kNoWindow;
    switch (message) {
    case msg::key_down:
        m_key_window = key_target();
        m_key_code = code;
        dispatch(m_key_window, message, code, 0);
        return;
    case msg::character:
        dispatch(character_target(), message, code, 0);
        return;
    case msg::key_up:
        if (code == m_key_code) m_key_window = kNoWindow;
        dispatch(key_target(), message, code, 0);
        return;
    case msg::pointer_down:
        target = pointer_target(message, screen);
        m_capture = target;
        break;
    case msg::pointer_up:
        target = pointer_target(message, screen);
        m_capture = kNoWindow;
        break;
    case msg::pointer_move:
        target = pointer_target(message, screen);
        break;
    default:
        return;
    }
    const WindowRecord* r = m_tree.find(target);
    if (r == nullptr) return;
    Point origin = m_tree.screen_rect(*r).top_left();
    dispatch(target, message, 0, pack_point(screen.x - origin.x, screen.y - origin.y));
}

}  // namespace zel::platform
