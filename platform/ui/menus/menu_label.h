#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "platform/ui/keys.h"

namespace zel::platform {

// An item's text with its "&" resolved: "&&" is one "&", a single "&" underlines what follows.
struct MenuLabel {
    std::string text;
    std::size_t mark = std::string::npos;  // byte offset of the underlined character
};
MenuLabel parse_menu_label(std::string_view text);

// The key of the underlined letter or digit; 0 when there is none.
KeyCode menu_mnemonic(std::string_view text);

}  // namespace zel::platform
