#pragma once

#include <algorithm>

namespace zel::platform {

struct Point {
    int x = 0;
    int y = 0;
    friend constexpr bool operator==(const Point&, const Point&) = default;
};

struct Size {
    int width = 0;
    int height = 0;
    friend constexpr bool operator==(const Size&, const Size&) = default;
};

// A rectangle covers x in [left, right) and y in [top, bottom): the right and bottom edges are
// outside, so adjacent rectangles share no pixel.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    static constexpr Rect from_size(Point p, Size s) {
        return {p.x, p.y, p.x + s.width, p.y + s.height};
    }
    static constexpr Rect from_size(int x, int y, int width, int height) {
        return {x, y, x + width, y + height};
    }
    constexpr Point top_left() const { return {left, top}; }
    constexpr int width() const { return right - left; }
    constexpr int height() const { return bottom - top; }
    constexpr bool empty() const { return right <= left || bottom <= top; }
    constexpr bool contains(Point p) const {
        return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
    }
    constexpr Rect translated(int dx, int dy) const {
        return {left + dx, top + dy, right + dx, bottom + dy};
    }
    // The same area with left <= right and top <= bottom.
    constexpr Rect normalized() const {
        return {std::min(left, right), std::min(top, bottom), std::max(left, right),
                std::max(top, bottom)};
    }
    constexpr Rect intersected(const Rect& o) const {
        Rect r{std::max(left, o.left), std::max(top, o.top), std::min(right, o.right),
               std::min(bottom, o.bottom)};
        return r.empty() ? Rect{} : r;
    }
    // The smallest rectangle holding both; an empty rectangle adds nothing.
    constexpr Rect united(const Rect& o) const {
        if (o.empty()) return empty() ? Rect{} : *this;
        if (empty()) return o;
        return {std::min(left, o.left), std::min(top, o.top), std::max(right, o.right),
                std::max(bottom, o.bottom)};
    }
    friend constexpr bool operator==(const Rect&, const Rect&) = default;
};

}  // namespace zel::platform
