#pragma once

#include "platform/gfx/geometry.h"
#include "platform/ui/keys.h"

namespace zel::platform {

enum class DisplayEventKind {
    KeyDown,      // key_code
    KeyUp,        // key_code
    Character,    // character typed, after its KeyDown (also Enter, Tab, Escape, Backspace)
    PointerDown,  // position in screen pixels
    PointerUp,
    PointerMove,  // only while the pointer is down, as on a touch screen
    Quit,         // the window was closed
};

struct DisplayEvent {
    DisplayEventKind kind = DisplayEventKind::KeyDown;
    KeyCode key_code = 0;
    char32_t character = 0;
    Point position;

    static constexpr DisplayEvent key_down(KeyCode code) { return {DisplayEventKind::KeyDown, code, 0, {}}; }
    static constexpr DisplayEvent key_up(KeyCode code) { return {DisplayEventKind::KeyUp, code, 0, {}}; }
    static constexpr DisplayEvent typed(char32_t c) { return {DisplayEventKind::Character, 0, c, {}}; }
    static constexpr DisplayEvent pointer(DisplayEventKind kind, Point p) { return {kind, 0, 0, p}; }
    static constexpr DisplayEvent quit() { return {DisplayEventKind::Quit, 0, 0, {}}; }

    friend bool operator==(const DisplayEvent&, const DisplayEvent&) = default;
};

}  // namespace zel::platform
