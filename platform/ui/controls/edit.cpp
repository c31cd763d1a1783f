#include <algorithm>

#include "platform/gfx/utf8.h"
#include "platform/ui/controls/control_classes.h"
#include "platform/ui/controls/control_look.h"
#include "platform/ui/screen.h"

// A single-line edit: typing inserts at the caret, Backspace and Delete remove, the arrows and
// Home and End move the caret. No selection. Every change of its text tells the parent.

namespace zel::platform::controls {

namespace {

constexpr int kMargin = 2;

void append_utf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (c >> 18)));
        out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

int characters(std::string_view text) {
    int n = 0;
    for (std::size_t pos = 0; pos < text.size(); ++n) next_code_point(text, pos);
    return n;
}

std::size_t next_boundary(std::string_view text, std::size_t pos) {
    if (pos >= text.size()) return text.size();
    next_code_point(text, pos);
    return pos;
}

std::size_t previous_boundary(std::string_view text, std::size_t pos) {
    std::size_t at = 0;
    std::size_t before = 0;
    while (at < pos && at < text.size()) {
        before = at;
        next_code_point(text, at);
    }
    return before;
}

bool bordered(const EditData& d) { return has(d.style, ControlStyle::Border); }

Rect text_area(Window w, const EditData& d) {
    Rect r = w.client_rect();
    int inset = kMargin + (bordered(d) ? 1 : 0);
    return {r.left + inset, r.top, r.right - inset, r.bottom};
}

const Font* font_of(Window w) {
    Screen* screen = Screen::of(w);
    return screen != nullptr ? screen->ui_font() : nullptr;
}

int width_of(Window w, std::string_view text) {
    const Font* font = font_of(w);
    return font != nullptr ? font->text_width(text) : 0;
}

// Scrolls the text sideways just enough that the caret stays inside the field.
void reveal_caret(Window w, EditData& d) {
    int caret_x = width_of(w, std::string_view(w.text()).substr(0, d.caret));
    int width = std::max(1, text_area(w, d).width() - 1);
    if (caret_x < d.scroll) d.scroll = caret_x;
    if (caret_x > d.scroll + width) d.scroll = caret_x - width;
}

void replace_text(Window w, EditData& d, std::string text, std::size_t caret) {
    d.typing = true;
    w.set_text(std::move(text));
    d.typing = false;
    d.caret = caret;
    reveal_caret(w, d);
    w.invalidate();
    notify_parent(w, notify::edit_change);
}

void move_caret(Window w, EditData& d, std::size_t caret) {
    d.caret = caret;
    reveal_caret(w, d);
    w.invalidate();
}

void insert(Window w, EditData& d, char32_t c) {
    std::string text = w.text();
    if (has(d.style, ControlStyle::NumberOnly) && (c < '0' || c > '9')) {
        if (Screen* screen = Screen::of(w)) screen->beep(Beep::Simple);
        return;
    }
    if (characters(text) >= d.limit) {
        notify_parent(w, notify::max_text);
        return;
    }
    std::string piece;
    append_utf8(piece, c);
    text.insert(std::min(d.caret, text.size()), piece);
    replace_text(w, d, std::move(text), d.caret + piece.size());
}

