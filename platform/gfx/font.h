#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/gfx/geometry.h"

namespace zel::platform {

struct FontMetrics {
    int height = 0;  // the character cell: ascent + descent, the height the font was asked for
    int ascent = 0;  // cell top to baseline
    int descent = 0;
    int average_char_width = 0;  // mean advance of "A".."Z" and "a".."z", as dialog units use
};

// One rendered glyph: a monochrome mask placed relative to the pen position on the cell top.
struct Glyph {
    int left = 0;  // mask's first column right of the pen position
    int top = 0;   // mask's first row below the cell top
    int width = 0;
    int height = 0;
    int advance = 0;
    std::vector<std::uint8_t> mask;  // width * height, 1 where ink
};

class FontFace;

// A face at one cell height. Glyphs are rendered on first use and cached by code point, so a
// text field costs little per call. Use from one thread (the window thread) only.
class Font {
public:
    // The face must already be scaled to the cell height.
    Font(std::shared_ptr<FontFace> face, int height);
    ~Font();
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;

    const FontMetrics& metrics() const { return m_metrics; }
    // Valid until the next call for another code point.
    const Glyph& glyph(char32_t code_point) const;
    // Sum of the advances of the UTF-8 text.
    int text_width(std::string_view text) const;
    Size measure(std::string_view text) const { return {text_width(text), m_metrics.height}; }

private:
    std::shared_ptr<FontFace> m_face;
    FontMetrics m_metrics;
    mutable std::array<std::unique_ptr<Glyph>, 128> m_ascii;
    mutable std::unordered_map<char32_t, std::unique_ptr<Glyph>> m_other;
};

}  // namespace zel::platform
