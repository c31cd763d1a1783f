#include "platform/gfx/bitmap_resources.h"

#include <filesystem>

#include "platform/gfx/png.h"

namespace zel::platform {

void BitmapResources::add(std::string name, Bitmap bitmap) {
    m_bitmaps.insert_or_assign(std::move(name), std::move(bitmap));
}

std::vector<std::string> BitmapResources::load_folder(const std::string& folder) {
    std::vector<std::string> errors;
    std::error_code ec;
    std::filesystem::directory_iterator it(folder, ec);
    if (ec) {
        errors.push_back("cannot list " + folder + ": " + ec.message());
        return errors;
    }
    for (const auto& entry : it) {
        const std::filesystem::path& path = entry.path();
        if (path.extension() != ".png") continue;
        PngImage image = read_png(path.string());
        if (image.bitmap) {
            add(path.stem().string(), std::move(*image.bitmap));
        } else {
            errors.push_back(image.error);
        }
    }
    return errors;
}

const Bitmap* BitmapResources::find(std::string_view name) const {
    const auto it = m_bitmaps.find(name);
    return it == m_bitmaps.end() ? nullptr : &it->second;
}

bool draw_resource(Painter& painter, const BitmapResources& resources, Point p, std::string_view name) {
    const Bitmap* bitmap = resources.find(name);
    if (!bitmap) return false;
    painter.draw_bitmap(p, *bitmap);
    return true;
}

}  // namespace zel::platform
