#include "platform/gfx/font_library.h"

#include <fontconfig/fontconfig.h>
#include <strings.h>

#include <array>

#include "platform/gfx/freetype_face.h"

namespace zel::platform {

namespace {

// Families the system asks for and the faces that stand in for them.
struct FamilyAlias {
    std::string_view asked;
    std::string_view family;
    bool bold;
};

constexpr std::array kAliases{
    FamilyAlias{"MS Sans Serif", "DejaVu Sans", false},
    FamilyAlias{"DejaVu Sans Bold", "DejaVu Sans", true},
};

constexpr int kBoldWeight = 600;

bool same_name(std::string_view a, std::string_view b) {
    return a.size() == b.size() && strncasecmp(a.data(), b.data(), a.size()) == 0;
}

struct FaceChoice {
    std::string family;
    bool bold = false;
};

FaceChoice choose_face(const FontRequest& request) {
    FaceChoice choice{request.family, request.weight >= kBoldWeight};
    for (const FamilyAlias& alias : kAliases) {
        if (same_name(request.family, alias.asked)) {
            choice.family = alias.family;
            choice.bold = choice.bold || alias.bold;
        }
    }
    return choice;
}

std::string describe(const FaceChoice& choice) {
    return "\"" + choice.family + (choice.bold ? " Bold" : "") + "\"";
}

}  // namespace

// One fontconfig configuration for the library's life: loading it scans every font on the
// machine, so it is done once, and it is our own so that nothing is left behind globally.
class FontFinder {
public:
    explicit FontFinder(FcConfig* config) : m_config(config) {}
    ~FontFinder() { FcConfigDestroy(m_config); }
    FontFinder(const FontFinder&) = delete;
    FontFinder& operator=(const FontFinder&) = delete;

    // fontconfig always answers with some font; only a face of the family and weight asked
    // for counts, so a machine without DejaVu fails clearly instead of drawing in a stranger.
    std::string find(const FaceChoice& choice, std::string& error) const {
        FcPattern* pattern = FcPatternCreate();
        FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(choice.family.c_str()));
        FcPatternAddInteger(pattern, FC_WEIGHT, choice.bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
        FcPatternAddInteger(pattern, FC_SLANT, FC_SLANT_ROMAN);
        FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
        FcConfigSubstitute(m_config, pattern, FcMatchPattern);
        FcDefaultSubstitute(pattern);
        FcResult result = FcResultNoMatch;
        FcPattern* match = FcFontMatch(m_config, pattern, &result);
        std::string path;
        if (match) {
            if (is_choice(match, choice)) path = file_of(match);
            FcPatternDestroy(match);
        }
        FcPatternDestroy(pattern);
        if (path.empty()) error = "font " + describe(choice) + " not found (install fonts-dejavu-core)";
        return path;
    }

private:
    static bool is_choice(FcPattern* match, const FaceChoice& choice) {
        FcChar8* family = nullptr;
        int weight = 0;
        int slant = FC_SLANT_ROMAN;
        FcPatternGetInteger(match, FC_SLANT, 0, &slant);
        return FcPatternGetString(match, FC_FAMILY, 0, &family) == FcResultMatch &&
               same_name(reinterpret_cast<const char*>(family), choice.family) &&
               FcPatternGetInteger(match, FC_WEIGHT, 0, &weight) == FcResultMatch &&
               (weight >= FC_WEIGHT_BOLD) == choice.bold && slant == FC_SLANT_ROMAN;
    }

    static std::string file_of(FcPattern* match) {
        FcChar8* file = nullptr;
        if (FcPatternGetString(match, FC_FILE, 0, &file) != FcResultMatch) return {};
        return reinterpret_cast<const char*>(file);
    }

    FcConfig* m_config;
};

std::unique_ptr<FontLibrary> FontLibrary::open(std::string& error) {
    auto library = std::make_shared<FreeTypeLibrary>();
    if (FT_Init_FreeType(&library->m_library) != 0) {
        error = "FreeType could not start";
        return nullptr;
    }
    FcConfig* config = FcInitLoadConfigAndFonts();
    if (!config) {
        error = "fontconfig could not load its configuration";
        return nullptr;
    }
    return std::unique_ptr<FontLibrary>(
        new FontLibrary(std::move(library), std::make_unique<FontFinder>(config)));
}

FontLibrary::FontLibrary(std::shared_ptr<FreeTypeLibrary> library, std::unique_ptr<FontFinder> finder)
    : m_library(std::move(library)), m_finder(std::move(finder)) {}

FontLibrary::~FontLibrary() = default;

FontResult FontLibrary::font(const FontRequest& request) {
    const FaceChoice choice = choose_face(request);
    FontResult result;
    const std::string path = m_finder->find(choice, result.error);
    if (path.empty()) return result;
    result = font_from_file(path, request.height);
    if (!result.font) result.error = "font " + describe(choice) + ": " + result.error;
    return result;
}

FontResult FontLibrary::font_from_file(const std::string& path, int height) {
    FontResult result;
    if (height < 1 || height > 512) {
        result.error = "font height " + std::to_string(height) + " out of range";
        return result;
    }
    auto& slot = m_fonts[{path, height}];
    if (!slot) {
        FT_Face face = nullptr;
        if (FT_New_Face(m_library->m_library, path.c_str(), 0, &face) != 0) {
            result.error = "cannot open font file " + path;
            m_fonts.erase({path, height});
            return result;
        }
        auto shared = std::make_shared<FontFace>(m_library, face);
        FT_Size_RequestRec size{FT_SIZE_REQUEST_TYPE_CELL, 0, height * 64, 0, 0};
        if (!FT_IS_SCALABLE(face) || FT_Request_Size(face, &size) != 0) {
            result.error = "font file " + path + " cannot be scaled to " + std::to_string(height);
            m_fonts.erase({path, height});
            return result;
        }
        slot = std::make_unique<Font>(std::move(shared), height);
    }
    result.font = slot.get();
    return result;
}

}  // namespace zel::platform
