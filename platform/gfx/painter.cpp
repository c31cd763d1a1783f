#include "platform/gfx/painter.h"

#include <algorithm>
#include <cstring>

#include "platform/gfx/raster.h"
#include "platform/gfx/utf8.h"

namespace zel::platform {

namespace {

// Farther than any screen, near enough that sums of a few such values stay in an int.
constexpr std::int64_t kFar = std::int64_t{1} << 29;
constexpr int kWidestPen = 1000;

int saturate(std::int64_t v) { return static_cast<int>(std::clamp(v, -kFar, kFar)); }

Rect offset_rect(const Rect& r, std::int64_t dx, std::int64_t dy) {
    return {saturate(r.left + dx), saturate(r.top + dy), saturate(r.right + dx),
            saturate(r.bottom + dy)};
}

int pen_width(const Pen& pen) { return std::clamp(pen.width, 1, kWidestPen); }

}  // namespace

Painter::Painter(Bitmap& target) : Painter(target, nullptr, target.bounds()) {}

Painter::Painter(Framebuffer& target) : Painter(target, &target, target.bounds()) {}

Painter::Painter(Bitmap& target, const Rect& window) : Painter(target, nullptr, window) {}

Painter::Painter(Framebuffer& target, const Rect& window) : Painter(target, &target, window) {}

Painter::Painter(Bitmap& target, Framebuffer* framebuffer, const Rect& window)
    : m_target(target), m_framebuffer(framebuffer) {
    m_state.origin = {window.left, window.top};
    m_state.clip = window.intersected(target.bounds());
}

void Painter::save() { m_saved.push_back(m_state); }

void Painter::restore() {
    if (m_saved.empty()) return;
    m_state = m_saved.back();
    m_saved.pop_back();
}

void Painter::translate(int dx, int dy) {
    m_state.origin = {saturate(std::int64_t{m_state.origin.x} + dx),
                      saturate(std::int64_t{m_state.origin.y} + dy)};
}

void Painter::add_clip_rect(const Rect& r) {
    m_state.clip = m_state.clip.intersected(to_target(r.normalized()));
}

Rect Painter::clip_rect() const {
    return m_state.clip.translated(-m_state.origin.x, -m_state.origin.y);
}

Rect Painter::to_target(const Rect& r) const {
    return offset_rect(r, m_state.origin.x, m_state.origin.y);
}

Point Painter::to_target(Point p) const {
    return {saturate(std::int64_t{p.x} + m_state.origin.x),
            saturate(std::int64_t{p.y} + m_state.origin.y)};
}

void Painter::touch(const Rect& r) {
    if (m_framebuffer) m_framebuffer->add_damage(r);
}

void Painter::fill_area(Rect r, Color c) {
    r = r.intersected(m_state.clip);
    if (r.empty()) return;
    for (int y = r.top; y < r.bottom; ++y) std::fill_n(m_target.row(y) + r.left, r.width(), c);
    touch(r);
}

void Painter::fill_span(int y, int x_first, int x_last, Color c) {
    fill_area({x_first, y, x_last + 1, y + 1}, c);
}

void Painter::set_pixel(Point p, Color c) {
    const Point t = to_target(p);
    fill_span(t.y, t.x, t.x, c);
}

std::optional<Color> Painter::pixel(Point p) const {
    const Point t = to_target(p);
    if (!m_state.clip.contains(t)) return std::nullopt;
    return m_target.pixel(t.x, t.y);
}

// A wide pen paints across the line's major axis at every pixel of the thin line, so a
// horizontal or vertical line of width w is exactly w pixels thick and keeps its length.
void Painter::stroke(Point from, Point to) {
    const Pen& pen = m_state.pen;
    if (pen.style == PenStyle::Null) return;
    const int w = pen_width(pen);
    const Color c = pen.color;
    const Rect& clip = m_state.clip;
    const Rect band{clip.left - w, clip.top - w, clip.right + w, clip.bottom + w};
    const std::int64_t ox = m_state.origin.x;
    const std::int64_t oy = m_state.origin.y;
    walk_line(from.x + ox, from.y + oy, to.x + ox, to.y + oy, band, [&](int x, int y, MajorAxis axis) {
        if (axis == MajorAxis::X) {
            fill_area({x, pen_low(y, w), x + 1, pen_high(y, w) + 1}, c);
        } else {
            fill_span(y, pen_low(x, w), pen_high(x, w), c);
        }
    });
}

void Painter::draw_line(Point from, Point to) { stroke(from, to); }

void Painter::draw_polyline(std::span<const Point> points) {
    for (std::size_t i = 1; i < points.size(); ++i) stroke(points[i - 1], points[i]);
}

void Painter::fill_rect(const Rect& r, const Brush& brush) {
    if (brush.style == BrushStyle::Null) return;
    fill_area(to_target(r), brush.color);
}

// The outline runs along the outermost rows and columns of the rectangle; a wide pen is
// centred on them, so it reaches w/2 pixels outside.
void Painter::draw_rect(const Rect& r) {
    const Rect box = to_target(r.normalized());
    if (box.empty()) return;
    const Pen& pen = m_state.pen;
    if (pen.style == PenStyle::Null) {
        if (m_state.brush.style == BrushStyle::Solid) fill_area(box, m_state.brush.color);
        return;
    }
    const int w = pen_width(pen);
    const Rect outer{pen_low(box.left, w), pen_low(box.top, w), pen_high(box.right - 1, w) + 1,
                     pen_high(box.bottom - 1, w) + 1};
    const Rect inner{pen_high(box.left, w) + 1, pen_high(box.top, w) + 1, pen_low(box.right - 1, w),
                     pen_low(box.bottom - 1, w)};
    if (inner.empty()) {
        fill_area(outer, pen.color);
        return;
    }
    if (m_state.brush.style == BrushStyle::Solid) fill_area(inner, m_state.brush.color);
    fill_area({outer.left, outer.top, outer.right, inner.top}, pen.color);
    fill_area({outer.left, inner.bottom, outer.right, outer.bottom}, pen.color);
    fill_area({outer.left, inner.top, inner.left, inner.bottom}, pen.color);
    fill_area({inner.right, inner.top, outer.right, inner.bottom}, pen.color);
}

// A pixel belongs to the outline when a pixel within the pen width to its left, right, top or
// bottom lies outside the ellipse; the rest of each row is the inside.
void Painter::draw_ellipse(const Rect& r) {
    const Rect n = r.normalized();
    const std::int64_t ox = m_state.origin.x;
    const std::int64_t oy = m_state.origin.y;
    const EllipseBox box{n.left + ox, n.top + oy, n.right + ox, n.bottom + oy};
    const Pen& pen = m_state.pen;
    const bool outline = pen.style == PenStyle::Solid;
    const bool fill = m_state.brush.style == BrushStyle::Solid;
    const int w = outline ? pen_width(pen) : 0;
    const std::int64_t top = std::max<std::int64_t>(box.top, m_state.clip.top);
    const std::int64_t bottom = std::min<std::int64_t>(box.bottom, m_state.clip.bottom);
    // Spans are cut to a little beyond the clip, which keeps them in int range and changes
    // nothing visible.
    const std::int64_t near_left = m_state.clip.left - 1;
    const std::int64_t near_right = m_state.clip.right;
    for (std::int64_t y = top; y < bottom; ++y) {
        const Span s = ellipse_row(box, y);
        if (s.first > s.last) continue;
        Span inside{s.first + w, s.last - w};
        for (int k = 1; k <= w; ++k) {
            for (const Span& other : {ellipse_row(box, y - k), ellipse_row(box, y + k)}) {
                inside.first = std::max(inside.first, other.first);
                inside.last = std::min(inside.last, other.last);
            }
        }
        auto span = [&](std::int64_t first, std::int64_t last, Color c) {
            first = std::max(first, near_left);
            last = std::min(last, near_right);
            if (first <= last) fill_span(static_cast<int>(y), static_cast<int>(first), static_cast<int>(last), c);
        };
        if (inside.first > inside.last) {
            if (outline || fill) span(s.first, s.last, outline ? pen.color : m_state.brush.color);
            continue;
        }
        if (fill) span(inside.first, inside.last, m_state.brush.color);
        if (outline) {
            span(s.first, inside.first - 1, pen.color);
            span(inside.last + 1, s.last, pen.color);
        }
    }
}

void Painter::draw_text(Point p, std::string_view utf8) { draw_glyphs(p, utf8, m_state.clip); }

void Painter::draw_text(Point p, std::string_view utf8, const Rect& r) {
    draw_glyphs(p, utf8, m_state.clip.intersected(to_target(r)));
}

void Painter::draw_glyphs(Point p, std::string_view utf8, const Rect& clip) {
    const Font* font = m_state.font;
    if (!font || clip.empty()) return;
    const Color c = m_state.text_color;
    const Point start = to_target(p);
    int pen_x = start.x;
    const int top = start.y;
    Rect drawn;
    for (std::size_t pos = 0; pos < utf8.size() && pen_x < clip.right;) {
        const Glyph& g = font->glyph(next_code_point(utf8, pos));
        const Point at{pen_x + g.left, top + g.top};
        pen_x += g.advance;
        const Rect box = Rect::from_size(at, {g.width, g.height}).intersected(clip);
        if (box.empty()) continue;
        drawn = drawn.united(box);
        for (int y = box.top; y < box.bottom; ++y) {
            const std::uint8_t* mask = g.mask.data() + static_cast<std::ptrdiff_t>(y - at.y) * g.width;
            Color* row = m_target.row(y);
            for (int x = box.left; x < box.right; ++x) {
                if (mask[x - at.x]) row[x] = c;
            }
        }
    }
    touch(drawn);
}

Size Painter::measure_text(std::string_view utf8) const {
    return m_state.font ? m_state.font->measure(utf8) : Size{};
}

void Painter::scroll(const Rect& r, int dx, int dy) {
    const Rect src = to_target(r.normalized()).intersected(m_state.clip);
    const Rect dst = offset_rect(src, dx, dy).intersected(m_state.clip);
    if (dst.empty()) return;
    const std::size_t bytes = static_cast<std::size_t>(dst.width()) * sizeof(Color);
    // Rows are visited away from the direction of travel so that no source row is overwritten
    // before it has been copied; within a row memmove handles the overlap.
    auto copy_row = [&](int y) {
        std::memmove(m_target.row(y) + dst.left, m_target.row(y - dy) + dst.left - dx, bytes);
    };
    if (dy > 0) {
        for (int y = dst.bottom - 1; y >= dst.top; --y) copy_row(y);
    } else {
        for (int y = dst.top; y < dst.bottom; ++y) copy_row(y);
    }
    touch(dst);
}

void Painter::copy_to(Bitmap& dst, const Rect& r, Point dst_pos) const {
    const Rect src_full = to_target(r.normalized());
    const std::int64_t shift_x = std::int64_t{dst_pos.x} - src_full.left;
    const std::int64_t shift_y = std::int64_t{dst_pos.y} - src_full.top;
    const Rect to = offset_rect(src_full.intersected(m_state.clip), shift_x, shift_y).intersected(dst.bounds());
    if (to.empty()) return;
    const int dx = static_cast<int>(shift_x);
    const int dy = static_cast<int>(shift_y);
    for (int y = to.top; y < to.bottom; ++y) {
        std::memcpy(dst.row(y) + to.left, m_target.row(y - dy) + to.left - dx,
                    static_cast<std::size_t>(to.width()) * sizeof(Color));
    }
}

void Painter::draw_bitmap(Point p, const Bitmap& src, const Rect& src_rect) {
    const Rect wanted = src_rect.normalized();
    const Rect from = wanted.intersected(src.bounds());
    const std::int64_t shift_x = std::int64_t{p.x} + m_state.origin.x - wanted.left;
    const std::int64_t shift_y = std::int64_t{p.y} + m_state.origin.y - wanted.top;
    const Rect to = offset_rect(from, shift_x, shift_y).intersected(m_state.clip);
    if (to.empty()) return;
    const int dx = static_cast<int>(shift_x);
    const int dy = static_cast<int>(shift_y);
    for (int y = to.top; y < to.bottom; ++y) {
        std::memcpy(m_target.row(y) + to.left, src.row(y - dy) + to.left - dx,
                    static_cast<std::size_t>(to.width()) * sizeof(Color));
    }
    touch(to);
}

}  // namespace zel::platform
