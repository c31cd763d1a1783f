#include "platform/gfx/font.h"

#include "platform/gfx/freetype_face.h"
#include "platform/gfx/utf8.h"

namespace zel::platform {

namespace {

constexpr std::size_t kMaxCachedGlyphs = 2048;

// Monochrome rendering with the TrueType hinter: every pixel is ink or untouched, as with the
// bitmap fonts the system was laid out for, so transparent text needs no blending with an
// unknown background and pictures are identical run after run.
Glyph render_glyph(FT_Face face, char32_t code_point, int ascent) {
    Glyph g;
    if (FT_Load_Char(face, code_point, FT_LOAD_RENDER | FT_LOAD_TARGET_MONO) != 0) return g;
    const FT_GlyphSlot slot = face->glyph;
    g.advance = static_cast<int>((slot->advance.x + 32) >> 6);
    const FT_Bitmap& bm = slot->bitmap;
    if (bm.pixel_mode != FT_PIXEL_MODE_MONO) return g;
    g.left = slot->bitmap_left;
    g.top = ascent - slot->bitmap_top;
    g.width = static_cast<int>(bm.width);
    g.height = static_cast<int>(bm.rows);
    g.mask.resize(static_cast<std::size_t>(g.width) * static_cast<std::size_t>(g.height));
    for (int y = 0; y < g.height; ++y) {
        const unsigned char* src = bm.buffer + static_cast<std::ptrdiff_t>(y) * bm.pitch;
        for (int x = 0; x < g.width; ++x) {
            g.mask[static_cast<std::size_t>(y * g.width + x)] = (src[x >> 3] >> (7 - (x & 7))) & 1;
        }
    }
    return g;
}

// The cell height is ascent + descent, as the system's platform reads a positive font height;
// the face was scaled with FreeType's cell request, so its ascender and descender fill the cell.
FontMetrics cell_metrics(FT_Face face, int height) {
    FontMetrics m;
    m.height = height;
    const long ascender = face->ascender;
    const long total = face->ascender - face->descender;
    m.ascent = static_cast<int>((height * ascender + total / 2) / total);
    m.descent = height - m.ascent;
    return m;
}

}  // namespace

Font::Font(std::shared_ptr<FontFace> face, int height)
    : m_face(std::move(face)), m_metrics(cell_metrics(m_face->face(), height)) {
    m_metrics.average_char_width =
        (text_width("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz") + 26) / 52;
}

Font::~Font() = default;

const Glyph& Font::glyph(char32_t code_point) const {
    // Text from a device may hold any code point; the cache of rare ones is dropped when full
    // instead of growing without end. No reference from an earlier call is still in use here.
    if (code_point >= m_ascii.size() && m_other.size() >= kMaxCachedGlyphs &&
        !m_other.contains(code_point)) {
        m_other.clear();
    }
    std::unique_ptr<Glyph>& slot =
        code_point < m_ascii.size() ? m_ascii[code_point] : m_other[code_point];
    if (!slot) {
        slot = std::make_unique<Glyph>(render_glyph(m_face->face(), code_point, m_metrics.ascent));
    }
    return *slot;
}

int Font::text_width(std::string_view text) const {
    int width = 0;
    for (std::size_t pos = 0; pos < text.size();) width += glyph(next_code_point(text, pos)).advance;
    return width;
}

}  // namespace zel::platform
