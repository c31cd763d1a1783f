#pragma once

#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "platform/gfx/bitmap.h"
#include "platform/gfx/brush.h"
#include "platform/gfx/color.h"
#include "platform/gfx/font.h"
#include "platform/gfx/geometry.h"
#include "platform/gfx/pen.h"

namespace zel::platform {

// Draws into a framebuffer or a bitmap. It knows only pixels: coordinates are relative to an
// origin and everything is clipped to a clip rectangle, both kept with the pen, brush, font and
// text colour on a save/restore stack. A window's surface is a painter whose origin and clip
// come from the window's screen rectangle; drawing code never asks which window it is in.
//
// Pixel rules: a rectangle (l, t, r, b) covers x in [l, r) and y in [t, b); lines leave their
// end point unpainted; a pen of width w covers [c - w/2, c + (w-1)/2] across its line.
// Any int coordinate is safe: shapes reaching far off the target are cut, not wrapped, and cost
// only their visible part (a reading far out of range makes such a row).
class Painter {
public:
    explicit Painter(Bitmap& target);
    explicit Painter(Framebuffer& target);
    // A window-bound surface: origin at the window's top-left, clipped to the window.
    Painter(Bitmap& target, const Rect& window);
    Painter(Framebuffer& target, const Rect& window);

    void save();
    // Without a matching save, restore does nothing.
    void restore();
    void translate(int dx, int dy);
    // Narrows the clip to r (in current coordinates); it never widens.
    void add_clip_rect(const Rect& r);
    Rect clip_rect() const;  // in current coordinates
    Point origin() const { return m_state.origin; }  // in target pixels

    void set_pen(const Pen& pen) { m_state.pen = pen; }
    const Pen& pen() const { return m_state.pen; }
    void set_brush(const Brush& brush) { m_state.brush = brush; }
    const Brush& brush() const { return m_state.brush; }
    void set_font(const Font* font) { m_state.font = font; }
    const Font* font() const { return m_state.font; }
    void set_text_color(Color c) { m_state.text_color = c; }

    void set_pixel(Point p, Color c);
    // Empty outside the clip rectangle.
    std::optional<Color> pixel(Point p) const;

    // With the pen; the end point is not painted.
    void draw_line(Point from, Point to);
    // Every segment with the pen; only the last point is left unpainted.
    void draw_polyline(std::span<const Point> points);
    // Outline with the pen, inside with the brush; either corner order gives the same shape.
    void draw_rect(const Rect& r);
    // Covers [l, r) x [t, b); an inverted rectangle fills nothing.
    void fill_rect(const Rect& r, const Brush& brush);
    void fill_rect(const Rect& r, Color c) { fill_rect(r, Brush::solid(c)); }
    // The ellipse inscribed in r: outline with the pen (inside the box), inside with the brush.
    void draw_ellipse(const Rect& r);

    // Text with a transparent background; p is the top-left of the first character cell.
    // Without a font nothing is drawn.
    void draw_text(Point p, std::string_view utf8);
    // The same, clipped also to r.
    void draw_text(Point p, std::string_view utf8, const Rect& r);
    // Width of the text and height of the font's cell; empty without a font.
    Size measure_text(std::string_view utf8) const;

    // Moves the pixels of r by (dx, dy); source and destination may overlap. Only pixels whose
    // source and destination both lie inside the clip rectangle move.
    void scroll(const Rect& r, int dx, int dy);
    // Copies r of this surface to dst at dst_pos; pixels outside the clip are not read.
    void copy_to(Bitmap& dst, const Rect& r, Point dst_pos) const;
    // Copies src_rect of src to p.
    void draw_bitmap(Point p, const Bitmap& src, const Rect& src_rect);
    void draw_bitmap(Point p, const Bitmap& src) { draw_bitmap(p, src, src.bounds()); }

private:
    struct State {
        Point origin;
        Rect clip;  // in target pixels, inside the target
        Pen pen;
        Brush brush;
        const Font* font = nullptr;
        Color text_color = colors::black;
    };

    Painter(Bitmap& target, Framebuffer* damage, const Rect& window);

    Rect to_target(const Rect& r) const;
    Point to_target(Point p) const;
    void touch(const Rect& target_rect);
    // Target coordinates from here on, clipped against the clip rectangle.
    void fill_area(Rect r, Color c);
    void fill_span(int y, int x_first, int x_last, Color c);
    void stroke(Point from, Point to);
    void draw_glyphs(Point p, std::string_view utf8, const Rect& clip);

    Bitmap& m_target;
    Framebuffer* m_framebuffer;
    State m_state;
    std::vector<State> m_saved;
};

}  // namespace zel::platform
