#include "platform/ui/menus/menu_tracker.h"

#include <algorithm>

#include "platform/ui/controls/control_look.h"

namespace zel::platform {

namespace {

bool can_open(const MenuEntry& e) { return e.opens_submenu() && !e.disabled(); }
bool can_choose(const MenuEntry& e) { return !e.separator() && !e.disabled() && !e.opens_submenu(); }

}  // namespace

MenuTracker::MenuTracker(Menu menu, const Font* font, Point at, MenuAlign align, Size screen)
    : m_font(font), m_screen(screen) {
    if (menu.empty()) {
        m_outcome = MenuOutcome::Dismissed;
        return;
    }
    MenuGeometry geometry = layout_menu(menu, font);
    Rect where = place_popup(geometry.size, at, align, screen);
    m_levels.push_back({std::move(menu), std::move(geometry), where, -1, m_next_serial++});
}

const MenuEntry* MenuTracker::highlighted() {
    const MenuLevel& level = deepest();
    return level.highlight >= 0 ? &level.menu.entries()[level.highlight] : nullptr;
}

void MenuTracker::key(KeyCode code) {
    if (m_outcome != MenuOutcome::Open) return;
    switch (code) {
    case key::up: step(-1); break;
    case key::down: step(+1); break;
    case key::right:
        if (const MenuEntry* e = highlighted(); e != nullptr && can_open(*e)) open_submenu(0);
        break;
    case key::left:
        if (m_levels.size() > 1) close_deepest();
        break;
    case key::escape:
        if (m_levels.size() > 1) {
            close_deepest();
        } else {
            m_outcome = MenuOutcome::Dismissed;
        }
        break;
    case key::enter: activate(); break;
    default: mnemonic(code); break;
    }
}

void MenuTracker::step(int direction) {
    MenuLevel& level = deepest();
    const auto& entries = level.menu.entries();
    int count = static_cast<int>(entries.size());
    int at = level.highlight < 0 ? (direction > 0 ? -1 : count) : level.highlight;
    for (int tried = 0; tried < count; ++tried) {
        at = ((at + direction) % count + count) % count;
        if (!entries[at].separator()) {
            level.highlight = at;
            return;
        }
    }
}

void MenuTracker::mnemonic(KeyCode key) {
    if (key == 0) return;
    MenuLevel& level = deepest();
    const auto& entries = level.menu.entries();
    std::vector<int> matches;
    for (int i = 0; i < static_cast<int>(entries.size()); ++i) {
        if (!entries[i].separator() && static_cast<KeyCode>(mnemonic_key(entries[i].text)) == key) matches.push_back(i);
    }
    if (matches.empty()) return;
    if (matches.size() == 1) {
        level.highlight = matches.front();
        activate();
        return;
    }
    auto next = std::find_if(matches.begin(), matches.end(), [&](int i) { return i > level.highlight; });
    level.highlight = next != matches.end() ? *next : matches.front();
}

void MenuTracker::activate() {
    const MenuEntry* e = highlighted();
    if (e == nullptr) return;
    if (can_open(*e)) {
        open_submenu(0);
    } else if (can_choose(*e)) {
        choose(*e);
    }
}

// `first_highlight` is 0 when the keyboard opened it, -1 when the pointer did.
void MenuTracker::open_submenu(int first_highlight) {
    const MenuLevel& parent = deepest();
    Menu sub = parent.menu.submenu(static_cast<std::size_t>(parent.highlight));
    MenuGeometry geometry = layout_menu(sub, m_font);
    Rect item = parent.geometry.items[parent.highlight].translated(parent.on_screen.left, parent.on_screen.top);
    Rect where = place_submenu(geometry.size, item, parent.on_screen, m_screen);
    m_levels.push_back({std::move(sub), std::move(geometry), where, -1, m_next_serial++});
    if (first_highlight == 0) step(+1);
}

void MenuTracker::close_deepest() { m_levels.pop_back(); }

MenuTracker::Hit MenuTracker::hit(Point at) const {
    for (int i = static_cast<int>(m_levels.size()) - 1; i >= 0; --i) {
        const MenuLevel& level = m_levels[i];
        if (!level.on_screen.contains(at)) continue;
        Point inside{at.x - level.on_screen.left, at.y - level.on_screen.top};
        return {i, item_at(level.menu, level.geometry, inside)};
    }
    return {};
}

// Highlights what the pointer is on; deeper panels close unless they belong to that item.
void MenuTracker::point_at(const Hit& h) {
    MenuLevel& level = m_levels[h.level];
    bool keeps_submenu = h.item >= 0 && h.item == level.highlight && m_levels.size() > static_cast<std::size_t>(h.level) + 1;
    if (keeps_submenu) return;
    m_levels.resize(h.level + 1);
    deepest().highlight = h.item;
    if (const MenuEntry* e = highlighted(); e != nullptr && can_open(*e)) open_submenu(-1);
}

void MenuTracker::press(Point at) {
    if (m_outcome != MenuOutcome::Open) return;
    Hit h = hit(at);
    if (h.level < 0) {
        m_outcome = MenuOutcome::Dismissed;
        return;
    }
    m_pressed = true;
    point_at(h);
}

void MenuTracker::drag(Point at) {
    if (m_outcome != MenuOutcome::Open || !m_pressed) return;
    if (Hit h = hit(at); h.level >= 0 && h.item >= 0) point_at(h);
}

// Only a release that follows a press in the menu chooses: the release of the tap that opened
// the menu must not pick the item that happens to lie under the finger.
void MenuTracker::release(Point at) {
    if (m_outcome != MenuOutcome::Open || !m_pressed) return;
    m_pressed = false;
    Hit h = hit(at);
    if (h.level < 0 || h.item < 0) return;
    const MenuEntry& e = m_levels[h.level].menu.entries()[h.item];
    if (can_choose(e)) choose(e);
}

void MenuTracker::choose(const MenuEntry& entry) {
    m_chosen = entry.id;
    m_outcome = MenuOutcome::Chosen;
}

}  // namespace zel::platform
