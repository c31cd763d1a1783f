#include "platform/ui/menus/menu_layout.h"

#include <algorithm>

#include "platform/ui/controls/control_look.h"

namespace zel::platform {

namespace {

constexpr int kFallbackTextHeight = 13;
constexpr int kBorder = 2;          // the frame and one pixel of face inside it
constexpr int kTextMargin = 3;      // above and below the text of a row
constexpr int kSeparatorHeight = 8;
constexpr int kTextGap = 8;         // between the longest text and the arrow column

struct Columns {
    int text_height;
    int check;  // width of the check-mark column, where the text starts
    int arrow;  // width of the submenu-arrow column
};

Columns columns_for(const Font* font) {
    int h = font != nullptr ? font->metrics().height : kFallbackTextHeight;
    return {h, h + 4, h};
}

int row_height(const MenuEntry& e, const Columns& c) {
    return e.separator() ? kSeparatorHeight : c.text_height + 2 * kTextMargin;
}

void draw_check(Painter& p, const Rect& column) {
    int cx = column.left + column.width() / 2;
    int cy = column.top + column.height() / 2;
    for (int dy = 0; dy < 2; ++dy) {
        p.draw_line({cx - 4, cy - 1 + dy}, {cx - 1, cy + 2 + dy});
        p.draw_line({cx - 1, cy + 2 + dy}, {cx + 4, cy - 3 + dy});
    }
}

void draw_arrow(Painter& p, const Rect& column, Color c) {
    int x = column.left + column.width() / 2 - 2;
    int cy = column.top + column.height() / 2;
    for (int k = 0; k < 4; ++k) p.fill_rect({x + k, cy - 3 + k, x + k + 1, cy + 4 - k}, c);
}

void paint_entry(Painter& p, const MenuEntry& e, const Rect& row, const Columns& cols, bool selected) {
    if (e.separator()) {
        int y = row.top + row.height() / 2 - 1;
        p.fill_rect({row.left + 2, y, row.right - 2, y + 1}, look::shadow);
        p.fill_rect({row.left + 2, y + 1, row.right - 2, y + 2}, colors::white);
        return;
    }
    if (selected) p.fill_rect(row, look::highlight);
    Color text = e.disabled() ? look::grey_text : (selected ? look::highlight_text : look::text);
    p.set_pen(Pen::solid(text));
    if (e.checked()) draw_check(p, {row.left, row.top, row.left + cols.check, row.bottom});
    if (e.opens_submenu()) draw_arrow(p, {row.right - cols.arrow, row.top, row.right, row.bottom}, text);
    draw_label(p, {row.left + cols.check, row.top, row.right - cols.arrow, row.bottom}, parse_mnemonic(e.text),
               Align::Left, text);
}

}  // namespace

MenuGeometry layout_menu(const Menu& menu, const Font* font) {
    Columns cols = columns_for(font);
    int text_width = 0;
    if (font != nullptr) {
        for (const MenuEntry& e : menu.entries()) {
            text_width = std::max(text_width, font->text_width(parse_mnemonic(e.text).text));
        }
    }
    int width = 2 * kBorder + cols.check + text_width + kTextGap + cols.arrow;
    MenuGeometry g;
    int y = kBorder;
    for (const MenuEntry& e : menu.entries()) {
        int h = row_height(e, cols);
        g.items.push_back({kBorder, y, width - kBorder, y + h});
        y += h;
    }
    g.size = {width, y + kBorder};
    return g;
}

int item_at(const Menu& menu, const MenuGeometry& geometry, Point p) {
    for (std::size_t i = 0; i < geometry.items.size(); ++i) {
        if (geometry.items[i].contains(p)) return menu.entries()[i].separator() ? -1 : static_cast<int>(i);
    }
    return -1;
}

Rect place_popup(Size size, Point at, MenuAlign align, Size screen) {
    int left = align == MenuAlign::Right ? at.x - size.width : at.x;
    int x = std::max(0, std::min(left, screen.width - size.width));
    int y = std::max(0, std::min(at.y, screen.height - size.height));
    return Rect::from_size({x, y}, size);
}

// The submenu overlaps its parent by the border, so its first row lines up with the item.
Rect place_submenu(Size size, const Rect& item_on_screen, const Rect& parent_on_screen, Size screen) {
    int x = parent_on_screen.right - kBorder;
    if (x + size.width > screen.width) x = parent_on_screen.left - size.width + kBorder;
    return place_popup(size, {x, item_on_screen.top - kBorder}, MenuAlign::Left, screen);
}

void paint_menu(Painter& p, const Menu& menu, const MenuGeometry& geometry, int highlight) {
    Rect all = Rect::from_size({0, 0}, geometry.size);
    p.fill_rect(all, look::face);
    draw_frame(p, all, look::frame);
    Columns cols = columns_for(p.font());
    for (std::size_t i = 0; i < menu.entries().size(); ++i) {
        paint_entry(p, menu.entries()[i], geometry.items[i], cols, static_cast<int>(i) == highlight);
    }
}

}  // namespace zel::platform
