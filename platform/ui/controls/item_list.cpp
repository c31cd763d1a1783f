#include <algorithm>

#include "platform/ui/controls/control_classes.h"
#include "platform/ui/controls/control_look.h"

// The items of list boxes and drop-down lists, and how a list of rows with a scroll bar looks
// and answers taps.

namespace zel::platform::controls {

namespace {

bool valid(const ItemList& l, WParam index) { return index < static_cast<WParam>(l.count()); }

}  // namespace

std::optional<LResult> ItemList::handle(MessageId message, WParam wparam, LParam lparam) {
    switch (message) {
    case ctl::add_string: {
        const auto* text = reinterpret_cast<const std::string_view*>(lparam);
        items.emplace_back(text != nullptr ? *text : std::string_view{});
        return count() - 1;
    }
    case ctl::delete_string:
        if (!valid(*this, wparam)) return -1;
        items.erase(items.begin() + static_cast<std::ptrdiff_t>(wparam));
        if (selection == static_cast<int>(wparam)) selection = -1;
        else if (selection > static_cast<int>(wparam)) --selection;
        top = std::clamp(top, 0, std::max(0, count() - 1));
        return count();
    case ctl::reset_content:
        items.clear();
        selection = -1;
        top = 0;
        return 0;
    case ctl::get_count: return count();
    case ctl::set_cur_sel:
        // -1 (all bits set) clears the selection and is no error.
        if (static_cast<int>(wparam) == -1) {
            selection = -1;
            return -1;
        }
        if (!valid(*this, wparam)) return -1;
        selection = static_cast<int>(wparam);
        return selection;
    case ctl::get_cur_sel: return selection;
    case ctl::get_item_text: {
        if (!valid(*this, wparam)) return -1;
        if (auto* out = reinterpret_cast<std::string*>(lparam)) *out = items[wparam];
        return static_cast<LResult>(items[wparam].size());
    }
    case ctl::set_top_index:
        if (!valid(*this, wparam)) return -1;
        top = static_cast<int>(wparam);
        return 0;
    case ctl::get_top_index: return top;
    default: return std::nullopt;
    }
}

void ItemList::clamp_top(int rows) { top = std::clamp(top, 0, std::max(0, count() - std::max(rows, 1))); }

void ItemList::reveal_selection(int rows) {
    rows = std::max(rows, 1);
    if (selection >= 0) {
        if (selection < top) top = selection;
        if (selection >= top + rows) top = selection - rows + 1;
    }
    clamp_top(rows);
}

int row_height_for(const Painter& p) { return line_height(p) + 2; }

// The bar appears only when it has something to scroll, as the operator expects of a list.
ListGeometry list_geometry(const Painter& p, const Rect& client, const ItemList& list, bool scroll_bar) {
    ListGeometry g;
    g.row_height = row_height_for(p);
    Rect inner{client.left + 1, client.top + 1, client.right - 1, client.bottom - 1};
    g.visible_rows = std::max(1, inner.height() / g.row_height);
    g.rows = inner;
    if (scroll_bar && list.count() > g.visible_rows) {
        int width = std::min(inner.width() / 2, line_height(p));
        g.bar = {inner.right - width, inner.top, inner.right, inner.bottom};
        g.rows.right = g.bar.left;
    }
    return g;
}

namespace {

struct BarParts {
    Rect up, down, track, thumb;
};

BarParts bar_parts(const ItemList& list, const ListGeometry& g) {
    BarParts b;
    int arrow = std::min(g.bar.width(), g.bar.height() / 3);
    b.up = {g.bar.left, g.bar.top, g.bar.right, g.bar.top + arrow};
    b.down = {g.bar.left, g.bar.bottom - arrow, g.bar.right, g.bar.bottom};
    b.track = {g.bar.left, b.up.bottom, g.bar.right, b.down.top};
    int hidden = std::max(1, list.count() - g.visible_rows);
    int thumb = std::max(std::min(b.track.height(), 6), b.track.height() * g.visible_rows / std::max(1, list.count()));
    int top = b.track.top + (b.track.height() - thumb) * std::clamp(list.top, 0, hidden) / hidden;
    b.thumb = {g.bar.left, top, g.bar.right, top + thumb};
    return b;
}

void paint_bar(Painter& p, const ItemList& list, const ListGeometry& g) {
    BarParts b = bar_parts(list, g);
    p.fill_rect(g.bar, look::face);
    for (const Rect& box : {b.up, b.down, b.thumb}) {
        p.fill_rect(box, look::face);
        draw_frame(p, box, look::frame);
    }
    draw_arrow(p, b.up, Pointing::Up, look::text);
    draw_arrow(p, b.down, Pointing::Down, look::text);
    p.fill_rect({g.bar.left, g.bar.top, g.bar.left + 1, g.bar.bottom}, look::frame);
}

}  // namespace

void paint_list(Painter& p, const Rect& client, const ItemList& list, const ListGeometry& g, bool focused, bool enabled) {
    p.fill_rect(client, enabled ? look::field : look::face);
    draw_frame(p, client, look::frame);
    p.save();
    p.add_clip_rect(g.rows);
    for (int row = 0; row < g.visible_rows + 1; ++row) {
        int index = list.top + row;
        if (index >= list.count()) break;
        Rect line = Rect::from_size(g.rows.left, g.rows.top + row * g.row_height, g.rows.width(), g.row_height);
        bool selected = index == list.selection;
        if (selected) p.fill_rect(line, look::highlight);
        Color ink = !enabled ? look::grey_text : selected ? look::highlight_text : look::text;
        Rect text{line.left + 2, line.top, line.right - 1, line.bottom};
        p.set_text_color(ink);
        p.draw_text({text.left, text.top + 1}, list.items[index], text);
        if (selected && focused) draw_focus_rect(p, line);
    }
    p.restore();
    if (!g.bar.empty()) paint_bar(p, list, g);
}

ListHitResult hit_list(const ItemList& list, const ListGeometry& g, Point at) {
    if (!g.bar.empty() && g.bar.contains(at)) {
        BarParts b = bar_parts(list, g);
        if (b.up.contains(at)) return {ListHit::ScrollUp, -1};
        if (b.down.contains(at)) return {ListHit::ScrollDown, -1};
        if (at.y < b.thumb.top) return {ListHit::PageUp, -1};
        if (at.y >= b.thumb.bottom) return {ListHit::PageDown, -1};
        return {};
    }
    if (!g.rows.contains(at)) return {};
    int index = list.top + (at.y - g.rows.top) / g.row_height;
    if (index >= list.count()) return {};
    return {ListHit::Item, index};
}

}  // namespace zel::platform::controls