LResult on_character(Window w, MessageId, WParam code, LParam) {
    EditData* d = w.data<EditData>();
    if (d == nullptr) return 0;
    auto c = static_cast<char32_t>(code);
    if (c == key::back) {
        std::string text = w.text();
        if (d->caret == 0) return 0;
        std::size_t from = previous_boundary(text, d->caret);
        text.erase(from, d->caret - from);
        replace_text(w, *d, std::move(text), from);
        return 0;
    }
    // Enter, Tab, Escape and the other control characters arrive as keys for the dialog.
    if (c < 0x20 || c == 0x7F || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return 0;
    insert(w, *d, c);
    return 0;
}

LResult on_key_down(Window w, MessageId message, WParam key, LParam) {
    EditData* d = w.data<EditData>();
    if (d == nullptr) return 0;
    std::string text = w.text();
    switch (key) {
    case key::left: move_caret(w, *d, previous_boundary(text, d->caret)); return 0;
    case key::right: move_caret(w, *d, next_boundary(text, d->caret)); return 0;
    case key::home: move_caret(w, *d, 0); return 0;
    case key::end: move_caret(w, *d, text.size()); return 0;
    case key::del:
        if (d->caret < text.size()) {
            text.erase(d->caret, next_boundary(text, d->caret) - d->caret);
            replace_text(w, *d, std::move(text), d->caret);
        }
        return 0;
    case key::back: return 0;  // handled as its character
    default: return is_dialog_key(key) ? forward_key(w, message, key) : 0;
    }
}

// Another's text (set by the dialog) puts the caret at its end.
LResult on_set_text(Window w, MessageId, WParam, LParam) {
    EditData* d = w.data<EditData>();
    if (d == nullptr || d->typing) return 0;
    d->caret = w.text().size();
    d->scroll = 0;
    reveal_caret(w, *d);
    w.invalidate();
    notify_parent(w, notify::edit_change);
    return 0;
}

LResult on_create(Window w, MessageId, WParam, LParam) {
    if (EditData* d = w.data<EditData>()) d->caret = w.text().size();
    return 0;
}

LResult on_pointer_down(Window w, MessageId, WParam, LParam lparam) {
    EditData* d = w.data<EditData>();
    if (d == nullptr) return 0;
    w.focus();
    std::string text = w.text();
    int x = point_x(lparam) - text_area(w, *d).left + d->scroll;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t next = next_boundary(text, pos);
        int left = width_of(w, std::string_view(text).substr(0, pos));
        int right = width_of(w, std::string_view(text).substr(0, next));
        if (x < (left + right) / 2) break;
        pos = next;
    }
    move_caret(w, *d, pos);
    return 0;
}

LResult on_focus(Window w, MessageId message, WParam, LParam) {
    w.invalidate();
    notify_parent(w, message == msg::set_focus ? notify::set_focus : notify::kill_focus);
    return 0;
}

LResult on_paint(Window w, MessageId, WParam, LParam) {
    EditData* d = w.data<EditData>();
    Screen* screen = Screen::of(w);
    if (d == nullptr || screen == nullptr) return 0;
    Painter p = screen->painter(w);
    Rect r = w.client_rect();
    p.fill_rect(r, w.enabled() ? look::field : look::face);
    if (bordered(*d)) draw_frame(p, r, look::frame);
    Rect area = text_area(w, *d);
    Rect inside_frame = bordered(*d) ? Rect{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1} : r;
    int y = area.top + (area.height() - line_height(p)) / 2;
    std::string text = w.text();
    p.set_text_color(w.enabled() ? look::text : look::grey_text);
    p.draw_text({area.left - d->scroll, y}, text, inside_frame);
    if (w.has_focus()) {
        int x = area.left - d->scroll + width_of(w, std::string_view(text).substr(0, d->caret));
        p.save();
        p.add_clip_rect(inside_frame);
        p.fill_rect({x, y, x + 1, y + line_height(p)}, look::text);
        p.restore();
    }
    return 0;
}

LResult on_control_message(Window w, MessageId message, WParam wparam, LParam) {
    EditData* d = w.data<EditData>();
    if (d == nullptr) return 0;
    switch (message) {
    case ctl::get_info: return info_of(ControlKind::Edit, d->style);
    case ctl::limit_text: d->limit = wparam == 0 ? kDefaultTextLimit : static_cast<int>(std::min<WParam>(wparam, kDefaultTextLimit)); return 0;
    case ctl::get_limit: return d->limit;
    default: return 0;
    }
}

LResult repaint(Window w, MessageId, WParam, LParam) {
    w.invalidate();
    return 0;
}

constexpr MessageEntry kEditTable[] = {
    {msg::create, on_create},
    {msg::paint, on_paint},
    {msg::character, on_character},
    {msg::key_down, on_key_down},
    {msg::pointer_down, on_pointer_down},
    {msg::set_text, on_set_text},
    {msg::set_focus, on_focus},
    {msg::kill_focus, on_focus},
    {msg::enable, repaint},
    {ctl::get_info, on_control_message},
    {ctl::limit_text, on_control_message},
    {ctl::get_limit, on_control_message},
};

}  // namespace

const WindowClass kEditClass{"EDIT", kEditTable};

}  // namespace zel::platform::controls
