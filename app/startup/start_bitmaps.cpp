#include "app/startup/start_bitmaps.h"

#include <algorithm>
#include <array>

#include "app/catalogue/catalogue.h"
#include "platform/gfx/painter.h"

namespace zel {

namespace {

using platform::Bitmap;
using platform::Color;
using platform::Point;
using platform::Rect;
using platform::rgb;

constexpr Color kNavy = rgb(16, 40, 96);
constexpr Color kSky = rgb(214, 228, 244);
constexpr Color kAmber = rgb(236, 164, 32);
constexpr Color kSensor = rgb(96, 104, 112);

const platform::Font* font_of(platform::FontLibrary* fonts, int height, int weight) {
    if (fonts == nullptr || height < 6) return nullptr;
    return fonts->font({"MS Sans Serif", height, weight}).font;
}

void centred_text(platform::Painter& p, const platform::Font* font, std::string_view text, int centre_x, int top) {
    if (font == nullptr) return;
    p.set_font(font);
    p.draw_text({centre_x - font->text_width(text) / 2, top}, text);
}

// A wave like a magnetic anomaly profile across the picture: flat, a dipole swing, flat again.
void draw_trace(platform::Painter& p, const Rect& box, Color colour, int width) {
    static constexpr std::array<int, 13> kShape{0, 0, 1, 3, 8, 4, -6, -9, -3, 0, 1, 0, 0};
    std::array<Point, kShape.size()> points;
    const int mid = (box.top + box.bottom) / 2;
    for (std::size_t i = 0; i < kShape.size(); ++i) {
        const int x = box.left + static_cast<int>(i) * (box.width() - 1) / static_cast<int>(kShape.size() - 1);
        points[i] = {x, mid - kShape[i] * box.height() / 20};
    }
    p.set_pen(platform::Pen::solid(colour, width));
    p.draw_polyline(points);
}

// The GRAD601: two upright sensor tubes joined by a carrying bar, with a profile below.
void draw_gradiometer(platform::Painter& p, const Rect& area, int stroke) {
    const int tube_w = std::max(3, area.width() / 9);
    const int tube_h = area.height() * 11 / 20;
    const int top = area.top + area.height() / 10;
    const int left_x = area.left + area.width() / 4 - tube_w / 2;
    const int right_x = area.left + area.width() * 3 / 4 - tube_w / 2;
    p.set_pen(platform::Pen::solid(kNavy, stroke));
    p.set_brush(platform::Brush::solid(kSensor));
    p.draw_rect(Rect::from_size(left_x, top, tube_w, tube_h));
    p.draw_rect(Rect::from_size(right_x, top, tube_w, tube_h));
    p.set_brush(platform::Brush::solid(kAmber));
    p.draw_rect({left_x, top + tube_h / 3, right_x + tube_w, top + tube_h / 3 + std::max(3, tube_h / 12)});
}

Bitmap splash(const BuildConfig& build, platform::Size size, const ScreenMeasurements& m, platform::FontLibrary* fonts) {
    Bitmap b(size, kSky);
    platform::Painter p(b);
    const int stroke = m.quarter_vga() ? 1 : 2;
    p.set_pen(platform::Pen::solid(kNavy, stroke));
    p.set_brush(platform::Brush::null());
    p.draw_rect(b.bounds());
    const Rect picture{b.width() / 8, b.height() / 12, b.width() * 7 / 8, b.height() * 3 / 5};
    if (build.type == InstrumentType::Grad601) {
        draw_gradiometer(p, picture, stroke);
    } else {
        p.set_brush(platform::Brush::solid(kSensor));
        p.draw_ellipse(picture);
    }
    draw_trace(p, {b.width() / 10, b.height() * 3 / 5, b.width() * 9 / 10, b.height() * 4 / 5}, kAmber, stroke + 1);
    p.set_text_color(kNavy);
    const platform::Font* name_font = font_of(fonts, m.f(13), 700);
    centred_text(p, name_font, model_name(build).value_or("ZEL"), b.width() / 2, b.height() * 4 / 5 + stroke);
    return b;
}

Bitmap company(platform::Size size, platform::FontLibrary* fonts) {
    Bitmap b(size, kNavy);
    platform::Painter p(b);
    p.fill_rect({0, 0, b.width(), std::max(1, b.height() / 8)}, kAmber);
    p.set_text_color(platform::colors::white);
    centred_text(p, font_of(fonts, b.height() - b.height() / 8 - 1, 400), "ZEL field logging", b.width() / 2,
                 b.height() / 8);
    return b;
}

Bitmap logo(platform::Size size, const ScreenMeasurements& m, platform::FontLibrary* fonts) {
    Bitmap b(size, platform::colors::light_grey);
    platform::Painter p(b);
    const int d = b.height() - 2;
    p.set_pen(platform::Pen::solid(kNavy, m.quarter_vga() ? 2 : 3));
    p.set_brush(platform::Brush::solid(kSky));
    p.draw_ellipse(Rect::from_size(1, 1, d, d));
    draw_trace(p, Rect::from_size(d / 6, d / 4, d * 2 / 3 + 2, d / 2), kAmber, m.quarter_vga() ? 2 : 3);
    p.set_text_color(kNavy);
    const platform::Font* font = font_of(fonts, b.height() * 3 / 4, 700);
    if (font != nullptr) {
        p.set_font(font);
        p.draw_text({d + d / 4, (b.height() - font->metrics().height) / 2}, "ZEL");
    }
    return b;
}

}  // namespace

StartBitmapSizes start_bitmap_sizes(const ScreenMeasurements& m) {
    if (m.portrait()) {
        // Left of the arcs (x 96), between the logo and the version text (y 284).
        return {{m.x(92), m.y(196)}, {m.x(230), m.y(14)}, {m.x(230), m.y(50)}};
    }
    // Left of the arcs (x 175), between the logo and the version text (y 190).
    return {{m.x(168), m.y(138)}, {m.x(168), m.y(16)}, {m.x(168), m.y(40)}};
}

void add_start_bitmaps(platform::BitmapResources& resources, const BuildConfig& build, const ScreenMeasurements& m,
                       platform::FontLibrary* fonts) {
    const StartBitmapSizes sizes = start_bitmap_sizes(m);
    if (std::optional<std::string> name = splash_bitmap(build, m.orientation, m.screen_class)) {
        resources.add(*name, splash(build, sizes.splash, m, fonts));
    }
    resources.add(company_bitmap(m.orientation, m.screen_class), company(sizes.company, fonts));
    resources.add(logo_bitmap(m.orientation, m.screen_class), logo(sizes.logo, m, fonts));
}

}  // namespace zel
