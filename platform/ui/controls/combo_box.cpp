#include <algorithm>
#include <memory>

#include "platform/ui/controls/control_classes.h"
#include "platform/ui/controls/control_look.h"
#include "platform/ui/screen.h"
#include "platform/ui/window_system.h"

// A drop-down list: a closed box with the chosen text and an arrow; a tap opens the list as a
// window over all others and runs a nested loop until the operator chooses or gives up.
//
// The open list sits on a transparent window that spans the list and the combo's top-level
// window (the dialog). It is the modal window while open, so a tap beside the list still reaches
// it and closes the list, and everything outside stays as untouchable as under the dialog.

namespace zel::platform::controls {

namespace {

enum class Outcome { Open, Chosen, Cancelled };

struct DropdownData {
    Window list;
    Outcome outcome = Outcome::Open;
};

LResult on_dropdown_pointer_down(Window w, MessageId, WParam, LParam) {
    if (DropdownData* d = w.data<DropdownData>()) d->outcome = Outcome::Cancelled;
    return 0;
}

// The list tells of a tap on an item; the scroll bar does not, so scrolling keeps it open.
LResult on_dropdown_command(Window w, MessageId, WParam wparam, LParam) {
    DropdownData* d = w.data<DropdownData>();
    if (d != nullptr && high_word(wparam) == notify::selection_change) d->outcome = Outcome::Chosen;
    return 0;
}

LResult on_dropdown_key_down(Window w, MessageId, WParam key, LParam) {
    DropdownData* d = w.data<DropdownData>();
    if (d == nullptr) return 0;
    int at = selection(d->list);
    switch (key) {
    case key::up: set_selection(d->list, std::max(0, at - 1)); break;
    case key::down: set_selection(d->list, std::min(item_count(d->list) - 1, at + 1)); break;
    case key::enter: d->outcome = Outcome::Chosen; break;
    case key::escape:
    case key::tab: d->outcome = Outcome::Cancelled; break;
    default: break;
    }
    return 0;
}

LResult paint_nothing(Window, MessageId, WParam, LParam) { return 0; }

constexpr MessageEntry kDropdownTable[] = {
    {msg::paint, paint_nothing},
    {msg::pointer_down, on_dropdown_pointer_down},
    {msg::command, on_dropdown_command},
    {msg::key_down, on_dropdown_key_down},
};
const WindowClass kDropdownClass{"ComboDropdown", kDropdownTable};

Rect top_level_rect(Window w) {
    while (!w.parent().is_null()) w = w.parent();
    return w.rect();
}

// Below the box, or above it when it would leave the screen there and fits better above.
Rect dropdown_rect(Window combo, const ComboData& d, int row_height, Size screen) {
    Rect box = combo.screen_rect();
    int rows_asked = std::max(1, d.list_height / row_height);
    int rows = std::clamp(d.list.count(), 1, rows_asked);
    int height = rows * row_height + 2;
    Rect below = Rect::from_size(box.left, box.bottom, box.width(), height);
    if (below.bottom <= screen.height || box.top - height < 0) return below;
    return Rect::from_size(box.left, box.top - height, box.width(), height);
}

void open_dropdown(Window combo, ComboData& d) {
    Screen* screen = Screen::of(combo);
    if (d.dropped || screen == nullptr) return;
    notify_parent(combo, notify::drop_down);
    if (!combo.alive()) return;
    int row_height = row_height_for(screen->painter(combo));
    Rect list_rect = dropdown_rect(combo, d, row_height, screen->size());
    Rect area = top_level_rect(combo).united(list_rect);
    auto state = std::make_shared<DropdownData>();
    Window popup = screen->ui().create(
        {&kDropdownClass, "", {}, area, WindowStyle::Visible, 0, UserData::borrowed(*state)});
    if (popup.is_null()) return;
    state->list = create_control(popup, {ControlKind::ListBox, 1, "",
                                         list_rect.translated(-area.left, -area.top), ControlStyle::VerticalScroll});
    for (const std::string& item : d.list.items) add_string(state->list, item);
    set_selection(state->list, d.list.selection);
    d.dropped = true;
    d.popup = popup;
    combo.invalidate();

    screen->ui().run_modal(popup, [&] { return state->outcome != Outcome::Open; });
    int chosen = state->outcome == Outcome::Chosen ? selection(state->list) : -1;
    popup.destroy();
    d.dropped = false;
    d.popup = {};
    if (!combo.alive()) return;
    combo.focus();  // the list took it while open
    combo.invalidate();
    notify_parent(combo, notify::close_up);
    if (chosen >= 0 && chosen != d.list.selection && chosen < d.list.count()) {
        d.list.selection = chosen;
        notify_parent(combo, notify::selection_change);
    }
}

void close_dropdown(ComboData& d) {
    if (DropdownData* state = d.popup.data<DropdownData>()) state->outcome = Outcome::Cancelled;
}

void step_selection(Window combo, ComboData& d, int step) {
    int next = std::clamp(d.list.selection + step, 0, d.list.count() - 1);
    if (d.list.count() == 0 || next == d.list.selection) return;
    d.list.selection = next;
    combo.invalidate();
    notify_parent(combo, notify::selection_change);
}

LResult on_paint(Window w, MessageId, WParam, LParam) {
    ComboData* d = w.data<ComboData>();
    Screen* screen = Screen::of(w);
    if (d == nullptr || screen == nullptr) return 0;
    Painter p = screen->painter(w);
    Rect r = w.client_rect();
    bool enabled = w.enabled();
    p.fill_rect(r, enabled ? look::field : look::face);
    draw_frame(p, r, look::frame);
    int arrow_width = std::min(r.width() / 2, r.height() - 2);
    Rect arrow{r.right - 1 - arrow_width, r.top + 1, r.right - 1, r.bottom - 1};
    p.fill_rect(arrow, look::face);
    p.fill_rect({arrow.left - 1, arrow.top, arrow.left, arrow.bottom}, look::frame);
    draw_arrow(p, arrow, Pointing::Down, enabled ? look::text : look::grey_text);
    Rect text_box{r.left + 2, r.top + 2, arrow.left - 2, r.bottom - 2};
    bool focused = w.has_focus() && !d->dropped;
    if (focused) p.fill_rect(text_box, look::highlight);
    if (d->list.selection >= 0 && d->list.selection < d->list.count()) {
        MnemonicText text{d->list.items[d->list.selection]};
        Color ink = !enabled ? look::grey_text : focused ? look::highlight_text : look::text;
        draw_label(p, {text_box.left + 1, text_box.top, text_box.right, text_box.bottom}, text, Align::Left, ink);
    }
    return 0;
}

LResult on_pointer_down(Window w, MessageId, WParam, LParam) {
    ComboData* d = w.data<ComboData>();
    if (d == nullptr) return 0;
    w.focus();
    open_dropdown(w, *d);
    return 0;
}

LResult on_key_down(Window w, MessageId message, WParam key, LParam) {
    ComboData* d = w.data<ComboData>();
    if (d == nullptr) return 0;
    switch (key) {
    case key::up: step_selection(w, *d, -1); return 0;
    case key::down: step_selection(w, *d, 1); return 0;
    case key::f1 + 3: open_dropdown(w, *d); return 0;  // F4, the customary key to open it
    default: return is_dialog_key(key) ? forward_key(w, message, key) : 0;
    }
}

LResult on_control_message(Window w, MessageId message, WParam wparam, LParam lparam) {
    ComboData* d = w.data<ComboData>();
    if (d == nullptr) return 0;
    switch (message) {
    case ctl::get_info: return info_of(ControlKind::ComboBox, d->style);
    case ctl::show_dropdown:
        if (wparam != 0) open_dropdown(w, *d);
        else close_dropdown(*d);
        return 0;
    case ctl::get_dropped_state: return d->dropped ? 1 : 0;
    default: break;
    }
    std::optional<LResult> result = d->list.handle(message, wparam, lparam);
    w.invalidate();
    return result.value_or(0);
}

LResult on_destroy(Window w, MessageId, WParam, LParam) {
    if (ComboData* d = w.data<ComboData>()) close_dropdown(*d);
    return 0;
}

LResult repaint(Window w, MessageId, WParam, LParam) {
    w.invalidate();
    return 0;
}

constexpr MessageEntry kComboTable[] = {
    {msg::paint, on_paint},
    {msg::pointer_down, on_pointer_down},
    {msg::key_down, on_key_down},
    {msg::destroy, on_destroy},
    {msg::set_focus, repaint},
    {msg::kill_focus, repaint},
    {msg::enable, repaint},
    {ctl::get_info, on_control_message},
    {ctl::show_dropdown, on_control_message},
    {ctl::get_dropped_state, on_control_message},
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

const WindowClass kComboBoxClass{"COMBOBOX", kComboTable};

}  // namespace zel::platform::controls
