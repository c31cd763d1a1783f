#pragma once

#include <vector>

#include "platform/gfx/font.h"
#include "platform/gfx/painter.h"
#include "platform/ui/menus/menu.h"

namespace zel::platform {

// Where the items of one menu panel lie, in the panel's coordinates.
struct MenuGeometry {
    Size size;
    std::vector<Rect> items;  // one per entry, separators included
};

// Sized by the font: rows a little taller than the text, a column for check marks on the left
// and one for submenu arrows on the right. Without a font the rows keep the default height.
MenuGeometry layout_menu(const Menu& menu, const Font* font);

// The entry under p (panel coordinates); -1 outside every item and on separators.
int item_at(const Menu& menu, const MenuGeometry& geometry, Point p);

// Which corner of a popup the point it is shown at names.
enum class MenuAlign { Left, Right };  // its top-left or its top-right corner

// A popup at `at`, moved to lie wholly on the screen.
Rect place_popup(Size size, Point at, MenuAlign align, Size screen);
// A submenu beside its item: right of the parent panel, or left of it where the screen ends.
Rect place_submenu(Size size, const Rect& item_on_screen, const Rect& parent_on_screen, Size screen);

// The panel in its own coordinates; `highlight` is the entry drawn selected, or -1.
void paint_menu(Painter& p, const Menu& menu, const MenuGeometry& geometry, int highlight);

}  // namespace zel::platform
