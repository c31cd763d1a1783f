#include "platform/gfx/png.h"

#include <png.h>

#include <vector>

namespace zel::platform {

namespace {

// Larger than any screen or resource of ours; a damaged header cannot ask for gigabytes.
constexpr unsigned kMaxSide = 4096;

}  // namespace

std::string write_png(const std::string& path, const Bitmap& bitmap) {
    if (bitmap.width() <= 0 || bitmap.height() <= 0) return "cannot write an empty picture to " + path;
    std::vector<png_byte> rgb;
    rgb.reserve(bitmap.pixels().size() * 3);
    for (Color c : bitmap.pixels()) {
        rgb.push_back(red(c));
        rgb.push_back(green(c));
        rgb.push_back(blue(c));
    }
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(bitmap.width());
    image.height = static_cast<png_uint_32>(bitmap.height());
    image.format = PNG_FORMAT_RGB;
    if (!png_image_write_to_file(&image, path.c_str(), 0, rgb.data(), 0, nullptr)) {
        std::string error = "cannot write " + path + ": " + image.message;
        png_image_free(&image);
        return error;
    }
    return {};
}

PngImage read_png(const std::string& path) {
    PngImage result;
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str())) {
        result.error = "cannot read " + path + ": " + image.message;
        png_image_free(&image);
        return result;
    }
    if (image.width == 0 || image.height == 0 || image.width > kMaxSide || image.height > kMaxSide) {
        result.error = "cannot read " + path + ": picture size out of range";
        png_image_free(&image);
        return result;
    }
    image.format = PNG_FORMAT_RGB;
    std::vector<png_byte> bytes(PNG_IMAGE_SIZE(image));
    const png_color black{0, 0, 0};
    if (!png_image_finish_read(&image, &black, bytes.data(), 0, nullptr)) {
        result.error = "cannot read " + path + ": " + image.message;
        png_image_free(&image);
        return result;
    }
    Bitmap bitmap({static_cast<int>(image.width), static_cast<int>(image.height)});
    const png_byte* p = bytes.data();
    for (int y = 0; y < bitmap.height(); ++y) {
        for (int x = 0; x < bitmap.width(); ++x, p += 3) bitmap.set_pixel(x, y, rgb(p[0], p[1], p[2]));
    }
    result.bitmap = std::move(bitmap);
    return result;
}

}  // namespace zel::platform
