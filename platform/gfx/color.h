#pragma once

#include <cstdint>

namespace zel::platform {

// A colour as the system stores it: 0x00BBGGRR. Framebuffer and bitmap pixels use the same
// value, so a colour is written to memory without conversion.
using Color = std::uint32_t;

constexpr Color rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return Color{r} | (Color{g} << 8) | (Color{b} << 16);
}

constexpr std::uint8_t red(Color c) { return static_cast<std::uint8_t>(c & 0xFF); }
constexpr std::uint8_t green(Color c) { return static_cast<std::uint8_t>((c >> 8) & 0xFF); }
constexpr std::uint8_t blue(Color c) { return static_cast<std::uint8_t>((c >> 16) & 0xFF); }

namespace colors {
inline constexpr Color black = rgb(0, 0, 0);
inline constexpr Color white = rgb(255, 255, 255);
inline constexpr Color light_grey = rgb(192, 192, 192);
}  // namespace colors

}  // namespace zel::platform
