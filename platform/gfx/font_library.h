#pragma once

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <tuple>

#include "platform/gfx/font.h"

namespace zel::platform {

struct FontRequest {
    std::string family;  // "MS Sans Serif" takes DejaVu Sans
    int height = 13;     // character cell height in pixels (ascent + descent)
    int weight = 400;    // 600 and above take the bold face
};

struct FontResult {
    const Font* font = nullptr;  // owned by the library
    std::string error;           // why there is no font, for the operator
};

class FreeTypeLibrary;
class FontFinder;

// Finds faces with fontconfig and renders them with FreeType. Fonts live as long as the library;
// asking twice for the same face and height gives the same font.
class FontLibrary {
public:
    // Null with a message in error when FreeType or fontconfig cannot start.
    static std::unique_ptr<FontLibrary> open(std::string& error);
    ~FontLibrary();

    FontResult font(const FontRequest& request);
    // A face from a font file, bypassing fontconfig.
    FontResult font_from_file(const std::string& path, int height);

private:
    FontLibrary(std::shared_ptr<FreeTypeLibrary> library, std::unique_ptr<FontFinder> finder);

    std::shared_ptr<FreeTypeLibrary> m_library;
    std::unique_ptr<FontFinder> m_finder;
    std::map<std::tuple<std::string, int>, std::unique_ptr<Font>> m_fonts;
};

}  // namespace zel::platform
