#pragma once

#include <cstddef>
#include <span>
#include <vector>

#include "platform/gfx/color.h"
#include "platform/gfx/geometry.h"

namespace zel::platform {

// An off-screen picture of 32-bit pixels in the framebuffer's format, rows top to bottom.
class Bitmap {
public:
    Bitmap() = default;
    Bitmap(Size size, Color fill = colors::black);

    Size size() const { return m_size; }
    int width() const { return m_size.width; }
    int height() const { return m_size.height; }
    Rect bounds() const { return {0, 0, m_size.width, m_size.height}; }

    // Unchecked access; callers clip first.
    Color pixel(int x, int y) const { return m_pixels[index(x, y)]; }
    void set_pixel(int x, int y, Color c) { m_pixels[index(x, y)] = c; }
    Color* row(int y) { return m_pixels.data() + index(0, y); }
    const Color* row(int y) const { return m_pixels.data() + index(0, y); }
    std::span<const Color> pixels() const { return m_pixels; }

    void fill(Color c);

    friend bool operator==(const Bitmap&, const Bitmap&) = default;

private:
    std::size_t index(int x, int y) const {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(m_size.width) +
               static_cast<std::size_t>(x);
    }

    Size m_size;
    std::vector<Color> m_pixels;
};

// The screen's pixels. It remembers the area drawn since the last present, so a display can
// send only that rectangle.
class Framebuffer final : public Bitmap {
public:
    explicit Framebuffer(Size size, Color fill = colors::black) : Bitmap(size, fill) {}

    void add_damage(const Rect& r) { m_damage = m_damage.united(r.intersected(bounds())); }
    Rect damage() const { return m_damage; }
    // Returns the damaged area and starts a new one.
    Rect take_damage();

private:
    Rect m_damage;
};

}  // namespace zel::platform
