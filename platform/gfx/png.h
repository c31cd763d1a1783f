#pragma once

#include <optional>
#include <string>

#include "platform/gfx/bitmap.h"

namespace zel::platform {

// An RGB PNG of the bitmap. Empty on success, else why the file could not be written.
std::string write_png(const std::string& path, const Bitmap& bitmap);

struct PngImage {
    std::optional<Bitmap> bitmap;
    std::string error;  // set when bitmap is empty
};

// Any PNG libpng reads; transparency is composited over black, as a copy has no alpha.
PngImage read_png(const std::string& path);

}  // namespace zel::platform
