#include <algorithm>

#include "platform/ui/controls/control_classes.h"
#include "platform/ui/controls/control_look.h"
#include "platform/ui/screen.h"

// Push buttons, check boxes, radio buttons and group boxes: one state, one message table,
// drawn by kind.

namespace zel::platform::controls {

namespace {

// The radio buttons of a group: from the control that starts it (Group style) up to the next
// one that starts another.
std::vector<Window> radio_group(Window radio) {
    std::vector<Window> siblings = radio.parent().children();
    auto self = std::find(siblings.begin(), siblings.end(), radio);
    if (self == siblings.end()) return {radio};
    auto first = self;
    while (first != siblings.begin() && !has(control_style(*first), ControlStyle::Group)) --first;
    auto last = std::next(self);
    while (last != siblings.end() && !has(control_style(*last), ControlStyle::Group)) ++last;
    std::vector<Window> group;
    std::copy_if(first, last, std::back_inserter(group),
                 [](Window w) { return control_kind(w) == ControlKind::RadioButton; });
    return group;
}

void set_checked(Window w, ButtonData& d, bool checked) {
    if (d.checked == checked) return;
    d.checked = checked;
    w.invalidate();
}

void activate(Window w, ButtonData& d) {
    switch (d.kind) {
    case ControlKind::CheckBox: set_checked(w, d, !d.checked); break;
    case ControlKind::RadioButton:
        for (Window other : radio_group(w)) {
            if (ButtonData* od = other.data<ButtonData>(); od != nullptr) set_checked(other, *od, other == w);
        }
        break;
    case ControlKind::GroupBox: return;
    default: break;
    }
    notify_parent(w, notify::clicked);
}

void paint_push_button(Painter& p, Window w, const ButtonData& d) {
    Rect r = w.client_rect();
    Color ink = !w.enabled() ? look::grey_text : d.pushed ? look::highlight_text : look::text;
    p.fill_rect(r, d.pushed ? look::text : look::face);
    draw_frame(p, r, look::frame, has(d.style, ControlStyle::DefaultButton) ? 2 : 1);
    Rect inner{r.left + 3, r.top + 2, r.right - 3, r.bottom - 2};
    draw_label(p, inner, parse_mnemonic(w.text()), Align::Centre, ink);
    if (w.has_focus() && !d.pushed) draw_focus_rect(p, {r.left + 3, r.top + 3, r.right - 3, r.bottom - 3});
}

// Check boxes and radio buttons: the mark left, the label right of it.
void paint_toggle(Painter& p, Window w, const ButtonData& d) {
    Rect r = w.client_rect();
    p.fill_rect(r, look::face);
    int size = std::min(r.height(), line_height(p) - 1);
    Rect box = Rect::from_size(r.left, r.top + (r.height() - size) / 2, size, size);
    Color ink = w.enabled() ? look::text : look::grey_text;
    if (d.kind == ControlKind::CheckBox) {
        p.fill_rect(box, look::field);
        draw_frame(p, box, ink);
        if (d.checked) {
            p.set_pen(Pen::solid(ink, 2));
            p.draw_line({box.left + 3, box.top + size / 2}, {box.left + size / 2, box.bottom - 3});
            p.draw_line({box.left + size / 2, box.bottom - 3}, {box.right - 2, box.top + 2});
        }
    } else {
        p.set_pen(Pen::solid(ink));
        p.set_brush(Brush::solid(look::field));
        p.draw_ellipse(box);
        if (d.checked) {
            p.set_pen(Pen::null());
            p.set_brush(Brush::solid(ink));
            p.draw_ellipse({box.left + 3, box.top + 3, box.right - 3, box.bottom - 3});
        }
    }
    Rect label{box.right + 4, r.top, r.right, r.bottom};
    MnemonicText text = parse_mnemonic(w.text());
    draw_label(p, label, text, Align::Left, ink);
    if (w.has_focus()) {
        Rect around = label_bounds(p, label, text, Align::Left).intersected(r);
        draw_focus_rect(p, {around.left - 1, around.top, around.right + 1, around.bottom});
    }
}

// The frame runs through the middle of the caption's line; the inside stays as the controls
// over it drew it.
void paint_group_box(Painter& p, Window w) {
    Rect r = w.client_rect();
    MnemonicText text = parse_mnemonic(w.text());
    int half = line_height(p) / 2;
    draw_frame(p, {r.left, r.top + half, r.right, r.bottom}, look::shadow);
    if (text.text.empty()) return;
    Rect caption = label_bounds(p, {r.left + 6, r.top, r.right - 6, r.top + 2 * half}, text, Align::Left);
    caption = Rect{caption.left - 2, caption.top, caption.right + 2, caption.bottom}.intersected(
        {r.left + 4, r.top, r.right - 4, r.bottom});
    p.fill_rect(caption, look::face);
    draw_label(p, {r.left + 6, r.top, r.right - 6, r.top + 2 * half}, text, Align::Left, look::text);
}

LResult on_paint(Window w, MessageId, WParam, LParam) {
    ButtonData* d = w.data<ButtonData>();
    Screen* screen = Screen::of(w);
    if (d == nullptr || screen == nullptr) return 0;
    Painter p = screen->painter(w);
    switch (d->kind) {
    case ControlKind::PushButton: paint_push_button(p, w, *d); break;
    case ControlKind::GroupBox: paint_group_box(p, w); break;
    default: paint_toggle(p, w, *d); break;
    }
    return 0;
}

LResult on_pointer_down(Window w, MessageId, WParam, LParam) {
    ButtonData* d = w.data<ButtonData>();
    if (d == nullptr) return 0;
    w.focus();
    d->tracking = true;
    if (d->kind == ControlKind::PushButton) {
        d->pushed = true;
        w.invalidate();
    }
    return 0;
}

// Only a release over the button counts: sliding off it is how the operator takes a tap back.
LResult on_pointer_up(Window w, MessageId, WParam, LParam lparam) {
    ButtonData* d = w.data<ButtonData>();
    if (d == nullptr || !d->tracking) return 0;
    d->tracking = false;
    if (d->kind == ControlKind::PushButton) {
        d->pushed = false;
        w.invalidate();
    }
    if (inside(w, lparam)) activate(w, *d);
    return 0;
}

LResult on_key_down(Window w, MessageId message, WParam key, LParam) {
    ButtonData* d = w.data<ButtonData>();
    if (d != nullptr && key == key::space) {
        activate(w, *d);
        return 0;
    }
    return forward_key(w, message, key);
}

LResult on_control_message(Window w, MessageId message, WParam wparam, LParam) {
    ButtonData* d = w.data<ButtonData>();
    if (d == nullptr) return 0;
    switch (message) {
    case ctl::get_info: return info_of(d->kind, d->style);
    case ctl::click: activate(w, *d); return 0;
    case ctl::set_state:
        if (d->pushed != (wparam != 0)) {
            d->pushed = wparam != 0;
            w.invalidate();
        }
        return 0;
    case ctl::get_state: return d->pushed ? 1 : 0;
    case ctl::set_check: set_checked(w, *d, wparam != 0); return 0;
    case ctl::get_check: return d->checked ? 1 : 0;
    default: return 0;
    }
}

LResult repaint(Window w, MessageId, WParam, LParam) {
    w.invalidate();
    return 0;
}

constexpr MessageEntry kButtonTable[] = {
    {msg::paint, on_paint},
    {msg::pointer_down, on_pointer_down},
    {msg::pointer_up, on_pointer_up},
    {msg::key_down, on_key_down},
    {msg::set_focus, repaint},
    {msg::kill_focus, repaint},
    {msg::set_text, repaint},
    {msg::enable, repaint},
    {ctl::get_info, on_control_message},
    {ctl::click, on_control_message},
    {ctl::set_state, on_control_message},
    {ctl::get_state, on_control_message},
    {ctl::set_check, on_control_message},
    {ctl::get_check, on_control_message},
};

}  // namespace

const WindowClass kPushButtonClass{"BUTTON", kButtonTable};
const WindowClass kCheckBoxClass{"CHECKBOX", kButtonTable};
const WindowClass kRadioButtonClass{"RADIOBUTTON", kButtonTable};
const WindowClass kGroupBoxClass{"GROUPBOX", kButtonTable};

}  // namespace zel::platform::controls
