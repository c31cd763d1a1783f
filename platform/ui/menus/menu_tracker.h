#pragma once

#include <vector>

#include "platform/gfx/font.h"
#include "platform/ui/keys.h"
#include "platform/ui/menus/menu.h"
#include "platform/ui/menus/menu_layout.h"

namespace zel::platform {

// One open panel: the root popup or a submenu opened from the panel before it.
struct MenuLevel {
    Menu menu;
    MenuGeometry geometry;
    Rect on_screen;
    int highlight = -1;  // the selected entry, or none
    int serial = 0;      // new for every panel opened, so a reopened submenu is a new window
};

enum class MenuOutcome { Open, Chosen, Dismissed };

// What the operator does to an open popup menu, without windows: keys and pointer events in,
// the open panels with their highlights and finally a choice out.
//
// Keys act on the deepest panel: Up and Down move the highlight over everything but
// separators, wrapping; Right and Enter open a submenu (its first item highlighted), Enter
// chooses any other item; Left and Escape close a submenu, Escape at the root dismisses the
// menu; a mnemonic letter or digit acts as Enter on its item, or steps among several items
// with that mnemonic. A press on an item highlights it and opens its submenu, a press outside
// every panel dismisses the menu, and the release after a press on an item chooses it.
// Disabled items can be highlighted, never chosen or opened.
class MenuTracker {
public:
    // An empty menu is dismissed at once.
    MenuTracker(Menu menu, const Font* font, Point at, MenuAlign align, Size screen);

    const std::vector<MenuLevel>& levels() const { return m_levels; }
    MenuOutcome outcome() const { return m_outcome; }
    int chosen() const { return m_chosen; }

    void key(KeyCode code);
    // Screen pixels.
    void press(Point at);
    void drag(Point at);
    void release(Point at);

private:
    struct Hit {
        int level = -1;
        int item = -1;
    };

    MenuLevel& deepest() { return m_levels.back(); }
    const MenuEntry* highlighted();
    void step(int direction);
    void mnemonic(KeyCode key);
    void activate();
    void open_submenu(int first_highlight);
    void close_deepest();
    Hit hit(Point at) const;
    void point_at(const Hit& hit);
    void choose(const MenuEntry& entry);

    const Font* m_font;
    Size m_screen;
    std::vector<MenuLevel> m_levels;
    int m_next_serial = 1;
    bool m_pressed = false;
    MenuOutcome m_outcome = MenuOutcome::Open;
    int m_chosen = 0;
};

}  // namespace zel::platform
