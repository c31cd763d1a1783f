#pragma once

#include "platform/gfx/geometry.h"
#include "platform/ui/menus/menu.h"
#include "platform/ui/menus/menu_layout.h"
#include "platform/ui/window.h"

namespace zel::platform {

// Whether the choice is also posted to the owner as a command message, as the system's
// command handlers expect, or only returned.
enum class MenuReply { PostCommand, ReturnOnly };

struct PopupOptions {
    MenuAlign align = MenuAlign::Left;
    MenuReply reply = MenuReply::PostCommand;
};

// Shows the menu over every window at `at` (screen pixels; moved onto the screen where it
// would stick out) and runs it modally on the window thread: device messages, timers and
// paints go on being handled, while keys and the pointer belong to the menu. Returns the id
// of the chosen item, or 0 when the menu was dismissed (Escape, a tap outside it, quit). The
// owner must belong to a window system tied to a screen; otherwise nothing is shown.
int track_popup_menu(const Menu& menu, Window owner, Point at, PopupOptions options = {});

}  // namespace zel::platform
