#include "platform/gfx/raster.h"

#include <cmath>

namespace zel::platform {

Span ellipse_row(const EllipseBox& box, std::int64_t y) {
    if (y < box.top || y >= box.bottom || box.right <= box.left) return {};
    const double cx = (static_cast<double>(box.left) + static_cast<double>(box.right)) / 2.0;
    const double cy = (static_cast<double>(box.top) + static_cast<double>(box.bottom)) / 2.0;
    const double a = static_cast<double>(box.right - box.left) / 2.0;
    const double b = static_cast<double>(box.bottom - box.top) / 2.0;
    const double t = (static_cast<double>(y) + 0.5 - cy) / b;
    const double rest = 1.0 - t * t;
    if (rest < 0.0) return {};
    const double half = a * std::sqrt(rest);
    // Clamped in double precision before the conversion, which would overflow otherwise.
    const double first = std::max(static_cast<double>(box.left), std::ceil(cx - half - 0.5));
    const double last = std::min(static_cast<double>(box.right - 1), std::floor(cx + half - 0.5));
    return {static_cast<std::int64_t>(first), static_cast<std::int64_t>(last)};
}

}  // namespace zel::platform
