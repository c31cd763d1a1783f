#pragma once

#include <optional>
#include <string_view>

namespace zel::platform {

// Virtual-key codes as the system compares them: letters and digits are their upper-case ASCII
// codes, the rest the usual virtual-key values.
namespace keys {
inline constexpr int kBack = 8;
inline constexpr int kTab = 9;
inline constexpr int kEnter = 13;
inline constexpr int kShift = 16;
inline constexpr int kControl = 17;
inline constexpr int kEscape = 27;
inline constexpr int kSpace = 32;
inline constexpr int kPageUp = 33;
inline constexpr int kPageDown = 34;
inline constexpr int kEnd = 35;
inline constexpr int kHome = 36;
inline constexpr int kLeft = 37;
inline constexpr int kUp = 38;
inline constexpr int kRight = 39;
inline constexpr int kDown = 40;
inline constexpr int kDelete = 46;
inline constexpr int kNumpad0 = 0x60;
inline constexpr int kF1 = 0x70;
}  // namespace keys

// A key press: its code, the character it types (0 for none) and whether Shift is held.
struct KeyStroke {
    int key_code = 0;
    char32_t character = 0;
    bool shift = false;
    friend bool operator==(const KeyStroke&, const KeyStroke&) = default;
};

// The key that types a printable ASCII character on a US keyboard; empty for anything else.
std::optional<KeyStroke> key_for_character(char32_t c);

// The keys named in scripts ("Enter", "Tab", "Space", "Escape", "Backspace", "Left", "Right",
// "Up", "Down"; any letter case); empty for an unknown name.
std::optional<KeyStroke> key_for_name(std::string_view name);

}  // namespace zel::platform
