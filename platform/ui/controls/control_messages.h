#pragma once

#include "platform/ui/message.h"

namespace zel::platform {

// Messages a dialog or the system sends to its controls. The numbers lie below msg::user, so
// they never meet the system's own messages. Strings travel as pointers in lparam
// (const std::string_view* in, std::string* out); the typed helpers in controls.h hide that.
namespace ctl {
inline constexpr MessageId first = 0x300;
inline constexpr MessageId get_info = first + 0;     // -> kind | style << 8 (see control_info)
inline constexpr MessageId click = first + 1;        // as if tapped: toggles, notifies
// Push buttons: the pushed (pressed) look, as a tap shows it.
inline constexpr MessageId set_state = first + 2;    // wparam 1 pushed, 0 released
inline constexpr MessageId get_state = first + 3;    // -> 1 pushed
// Check boxes and radio buttons.
inline constexpr MessageId set_check = first + 4;    // wparam 1 checked, 0 clear
inline constexpr MessageId get_check = first + 5;
// Edits.
inline constexpr MessageId limit_text = first + 6;   // wparam: most characters; 0 the default
inline constexpr MessageId get_limit = first + 7;
// List boxes and combo boxes. Indexes count from 0; -1 answers an error or "none".
inline constexpr MessageId add_string = first + 8;   // lparam: const std::string_view* -> index
inline constexpr MessageId delete_string = first + 9;  // wparam: index -> count left, or -1
inline constexpr MessageId reset_content = first + 10;
inline constexpr MessageId get_count = first + 11;
inline constexpr MessageId set_cur_sel = first + 12;   // wparam: index (or -1 for none) -> index, -1
inline constexpr MessageId get_cur_sel = first + 13;
inline constexpr MessageId get_item_text = first + 14;  // wparam: index, lparam: std::string* -> length, -1
inline constexpr MessageId set_top_index = first + 15;  // wparam: index -> 0, or -1
inline constexpr MessageId get_top_index = first + 16;
// Combo boxes.
inline constexpr MessageId show_dropdown = first + 17;  // wparam 1 opens (runs until closed), 0 closes
inline constexpr MessageId get_dropped_state = first + 18;
}  // namespace ctl

// Codes in the high word of the command message a control sends to its parent; the low word is
// the control id and lparam the control's window id. The values are the customary ones.
namespace notify {
inline constexpr std::uint16_t clicked = 0;
inline constexpr std::uint16_t selection_change = 1;
inline constexpr std::uint16_t double_click = 2;
inline constexpr std::uint16_t drop_down = 7;
inline constexpr std::uint16_t close_up = 8;
inline constexpr std::uint16_t set_focus = 0x100;
inline constexpr std::uint16_t kill_focus = 0x200;
inline constexpr std::uint16_t edit_change = 0x300;
inline constexpr std::uint16_t max_text = 0x501;
}  // namespace notify

// Control ids with a meaning of their own: the answers of dialogs and message boxes.
inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;
inline constexpr int kIdYes = 6;
inline constexpr int kIdNo = 7;

}  // namespace zel::platform
