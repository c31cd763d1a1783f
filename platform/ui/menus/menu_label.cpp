#include "platform/ui/menus/menu_label.h"

namespace zel::platform {

MenuLabel parse_menu_label(std::string_view text) {
    MenuLabel label;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size()) {
            ++i;
            if (text[i] != '&' && label.mark == std::string::npos) label.mark = label.text.size();
        }
        label.text += text[i];
    }
    return label;
}

KeyCode menu_mnemonic(std::string_view text) {
    MenuLabel label = parse_menu_label(text);
    if (label.mark == std::string::npos) return 0;
    char c = label.text[label.mark];
    if (c >= '0' && c <= '9') return key::digit(c - '0');
    return key::letter(c);
}

}  // namespace zel::platform
