#pragma once

#include "platform/gfx/geometry.h"
#include "platform/ui/message.h"
#include "platform/ui/user_data.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zel::platform {

class WindowSystem;

// Ids are never reused, so a handle of a destroyed window stays harmlessly invalid.
using WindowId = std::uint32_t;
inline constexpr WindowId kNoWindow = 0;

using TimerId = std::uint32_t;

// A handle to a window. Copy it freely. Apart from send and post, which any thread may call,
// its operations belong to the window thread; on another thread, or once the window is
// destroyed, they do nothing and answer with empty values.
class Window {
public:
    Window() = default;
    Window(WindowSystem* system, WindowId id) : m_system(system), m_id(id) {}

    WindowId id() const { return m_id; }
    bool is_null() const { return m_system == nullptr || m_id == kNoWindow; }
    bool alive() const;
    WindowSystem* system() const { return m_system; }

    std::string_view class_name() const;
    std::string text() const;
    void set_text(std::string text) const;
    int control_id() const;
    Window parent() const;
    // The child with this control id, or a null handle.
    Window child(int control_id) const;
    // Bottom to top: creation order, unless one was raised.
    std::vector<Window> children() const;

    // Position and size in the parent's client area (the screen for a top-level window).
    Rect rect() const;
    // (0, 0, width, height): windows have no frame, the whole window is client area.
    Rect client_rect() const;
    // Where the window is on the screen, and the part of it its ancestors leave visible: the
    // origin and clip rectangle a drawing surface bound to this window uses.
    Rect screen_rect() const;
    Rect clip_rect() const;
    // The screen rectangles of windows above this one that overlap its visible part, such as
    // a dialog over the logging window: immediate drawing that leaves them out does not paint
    // over them. Its own children are not among them; a parent draws under them.
    std::vector<Rect> covering_rects() const;
    Point to_screen(Point client) const;

    bool visible() const;  // its own flag
    bool shown() const;    // it and all its ancestors visible
    bool enabled() const;
    void show() const;
    void hide() const;
    void enable() const;
    void disable() const;
    void move(const Rect& rect) const;
    void raise() const;  // above its siblings

    void invalidate() const;
    void invalidate(const Rect& client) const;
    void validate() const;
    Rect update_rect() const;  // what is invalid and not yet painted
    Rect paint_rect() const;   // during a paint: the part to paint, in client coordinates
    void update() const;       // paints it and its children now if they are invalid

    void focus() const;
    bool has_focus() const;

    bool set_timer(TimerId timer, std::uint32_t interval_ms) const;
    bool kill_timer(TimerId timer) const;

    LResult send(MessageId message, WParam wparam = 0, LParam lparam = 0) const;
    bool post(MessageId message, WParam wparam = 0, LParam lparam = 0) const;
    void close() const;
    void destroy() const;

    template <class T>
    T* data() const {
        const UserData* d = user_data();
        return d != nullptr ? d->get<T>() : nullptr;
    }

    friend bool operator==(const Window&, const Window&) = default;

private:
    const UserData* user_data() const;

    WindowSystem* m_system = nullptr;
    WindowId m_id = kNoWindow;
};

}  // namespace zel::platform
