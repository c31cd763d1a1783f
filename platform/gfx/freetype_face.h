#pragma once

// FreeType handles shared by the font library and its fonts; only the font sources include this.

#include <ft2build.h>
#include FT_FREETYPE_H

#include <memory>
#include <string>

namespace zel::platform {

class FreeTypeLibrary {
public:
    FreeTypeLibrary() = default;
    ~FreeTypeLibrary() {
        if (m_library) FT_Done_FreeType(m_library);
    }
    FreeTypeLibrary(const FreeTypeLibrary&) = delete;
    FreeTypeLibrary& operator=(const FreeTypeLibrary&) = delete;

    FT_Library m_library = nullptr;
};

// A face set to one cell height. It keeps the library alive, so a font may outlive the
// library object that made it.
class FontFace {
public:
    FontFace(std::shared_ptr<FreeTypeLibrary> library, FT_Face face)
        : m_library(std::move(library)), m_face(face) {}
    ~FontFace() { FT_Done_Face(m_face); }
    FontFace(const FontFace&) = delete;
    FontFace& operator=(const FontFace&) = delete;

    FT_Face face() const { return m_face; }

private:
    std::shared_ptr<FreeTypeLibrary> m_library;
    FT_Face m_face;
};

}  // namespace zel::platform
