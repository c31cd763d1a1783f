#include <algorithm>

#include "platform/ui/controls/control_classes.h"
#include "platform/ui/controls/control_look.h"
#include "platform/ui/screen.h"

namespace zel::platform::controls {

namespace {

bool scroll_bar(const ListBoxData& d) { return has(d.style, ControlStyle::VerticalScroll); }

std::optional<ListGeometry> geometry(Window w, const ListBoxData& d) {
    Screen* screen = Screen::of(w);
    if (screen == nullptr) return std::nullopt;
    return list_geometry(screen->painter(w), w.client_rect(), d.list, scroll_bar(d));
}

// The operator's choice: shown, kept in view and told to the parent.
void choose(Window w, ListBoxData& d, int index, int rows) {
    index = std::clamp(index, 0, d.list.count() - 1);
    if (d.list.count() == 0 || index == d.list.selection) return;
    d.list.selection = index;
    d.list.reveal_selection(rows);
    w.invalidate();
    notify_parent(w, notify::selection_change);
}

void scroll_to(Window w, ListBoxData& d, int top, int rows) {
    d.list.top = top;
    d.list.clamp_top(rows);
    w.invalidate();
}

LResult on_paint(Window w, MessageId, WParam, LParam) {
    ListBoxData* d = w.data<ListBoxData>();
    Screen* screen = Screen::of(w);
    if (d == nullptr || screen == nullptr) return 0;
    Painter p = screen->painter(w);
    ListGeometry g = list_geometry(p, w.client_rect(), d->list, scroll_bar(*d));
    paint_list(p, w.client_rect(), d->list, g, w.has_focus(), w.enabled());
    return 0;
}

LResult on_pointer_down(Window w, MessageId, WParam, LParam lparam) {
    ListBoxData* d = w.data<ListBoxData>();
    if (d == nullptr) return 0;
    w.focus();
    auto g = geometry(w, *d);
    if (!g) return 0;
    ListHitResult hit = hit_list(d->list, *g, {point_x(lparam), point_y(lparam)});
    int rows = g->visible_rows;
    switch (hit.hit) {
    case ListHit::Item: choose(w, *d, hit.item, rows); break;
    case ListHit::ScrollUp: scroll_to(w, *d, d->list.top - 1, rows); break;
    case ListHit::ScrollDown: scroll_to(w, *d, d->list.top + 1, rows); break;
    case ListHit::PageUp: scroll_to(w, *d, d->list.top - rows, rows); break;
    case ListHit::PageDown: scroll_to(w, *d, d->list.top + rows, rows); break;
    case ListHit::Nothing: break;
    }
    return 0;
}

LResult on_key_down(Window w, MessageId message, WParam key, LParam) {
    ListBoxData* d = w.data<ListBoxData>();
    auto g = d != nullptr ? geometry(w, *d) : std::nullopt;
    if (!g) return 0;
    int rows = g->visible_rows;
    int at = d->list.selection;
    switch (key) {
    case key::up: choose(w, *d, at < 0 ? 0 : at - 1, rows); return 0;
    case key::down: choose(w, *d, at + 1, rows); return 0;
    case key::page_up: choose(w, *d, at - rows, rows); return 0;
    case key::page_down: choose(w, *d, at < 0 ? rows - 1 : at + rows, rows); return 0;
    case key::home: choose(w, *d, 0, rows); return 0;
    case key::end: choose(w, *d, d->list.count() - 1, rows); return 0;
    default: return is_dialog_key(key) ? forward_key(w, message, key) : 0;
    }
}

LResult on_control_message(Window w, MessageId message, WParam wparam, LParam lparam) {
    ListBoxData* d = w.data<ListBoxData>();
    if (d == nullptr) return 0;
    if (message == ctl::get_info) return info_of(ControlKind::ListBox, d->style);
    std::optional<LResult> result = d->list.handle(message, wparam, lparam);
    if (message != ctl::get_count && message != ctl::get_cur_sel && message != ctl::get_item_text &&
        message != ctl::get_top_index) {
        if (auto g = geometry(w, *d)) {
            if (message == ctl::set_top_index) d->list.clamp_top(g->visible_rows);
            else d->list.reveal_selection(g->visible_rows);
        }
        w.invalidate();
    }
    return result.value_or(0);
}

LResult repaint(Window w, MessageId, WParam, LParam) {
    w.invalidate();
    return 0;
}

constexpr MessageEntry kListBoxTable[] = {
    {msg::paint, on_paint},
    {msg::pointer_down, on_pointer_down},
    {msg::key_down, on_key_down},
    {msg::set_focus, repaint},
    {msg::kill_focus, repaint},
    {msg::enable, repaint},
    {ctl::get_info, on_control_message},
    {ctl::add_string, on_control_message},
    {ctl::delete_string, on_control_message},
    {ctl::reset_content, on_control_message},
    {ctl::get_count, on_control_message},
    {ctl::set_cur_sel, on_control_message},
    {ctl::get_cur_sel, on_control_message},
    {ctl::get_item_text, on_control_message},
    {ctl::set_top_index, on_control_message},
    {ctl::get_top_index, on_control_message},
};

}  // namespace

const WindowClass kListBoxClass{"LISTBOX", kListBoxTable};

}  // namespace zel::platform::controls
