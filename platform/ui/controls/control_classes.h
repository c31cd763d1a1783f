#pragma once

// Internal to the controls: the window classes and the state each kind keeps.

#include <optional>
#include <string>
#include <vector>

#include "platform/gfx/painter.h"
#include "platform/ui/controls/controls.h"
#include "platform/ui/window_class.h"

namespace zel::platform::controls {

extern const WindowClass kPushButtonClass;
extern const WindowClass kCheckBoxClass;
extern const WindowClass kRadioButtonClass;
extern const WindowClass kGroupBoxClass;
extern const WindowClass kStaticClass;
extern const WindowClass kEditClass;
extern const WindowClass kListBoxClass;
extern const WindowClass kComboBoxClass;

struct ButtonData {
    ControlKind kind = ControlKind::PushButton;
    ControlStyle style = ControlStyle::None;
    bool pushed = false;
    bool checked = false;
    bool tracking = false;  // pressed by the pointer, waiting for its release
};

struct StaticData {
    ControlStyle style = ControlStyle::None;
};

inline constexpr int kDefaultTextLimit = 30000;

struct EditData {
    ControlStyle style = ControlStyle::None;
    std::size_t caret = 0;  // byte offset into the text
    int scroll = 0;         // pixels of text hidden left of the field
    int limit = kDefaultTextLimit;
    bool typing = false;    // the text change is the edit's own
};

// The strings of a list box or combo box with the selection and the first row shown.
struct ItemList {
    std::vector<std::string> items;
    int selection = -1;
    int top = 0;

    int count() const { return static_cast<int>(items.size()); }
    // The list messages every list-like control answers the same way; empty for others.
    std::optional<LResult> handle(MessageId message, WParam wparam, LParam lparam);
    // Keeps the selection among rows [top, top + rows).
    void reveal_selection(int rows);
    void clamp_top(int rows);
};

struct ListBoxData {
    ControlStyle style = ControlStyle::None;
    ItemList list;
};

struct ComboData {
    ControlStyle style = ControlStyle::None;
    ItemList list;
    int list_height = 0;  // the dropped list's height asked for
    bool dropped = false;
    Window popup;
};

// Shared by the list box and the drop-down list.
struct ListGeometry {
    Rect rows;        // where the items are drawn
    Rect bar;         // the scroll bar; empty when none
    int row_height = 0;
    int visible_rows = 0;
};
ListGeometry list_geometry(const Painter& p, const Rect& client, const ItemList& list, bool scroll_bar);
void paint_list(Painter& p, const Rect& client, const ItemList& list, const ListGeometry& g, bool focused, bool enabled);
enum class ListHit { Nothing, Item, ScrollUp, ScrollDown, PageUp, PageDown };
struct ListHitResult {
    ListHit hit = ListHit::Nothing;
    int item = -1;
};
ListHitResult hit_list(const ItemList& list, const ListGeometry& g, Point p);
int row_height_for(const Painter& p);

// Reads the common kind and style of a control.
LResult info_of(ControlKind kind, ControlStyle style);
// Keys a control does not use go to its parent: a dialog moves the focus or ends on them.
LResult forward_key(Window control, MessageId message, WParam key);
// Tab, Enter, Escape and the arrows: the keys a dialog acts on.
bool is_dialog_key(WParam key);
// A tap inside the control, in client coordinates.
bool inside(Window control, LParam point);

}  // namespace zel::platform::controls
