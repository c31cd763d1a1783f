#include "platform/ui/dialogs/dialog.h"

#include <algorithm>
#include <memory>

#include "platform/ui/controls/control_look.h"
#include "platform/ui/screen.h"
#include "platform/ui/window_system.h"

namespace zel::platform {

namespace {

struct DialogState {
    DialogProcedure procedure;
    UserData data;
    int result = kDialogFailed;
    bool ended = false;
};

// Rounds as the classic multiply-then-divide does, so a control lands on the same pixel.
int scale(int value, int base, int divisor) {
    long long product = static_cast<long long>(value) * base;
    long long half = divisor / 2;
    return static_cast<int>(product >= 0 ? (product + half) / divisor : -((-product + half) / divisor));
}

std::vector<Window> focus_order(Window dialog) {
    std::vector<Window> order;
    for (Window child : dialog.children()) {
        if (child.visible() && child.enabled() && takes_focus(control_kind(child))) order.push_back(child);
    }
    return order;
}

void move_focus(Window dialog, int step) {
    std::vector<Window> order = focus_order(dialog);
    if (order.empty()) return;
    auto at = std::find(order.begin(), order.end(), dialog.system()->focus());
    std::ptrdiff_t n = static_cast<std::ptrdiff_t>(order.size());
    std::ptrdiff_t index = at == order.end() ? (step > 0 ? -1 : 0) : at - order.begin();
    order[static_cast<std::size_t>(((index + step) % n + n) % n)].focus();
}

void press(Window dialog, int id) {
    Window button = dialog.child(id);
    if (!button.is_null() && !button.enabled()) return;
    dialog.send(msg::command, make_wparam(static_cast<std::uint16_t>(id), notify::clicked),
                static_cast<LParam>(button.id()));
}

// Enter: the focused push button, else the default button, else OK.
void press_default(Window dialog) {
    Window focused = dialog.system()->focus();
    if (focused.parent() == dialog && control_kind(focused) == ControlKind::PushButton) {
        press(dialog, focused.control_id());
        return;
    }
    for (Window child : dialog.children()) {
        if (control_kind(child) == ControlKind::PushButton && has(control_style(child), ControlStyle::DefaultButton)) {
            press(dialog, child.control_id());
            return;
        }
    }
    press(dialog, kIdOk);
}

LResult default_dialog(Window w, MessageId message, WParam wparam, LParam) {
    switch (message) {
    case msg::command:
        if (high_word(wparam) == notify::clicked && (low_word(wparam) == kIdOk || low_word(wparam) == kIdCancel)) {
            end_dialog(w, low_word(wparam));
        }
        return 0;
    case msg::close: press(w, kIdCancel); return 0;
    case msg::key_down:
        switch (wparam) {
        case key::enter: press_default(w); break;
        case key::escape: press(w, kIdCancel); break;
        case key::tab:
        case key::down:
        case key::right: move_focus(w, 1); break;
        case key::up:
        case key::left: move_focus(w, -1); break;
        default: break;
        }
        return 0;
    default: return 0;
    }
}

void paint_frame(Window w) {
    Screen* screen = Screen::of(w);
    if (screen == nullptr) return;
    Painter p = screen->painter(w);
    Rect r = w.client_rect();
    DialogFrame frame = dialog_frame(p.font());
    p.fill_rect(r, look::face);
    draw_frame(p, r, look::frame, frame.border);
    Rect caption{r.left + frame.border, r.top + frame.border, r.right - frame.border, r.top + frame.border + frame.caption};
    p.fill_rect(caption, look::highlight);
    draw_label(p, {caption.left + 3, caption.top, caption.right - 2, caption.bottom}, MnemonicText{w.text()},
               Align::Left, look::highlight_text);
}

// Every message the procedure may want passes here: the procedure first, then the default.
LResult dialog_message(Window w, MessageId message, WParam wparam, LParam lparam) {
    if (message == msg::paint) paint_frame(w);
    DialogState* state = w.data<DialogState>();
    if (state != nullptr) {
        auto entry = std::find_if(state->procedure.begin(), state->procedure.end(),
                                  [&](const DialogEntry& e) { return e.message == message; });
        if (entry != state->procedure.end()) {
            LResult handled = entry->handler(w, message, wparam, lparam);
            if (handled != 0 || message == dlg::init) return handled;
        }
    }
    if (message == dlg::init) return 1;
    return default_dialog(w, message, wparam, lparam);
}

constexpr MessageEntry kDialogTable[] = {
    {msg::paint, dialog_message},        {dlg::init, dialog_message},      {msg::command, dialog_message},
    {msg::key_down, dialog_message},     {msg::character, dialog_message}, {msg::timer, dialog_message},
    {msg::close, dialog_message},        {msg::destroy, dialog_message},   {msg::pointer_down, dialog_message},
};
const WindowClass kDialogClass{"Dialog", kDialogTable};

Rect centred(Size size, Size screen) {
    int x = std::max(0, (screen.width - size.width) / 2);
    int y = std::max(0, (screen.height - size.height) / 2);
    return Rect::from_size(x, y, size.width, size.height);
}

}  // namespace

DialogFrame dialog_frame(const Font* font) {
    return {1, (font != nullptr ? font->metrics().height : 13) + 4};
}

Rect dialog_units_to_pixels(int x, int y, int width, int height, const FontMetrics& font) {
    int base_x = std::max(1, font.average_char_width);
    int base_y = std::max(1, font.height);
    return Rect::from_size(scale(x, base_x, 4), scale(y, base_y, 8), scale(width, base_x, 4), scale(height, base_y, 8));
}

int run_dialog(Window owner, const DialogTemplate& dialog, DialogProcedure procedure, UserData data) {
    Screen* screen = Screen::of(owner);
    if (screen == nullptr) return kDialogFailed;
    FontMetrics metrics = screen->ui_font() != nullptr ? screen->ui_font()->metrics() : FontMetrics{13, 10, 3, 7};
    DialogLayout layout;
    layout.caption = std::string(dialog.caption);
    Rect client = dialog_units_to_pixels(0, 0, dialog.width, dialog.height, metrics);
    layout.client = {client.width(), client.height()};
    for (const DialogItem& item : dialog.items) {
        layout.controls.push_back({item.kind, item.id, std::string(item.text),
                                   dialog_units_to_pixels(item.x, item.y, item.width, item.height, metrics), item.style});
    }
    return run_dialog(owner, layout, procedure, std::move(data));
}

int run_dialog(Window owner, const DialogLayout& layout, DialogProcedure procedure, UserData data) {
    Screen* screen = Screen::of(owner);
    if (screen == nullptr) return kDialogFailed;
    WindowSystem& ui = screen->ui();
    Window before = ui.focus();
    DialogFrame frame = dialog_frame(screen->ui_font());
    Size size{layout.client.width + 2 * frame.border, layout.client.height + 2 * frame.border + frame.caption};
    auto state = std::make_shared<DialogState>(DialogState{procedure, std::move(data)});
    Window dialog = ui.create({&kDialogClass, layout.caption, {}, centred(size, screen->size()), WindowStyle::None, 0,
                               UserData::borrowed(*state)});
    if (dialog.is_null()) return kDialogFailed;
    for (ControlSpec desc : layout.controls) {
        desc.rect = desc.rect.translated(frame.border, frame.border + frame.caption);
        create_control(dialog, desc);
    }
    std::vector<Window> order = focus_order(dialog);
    Window first = order.empty() ? Window{} : order.front();
    if (dialog.send(dlg::init, static_cast<WParam>(first.control_id())) != 0 && !first.is_null()) first.focus();
    if (!state->ended) {
        dialog.show();
        ModalEnd end = ui.run_modal(dialog, [&] { return state->ended; });
        if (end != ModalEnd::Finished) state->result = kDialogFailed;
    }
    dialog.destroy();
    if (before.alive()) before.focus();
    return state->result;
}

void end_dialog(Window dialog, int result) {
    DialogState* state = dialog.data<DialogState>();
    if (state == nullptr) return;
    state->result = result;
    state->ended = true;
}

Window dialog_item(Window dialog, int id) { return dialog.child(id); }

std::string dialog_text(Window dialog, int id) { return dialog.child(id).text(); }

void set_dialog_text(Window dialog, int id, std::string text) { dialog.child(id).set_text(std::move(text)); }

const UserData* dialog_user_data(Window dialog) {
    DialogState* state = dialog.data<DialogState>();
    return state != nullptr ? &state->data : nullptr;
}

}  // namespace zel::platform
