#include "platform/ui/controls/control_classes.h"
#include "platform/ui/controls/control_look.h"
#include "platform/ui/screen.h"

namespace zel::platform::controls {

namespace {

Align align_of(ControlStyle style) {
    if (has(style, ControlStyle::Centred)) return Align::Centre;
    if (has(style, ControlStyle::RightAligned)) return Align::Right;
    return Align::Left;
}

// Labels and value fields: one line, top-aligned as dialog labels are, cut at the control's edge.
LResult on_paint(Window w, MessageId, WParam, LParam) {
    StaticData* d = w.data<StaticData>();
    Screen* screen = Screen::of(w);
    if (d == nullptr || screen == nullptr) return 0;
    Painter p = screen->painter(w);
    Rect r = w.client_rect();
    p.fill_rect(r, look::face);
    Rect text_box = r;
    if (has(d->style, ControlStyle::Border)) {
        draw_frame(p, r, look::frame);
        text_box = {r.left + 2, r.top + 1, r.right - 2, r.bottom - 1};
    }
    text_box.bottom = std::min(text_box.bottom, text_box.top + line_height(p));
    draw_label(p, text_box, parse_mnemonic(w.text()), align_of(d->style),
               w.enabled() ? look::text : look::grey_text);
    return 0;
}

LResult on_info(Window w, MessageId, WParam, LParam) {
    StaticData* d = w.data<StaticData>();
    return d != nullptr ? info_of(ControlKind::Static, d->style) : 0;
}

LResult repaint(Window w, MessageId, WParam, LParam) {
    w.invalidate();
    return 0;
}

constexpr MessageEntry kStaticTable[] = {
    {msg::paint, on_paint},
    {msg::set_text, repaint},
    {msg::enable, repaint},
    {ctl::get_info, on_info},
};

}  // namespace

const WindowClass kStaticClass{"STATIC", kStaticTable};

}  // namespace zel::platform::controls
