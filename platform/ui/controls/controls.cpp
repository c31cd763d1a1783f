#include "platform/ui/controls/controls.h"

#include "platform/ui/controls/control_classes.h"
#include "platform/ui/screen.h"
#include "platform/ui/window_system.h"

namespace zel::platform {

using namespace controls;

namespace {

const WindowClass* class_for(ControlKind kind) {
    switch (kind) {
    case ControlKind::PushButton: return &kPushButtonClass;
    case ControlKind::CheckBox: return &kCheckBoxClass;
    case ControlKind::RadioButton: return &kRadioButtonClass;
    case ControlKind::GroupBox: return &kGroupBoxClass;
    case ControlKind::Static: return &kStaticClass;
    case ControlKind::Edit: return &kEditClass;
    case ControlKind::ListBox: return &kListBoxClass;
    case ControlKind::ComboBox: return &kComboBoxClass;
    case ControlKind::None: return nullptr;
    }
    return nullptr;
}

UserData data_for(const ControlSpec& desc, int list_height) {
    switch (desc.kind) {
    case ControlKind::PushButton:
    case ControlKind::CheckBox:
    case ControlKind::RadioButton:
    case ControlKind::GroupBox:
        return UserData::owned<ButtonData>(ButtonData{desc.kind, desc.style});
    case ControlKind::Static: return UserData::owned<StaticData>(StaticData{desc.style});
    case ControlKind::Edit: return UserData::owned<EditData>(EditData{desc.style});
    case ControlKind::ListBox: return UserData::owned<ListBoxData>(ListBoxData{desc.style, {}});
    case ControlKind::ComboBox: {
        ComboData d;
        d.style = desc.style;
        d.list_height = list_height;
        return UserData::owned<ComboData>(std::move(d));
    }
    case ControlKind::None: break;
    }
    return {};
}

// A closed combo box is one line high; the rest of its height is its dropped list.
int combo_closed_height(Window parent) {
    Screen* screen = Screen::of(parent);
    const Font* font = screen != nullptr ? screen->ui_font() : nullptr;
    return (font != nullptr ? font->metrics().height : 13) + 6;
}

}  // namespace

Window create_control(Window parent, const ControlSpec& desc) {
    const WindowClass* window_class = class_for(desc.kind);
    if (parent.is_null() || window_class == nullptr) return {};
    Rect rect = desc.rect;
    int list_height = 0;
    if (desc.kind == ControlKind::ComboBox) {
        int closed = combo_closed_height(parent);
        list_height = rect.height() - closed;
        rect.bottom = rect.top + closed;
    }
    WindowStyle style = has(desc.style, ControlStyle::Hidden) ? WindowStyle::None : WindowStyle::Visible;
    // A group box only frames the controls over it; taps must reach them.
    if (has(desc.style, ControlStyle::Disabled) || desc.kind == ControlKind::GroupBox) {
        style = style | WindowStyle::Disabled;
    }
    return parent.system()->create(
        {window_class, desc.text, parent, rect, style, desc.id, data_for(desc, list_height)});
}

ControlKind control_kind(Window window) {
    return static_cast<ControlKind>(window.send(ctl::get_info) & 0xFF);
}

ControlStyle control_style(Window window) {
    return static_cast<ControlStyle>(static_cast<std::uint32_t>(window.send(ctl::get_info)) >> 8);
}

bool takes_focus(ControlKind kind) {
    switch (kind) {
    case ControlKind::PushButton:
    case ControlKind::Edit:
    case ControlKind::ComboBox:
    case ControlKind::ListBox:
    case ControlKind::CheckBox:
    case ControlKind::RadioButton: return true;
    default: return false;
    }
}

void notify_parent(Window control, std::uint16_t code) {
    Window parent = control.parent();
    parent.send(msg::command, make_wparam(static_cast<std::uint16_t>(control.control_id()), code),
                static_cast<LParam>(control.id()));
}

void click(Window control) { control.send(ctl::click); }

void set_button_state(Window button, ButtonState state) {
    button.send(ctl::set_state, state == ButtonState::Pushed ? 1 : 0);
}

ButtonState button_state(Window button) {
    return button.send(ctl::get_state) != 0 ? ButtonState::Pushed : ButtonState::Released;
}

void set_check(Window button, Check check) { button.send(ctl::set_check, check == Check::Checked ? 1 : 0); }

Check check_of(Window button) { return button.send(ctl::get_check) != 0 ? Check::Checked : Check::Clear; }

void limit_text(Window edit, int characters) {
    edit.send(ctl::limit_text, static_cast<WParam>(std::max(characters, 0)));
}

int add_string(Window list, std::string_view text) {
    return static_cast<int>(list.send(ctl::add_string, 0, reinterpret_cast<LParam>(&text)));
}

int delete_string(Window list, int index) {
    return static_cast<int>(list.send(ctl::delete_string, static_cast<WParam>(index)));
}

void reset_content(Window list) { list.send(ctl::reset_content); }

int item_count(Window list) { return static_cast<int>(list.send(ctl::get_count)); }

int set_selection(Window list, int index) {
    return static_cast<int>(list.send(ctl::set_cur_sel, static_cast<WParam>(index)));
}

int selection(Window list) {
    if (list.is_null() || !list.alive()) return -1;
    return static_cast<int>(list.send(ctl::get_cur_sel));
}

std::string item_text(Window list, int index) {
    std::string text;
    list.send(ctl::get_item_text, static_cast<WParam>(index), reinterpret_cast<LParam>(&text));
    return text;
}

int set_top_index(Window list, int index) {
    return static_cast<int>(list.send(ctl::set_top_index, static_cast<WParam>(index)));
}

int top_index(Window list) { return static_cast<int>(list.send(ctl::get_top_index)); }

void show_dropdown(Window combo) { combo.send(ctl::show_dropdown, 1); }

bool dropped(Window combo) { return combo.send(ctl::get_dropped_state) != 0; }

namespace controls {

LResult info_of(ControlKind kind, ControlStyle style) {
    return static_cast<LResult>(static_cast<std::uint32_t>(kind) | (static_cast<std::uint32_t>(style) << 8));
}

LResult forward_key(Window control, MessageId message, WParam key) {
    return control.parent().send(message, key, 0);
}

bool is_dialog_key(WParam key) {
    switch (key) {
    case key::tab:
    case key::enter:
    case key::escape:
    case key::up:
    case key::down:
    case key::left:
    case key::right: return true;
    default: return false;
    }
}

bool inside(Window control, LParam point) {
    return control.client_rect().contains({point_x(point), point_y(point)});
}

}  // namespace controls

}  // namespace zel::platform
