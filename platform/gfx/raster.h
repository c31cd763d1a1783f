#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

#include "platform/gfx/geometry.h"

namespace zel::platform {

enum class MajorAxis { X, Y };

// Walks the pixels of a line with Bresenham's rule, leaving the end point out (the classic
// raster convention: a polyline paints every vertex once, and a line ending at X leaves X
// itself unpainted). On an exact tie the minor coordinate does not step yet. A line of zero
// length visits nothing. Only pixels inside band are visited, and the walk starts at the band,
// so a line from a wild coordinate costs no more than its visible part.
template <class Plot>
void walk_line(std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1, const Rect& band,
               Plot&& plot) {
    const std::int64_t dx = x1 >= x0 ? x1 - x0 : x0 - x1;
    const std::int64_t dy = y1 >= y0 ? y1 - y0 : y0 - y1;
    const bool x_major = dx >= dy;
    const std::int64_t major = x_major ? dx : dy;
    const std::int64_t minor = x_major ? dy : dx;
    const std::int64_t major_start = x_major ? x0 : y0;
    const std::int64_t minor_start = x_major ? y0 : x0;
    const int major_step = (x_major ? x1 >= x0 : y1 >= y0) ? 1 : -1;
    const int minor_step = (x_major ? y1 >= y0 : x1 >= x0) ? 1 : -1;
    const std::int64_t low = x_major ? band.left : band.top;
    const std::int64_t high = x_major ? band.right : band.bottom;
    const std::int64_t minor_low = x_major ? band.top : band.left;
    const std::int64_t minor_high = x_major ? band.bottom : band.right;
    std::int64_t first = major_step > 0 ? low - major_start : major_start - high + 1;
    std::int64_t last = major_step > 0 ? high - major_start : major_start - low + 1;
    first = std::max<std::int64_t>(first, 0);
    last = std::min(last, major);
    for (std::int64_t i = first; i < last; ++i) {
        // Minor steps taken before step i; the closed form of the usual error-term loop.
        const auto k = static_cast<std::int64_t>((static_cast<__int128>(2 * minor) * i + major - 1) /
                                                 (2 * major));
        const std::int64_t n = minor_start + minor_step * k;
        if (n < minor_low || n >= minor_high) continue;
        const int m = static_cast<int>(major_start + major_step * i);
        if (x_major) {
            plot(m, static_cast<int>(n), MajorAxis::X);
        } else {
            plot(static_cast<int>(n), m, MajorAxis::Y);
        }
    }
}

// The perpendicular extent of a pen of width w centred on a pixel: [c - w/2, c + (w-1)/2], so
// even widths put the extra pixel above or left of the line.
constexpr int pen_low(int centre, int width) { return centre - width / 2; }
constexpr int pen_high(int centre, int width) { return centre + (width - 1) / 2; }

// The pixels of one row of the ellipse inscribed in a bounding box [left, right) x
// [top, bottom): the inclusive span of pixels whose centres lie inside, or first > last when the
// row has none. Computed per row so that a huge box costs only its visible rows.
struct Span {
    std::int64_t first = 0;
    std::int64_t last = -1;
};

struct EllipseBox {
    std::int64_t left, top, right, bottom;
};

Span ellipse_row(const EllipseBox& box, std::int64_t y);

}  // namespace zel::platform
