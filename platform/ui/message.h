#pragma once

#include <cstdint>

namespace zel::platform {

// A window message: a number with two parameters, answered with a result. The numbers are the
// ones the system's handlers compare, so they keep their customary values.
using MessageId = std::uint32_t;
using WParam = std::uintptr_t;
using LParam = std::intptr_t;
using LResult = std::intptr_t;

namespace msg {
inline constexpr MessageId create = 1;       // during creation; a result of -1 refuses the window
inline constexpr MessageId destroy = 2;      // children receive it before their parent
inline constexpr MessageId move = 3;         // lparam: new position in the parent (pack_point)
inline constexpr MessageId size = 5;         // lparam: new client width and height (pack_point)
inline constexpr MessageId set_focus = 7;    // wparam: id of the window that lost the focus
inline constexpr MessageId kill_focus = 8;   // wparam: id of the window that gets the focus
inline constexpr MessageId enable = 10;      // wparam: 1 enabled, 0 disabled
inline constexpr MessageId set_text = 12;    // after the window text changed
inline constexpr MessageId paint = 15;       // the window is invalid; paint_rect() says where
inline constexpr MessageId close = 16;       // default processing destroys the window
inline constexpr MessageId show = 24;        // wparam: 1 shown, 0 hidden
inline constexpr MessageId key_down = 256;   // wparam: key code
inline constexpr MessageId key_up = 257;     // wparam: key code
inline constexpr MessageId character = 258;  // wparam: character code
inline constexpr MessageId command = 273;    // wparam: low word control id, high word code
inline constexpr MessageId timer = 275;      // wparam: timer id
inline constexpr MessageId pointer_move = 512;  // lparam: client position (pack_point)
inline constexpr MessageId pointer_down = 513;  // lparam: client position (pack_point)
inline constexpr MessageId pointer_up = 514;    // lparam: client position (pack_point)
inline constexpr MessageId user = 1024;         // first number free for the system's own messages
}  // namespace msg

constexpr WParam make_wparam(std::uint16_t low, std::uint16_t high) {
    return static_cast<WParam>(low) | (static_cast<WParam>(high) << 16);
}
constexpr std::uint16_t low_word(WParam w) { return static_cast<std::uint16_t>(w & 0xFFFF); }
constexpr std::uint16_t high_word(WParam w) { return static_cast<std::uint16_t>((w >> 16) & 0xFFFF); }

// Positions and sizes travel as two signed 16-bit halves, x (or width) in the low half, so a
// point left of or above a window keeps its sign.
constexpr LParam pack_point(int x, int y) {
    auto lo = static_cast<std::uint32_t>(static_cast<std::uint16_t>(x));
    auto hi = static_cast<std::uint32_t>(static_cast<std::uint16_t>(y)) << 16;
    return static_cast<LParam>(static_cast<std::int32_t>(lo | hi));
}
constexpr int point_x(LParam l) { return static_cast<std::int16_t>(static_cast<std::uint32_t>(l) & 0xFFFF); }
constexpr int point_y(LParam l) { return static_cast<std::int16_t>((static_cast<std::uint32_t>(l) >> 16) & 0xFFFF); }

}  // namespace zel::platform
