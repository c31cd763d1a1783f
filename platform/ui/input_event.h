#pragma once

#include "platform/gfx/geometry.h"
#include "platform/ui/keys.h"
#include "platform/ui/message.h"

namespace zel::platform {

// Input as a backend or a script reports it: keys with their codes, characters, and the pointer
// (mouse or touch) at screen pixels. The window thread picks the receiving window when it
// handles the event.
struct InputEvent {
    MessageId message = 0;  // msg::key_down, key_up, character, pointer_down, pointer_up, pointer_move
    std::uint32_t code = 0; // key or character code
    Point at;               // screen position of a pointer event

    static InputEvent key_down(KeyCode code) { return {msg::key_down, code, {}}; }
    static InputEvent key_up(KeyCode code) { return {msg::key_up, code, {}}; }
    static InputEvent character(std::uint32_t code) { return {msg::character, code, {}}; }
    static InputEvent pointer_down(Point at) { return {msg::pointer_down, 0, at}; }
    static InputEvent pointer_up(Point at) { return {msg::pointer_up, 0, at}; }
    static InputEvent pointer_move(Point at) { return {msg::pointer_move, 0, at}; }
};

}  // namespace zel::platform
