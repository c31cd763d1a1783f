#pragma once

#include <optional>
#include <string_view>

#include "platform/ui/keys.h"

namespace zel::platform {


// A key press: its code, the character it types (0 for none) and whether Shift is held.
struct KeyStroke {
    KeyCode key_code = 0;
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
