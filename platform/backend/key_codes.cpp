#include "platform/backend/key_codes.h"

#include <strings.h>

#include <array>

namespace zel::platform {

namespace {

struct Punctuation {
    char plain;
    char shifted;
    KeyCode key_code;
};

// The US layout's punctuation keys and the codes of their virtual keys.
constexpr std::array kPunctuation{
    Punctuation{';', ':', 0xBA}, Punctuation{'=', '+', 0xBB}, Punctuation{',', '<', 0xBC},
    Punctuation{'-', '_', 0xBD}, Punctuation{'.', '>', 0xBE}, Punctuation{'/', '?', 0xBF},
    Punctuation{'`', '~', 0xC0}, Punctuation{'[', '{', 0xDB}, Punctuation{'\\', '|', 0xDC},
    Punctuation{']', '}', 0xDD}, Punctuation{'\'', '"', 0xDE},
};

// Shift with the digit keys 0..9.
constexpr std::string_view kShiftedDigits = ")!@#$%^&*(";

struct NamedKey {
    std::string_view name;
    KeyStroke stroke;
};

constexpr std::array kNamedKeys{
    NamedKey{"Enter", {key::enter, U'\r'}},     NamedKey{"Tab", {key::tab, U'\t'}},
    NamedKey{"Space", {key::space, U' '}},      NamedKey{"Escape", {key::escape, 0x1B}},
    NamedKey{"Backspace", {key::back, U'\b'}},  NamedKey{"Left", {key::left, 0}},
    NamedKey{"Right", {key::right, 0}},         NamedKey{"Up", {key::up, 0}},
    NamedKey{"Down", {key::down, 0}},
};

}  // namespace

std::optional<KeyStroke> key_for_character(char32_t c) {
    if (c >= 'a' && c <= 'z') return KeyStroke{static_cast<KeyCode>(c - 'a' + 'A'), c, false};
    if (c >= 'A' && c <= 'Z') return KeyStroke{static_cast<KeyCode>(c), c, true};
    if (c >= '0' && c <= '9') return KeyStroke{static_cast<KeyCode>(c), c, false};
    if (c == ' ') return KeyStroke{key::space, c, false};
    if (const auto i = kShiftedDigits.find(static_cast<char>(c));
        c < 0x80 && i != std::string_view::npos) {
        return KeyStroke{static_cast<KeyCode>('0' + i), c, true};
    }
    for (const Punctuation& p : kPunctuation) {
        if (c == static_cast<char32_t>(p.plain)) return KeyStroke{p.key_code, c, false};
        if (c == static_cast<char32_t>(p.shifted)) return KeyStroke{p.key_code, c, true};
    }
    return std::nullopt;
}

std::optional<KeyStroke> key_for_name(std::string_view name) {
    for (const NamedKey& k : kNamedKeys) {
        if (name.size() == k.name.size() && strncasecmp(name.data(), k.name.data(), name.size()) == 0) {
            return k.stroke;
        }
    }
    return std::nullopt;
}

}  // namespace zel::platform
