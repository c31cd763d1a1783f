#pragma once

#include <cstdlib>
#include <vector>

#include "platform/gfx/geometry.h"

namespace zel::platform {

enum class MajorAxis { X, Y };

// Walks the pixels of a line with Bresenham's rule, leaving the end point out (the classic
// raster convention: a polyline paints every vertex once, and a line ending at X leaves X
// itself unpainted). On an exact tie the minor coordinate does not step yet. A line of zero
// length visits nothing.
template <class Plot>
void walk_line(Point from, Point to, Plot&& plot) {
    const int dx = std::abs(to.x - from.x);
    const int dy = std::abs(to.y - from.y);
    const int sx = to.x >= from.x ? 1 : -1;
    const int sy = to.y >= from.y ? 1 : -1;
    int x = from.x;
    int y = from.y;
    if (dx >= dy) {
        int d = 2 * dy - dx;
        for (int i = 0; i < dx; ++i) {
            plot(x, y, MajorAxis::X);
            if (d > 0) y += sy, d -= 2 * dx;
            d += 2 * dy;
            x += sx;
        }
    } else {
        int d = 2 * dx - dy;
        for (int i = 0; i < dy; ++i) {
            plot(x, y, MajorAxis::Y);
            if (d > 0) x += sx, d -= 2 * dy;
            d += 2 * dx;
            y += sy;
        }
    }
}

// The perpendicular extent of a pen of width w centred on a pixel: [c - w/2, c + (w-1)/2], so
// even widths put the extra pixel above or left of the line.
constexpr int pen_low(int centre, int width) { return centre - width / 2; }
constexpr int pen_high(int centre, int width) { return centre + (width - 1) / 2; }

// Per row of an ellipse's bounding box [left, right) x [top, bottom): the inclusive span of
// pixels whose centres lie inside the ellipse, or first > last when the row has none.
struct Span {
    int first = 0;
    int last = -1;
};
std::vector<Span> ellipse_spans(const Rect& box);

}  // namespace zel::platform
