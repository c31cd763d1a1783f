#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/gfx/geometry.h"
#include "platform/ui/controls/control_messages.h"
#include "platform/ui/window.h"

namespace zel::platform {

enum class ControlKind : std::uint8_t {
    None,  // not a control
    PushButton,
    Static,
    Edit,
    ComboBox,  // a drop-down list: the operator chooses, never types
    ListBox,
    CheckBox,
    RadioButton,
    GroupBox,
};

enum class ControlStyle : std::uint32_t {
    None = 0,
    DefaultButton = 1 << 0,   // push button: Enter in a dialog presses it; heavier frame
    NumberOnly = 1 << 1,      // edit: accepts digits only
    Centred = 1 << 2,         // static: text centred
    RightAligned = 1 << 3,    // static: text flush right
    VerticalScroll = 1 << 4,  // list box: a scroll bar when the items do not fit
    Border = 1 << 5,          // edit and static: a frame
    Group = 1 << 6,           // starts a group of radio buttons
    Disabled = 1 << 7,
    Hidden = 1 << 8,
};
constexpr ControlStyle operator|(ControlStyle a, ControlStyle b) {
    return static_cast<ControlStyle>(static_cast<std::uint32_t>(a) | static_cast<std::uint32_t>(b));
}
constexpr bool has(ControlStyle set, ControlStyle flag) {
    return (static_cast<std::uint32_t>(set) & static_cast<std::uint32_t>(flag)) != 0;
}

struct ControlSpec {
    ControlKind kind = ControlKind::Static;
    int id = 0;
    std::string text{};
    Rect rect{};  // in the parent's client area; a combo box's height includes its dropped list
    ControlStyle style = ControlStyle::None;
};

// Creates a control as a child of `parent`; a null handle when the parent is gone. Text with
// "&" underlines the next character ("&&" is a plain "&").
Window create_control(Window parent, const ControlSpec& desc);

// What a window is, as its get_info message answers; None and no style for other windows.
ControlKind control_kind(Window window);
ControlStyle control_style(Window window);
// Buttons, edits and lists take the focus (and Tab stops there); statics and group boxes do not.
bool takes_focus(ControlKind kind);

// A control tells its parent: command message, id in the low word, code in the high word.
void notify_parent(Window control, std::uint16_t code);

enum class Check { Clear, Checked };
enum class ButtonState { Released, Pushed };

// Typed helpers over the control messages, so the system's code reads as what it does.
void click(Window control);
void set_button_state(Window button, ButtonState state);
ButtonState button_state(Window button);
void set_check(Window button, Check check);
Check check_of(Window button);
void limit_text(Window edit, int characters);

// List boxes and combo boxes alike.
int add_string(Window list, std::string_view text);
int delete_string(Window list, int index);
void reset_content(Window list);
int item_count(Window list);
int set_selection(Window list, int index);  // -1 clears; answers -1 for an index out of range
int selection(Window list);                 // -1 when none
std::string item_text(Window list, int index);
int set_top_index(Window list, int index);
int top_index(Window list);

// A drop-down list opens as a window over all others and runs until a choice or Escape.
void show_dropdown(Window combo);
bool dropped(Window combo);

inline int combo_add(Window combo, std::string_view text) { return add_string(combo, text); }

}  // namespace zel::platform
