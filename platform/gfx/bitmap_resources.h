#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "platform/gfx/bitmap.h"
#include "platform/gfx/painter.h"

namespace zel::platform {

// Bitmaps the system draws by name (splash pictures, logos).
class BitmapResources {
public:
    void add(std::string name, Bitmap bitmap);
    // Adds every "NAME.png" in the folder under NAME; returns the files that could not be read,
    // one message each, so a broken resource is reported rather than silently missing.
    std::vector<std::string> load_folder(const std::string& folder);
    const Bitmap* find(std::string_view name) const;

private:
    std::map<std::string, Bitmap, std::less<>> m_bitmaps;
};

// Copies the named bitmap at its own size with its top-left at p; false when there is none.
bool draw_resource(Painter& painter, const BitmapResources& resources, Point p, std::string_view name);

}  // namespace zel::platform
