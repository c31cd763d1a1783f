#pragma once

#include <cstdint>

namespace zel::platform {

// Virtual key codes as the system's key handling compares them: letters and digits are their
// upper-case ASCII codes.
using KeyCode = std::uint32_t;

namespace key {
inline constexpr KeyCode back = 8;
inline constexpr KeyCode tab = 9;
inline constexpr KeyCode enter = 13;
inline constexpr KeyCode shift = 16;
inline constexpr KeyCode control = 17;
inline constexpr KeyCode escape = 27;
inline constexpr KeyCode space = 32;
inline constexpr KeyCode page_up = 33;
inline constexpr KeyCode page_down = 34;
inline constexpr KeyCode end = 35;
inline constexpr KeyCode home = 36;
inline constexpr KeyCode left = 37;
inline constexpr KeyCode up = 38;
inline constexpr KeyCode right = 39;
inline constexpr KeyCode down = 40;
inline constexpr KeyCode del = 46;
inline constexpr KeyCode numpad0 = 0x60;
inline constexpr KeyCode f1 = 0x70;

// 'a' and 'A' give the same key; anything but a letter gives 0.
constexpr KeyCode letter(char c) {
    if (c >= 'a' && c <= 'z') return static_cast<KeyCode>(c - 'a' + 'A');
    if (c >= 'A' && c <= 'Z') return static_cast<KeyCode>(c);
    return 0;
}
// Digits 0 to 9; anything else gives 0.
constexpr KeyCode digit(int d) { return d >= 0 && d <= 9 ? static_cast<KeyCode>('0' + d) : 0; }
}  // namespace key

}  // namespace zel::platform
