#pragma once

#include "platform/gfx/geometry.h"

namespace zel::platform {

enum class InputKind {
    KeyDown,      // key_code
    KeyUp,        // key_code
    Character,    // character typed, after its KeyDown (also Enter, Tab, Escape, Backspace)
    PointerDown,  // position in screen pixels
    PointerUp,
    PointerMove,  // only while the pointer is down, as on a touch screen
    Quit,         // the window was closed
};

struct InputEvent {
    InputKind kind = InputKind::KeyDown;
    int key_code = 0;
    char32_t character = 0;
    Point position;

    static constexpr InputEvent key_down(int code) { return {InputKind::KeyDown, code, 0, {}}; }
    static constexpr InputEvent key_up(int code) { return {InputKind::KeyUp, code, 0, {}}; }
    static constexpr InputEvent typed(char32_t c) { return {InputKind::Character, 0, c, {}}; }
    static constexpr InputEvent pointer(InputKind kind, Point p) { return {kind, 0, 0, p}; }
    static constexpr InputEvent quit() { return {InputKind::Quit, 0, 0, {}}; }

    friend bool operator==(const InputEvent&, const InputEvent&) = default;
};

}  // namespace zel::platform
