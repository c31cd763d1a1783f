#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/gfx/font.h"
#include "platform/ui/controls/controls.h"
#include "platform/ui/user_data.h"
#include "platform/ui/window.h"
#include "platform/ui/window_class.h"

namespace zel::platform {

// One control of a dialog template, in dialog units: a quarter of the dialog font's average
// character width across, an eighth of its height down.
struct DialogItem {
    ControlKind kind = ControlKind::Static;
    int id = 0;
    std::string_view text;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;  // for a drop-down list: the box and its dropped list together
    ControlStyle style = ControlStyle::None;
};

// A dialog as constant data. Its size is the client area under the caption.
struct DialogTemplate {
    std::string_view name;  // as the system asks for it, in any letter case
    std::string_view caption;
    int width = 0;
    int height = 0;
    std::span<const DialogItem> items;
};

namespace dlg {
// Sent once the controls exist, before the dialog shows: the procedure fills its fields. wparam
// is the id of the control that gets the focus; answering 0 says the procedure chose another.
inline constexpr MessageId init = 272;
}  // namespace dlg

// A dialog procedure is a table like a window class's: {message, handler} searched in order. A
// handler answers 1 for what it handled and 0 otherwise. What no handler takes gets the default:
// Enter presses the focused push button or else the default button (OK without one), Escape
// presses Cancel, Tab and the arrows move the focus, and OK or Cancel that the procedure leaves
// alone end the dialog with their id. The procedure sees init, command, paint (after the frame),
// key_down, character, timer, close, destroy and pointer_down.
struct DialogEntry {
    MessageId message;
    MessageHandler handler;
};
using DialogProcedure = std::span<const DialogEntry>;

inline constexpr int kDialogFailed = -1;

// Runs the dialog modally over `owner` in a nested loop that goes on handling device messages
// and timers; returns what end_dialog was given, or kDialogFailed when it could not run (no
// screen) or the program quit meanwhile. `data` is what dialog_data<T> hands the procedure.
int run_dialog(Window owner, const DialogTemplate& dialog, DialogProcedure procedure, UserData data = {});
void end_dialog(Window dialog, int result);

// Pixels of a rectangle in dialog units, for the dialog font's metrics.
Rect dialog_units_to_pixels(int x, int y, int width, int height, const FontMetrics& font);

Window dialog_item(Window dialog, int id);
std::string dialog_text(Window dialog, int id);
void set_dialog_text(Window dialog, int id, std::string text);

// The object given to run_dialog, if it is a T.
const UserData* dialog_user_data(Window dialog);
template <class T>
T* dialog_data(Window dialog) {
    const UserData* d = dialog_user_data(dialog);
    return d != nullptr ? d->get<T>() : nullptr;
}

// A dialog laid out in pixels: what templates become, and what message boxes and file dialogs
// build directly.
struct DialogLayout {
    std::string caption;
    Size client;  // pixels under the caption
    std::vector<ControlSpec> controls;
};
int run_dialog(Window owner, const DialogLayout& layout, DialogProcedure procedure, UserData data = {});

// The frame a dialog adds around its client area.
struct DialogFrame {
    int border = 1;
    int caption = 0;
};
DialogFrame dialog_frame(const Font* font);

}  // namespace zel::platform
