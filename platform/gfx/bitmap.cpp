#include "platform/gfx/bitmap.h"

#include <algorithm>

namespace zel::platform {

Bitmap::Bitmap(Size size, Color fill)
    : m_size{std::max(size.width, 0), std::max(size.height, 0)},
      m_pixels(static_cast<std::size_t>(m_size.width) * static_cast<std::size_t>(m_size.height),
               fill) {}

void Bitmap::fill(Color c) { std::fill(m_pixels.begin(), m_pixels.end(), c); }

Rect Framebuffer::take_damage() {
    Rect r = m_damage;
    m_damage = Rect{};
    return r;
}

}  // namespace zel::platform
