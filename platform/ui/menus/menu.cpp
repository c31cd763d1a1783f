#include "platform/ui/menus/menu.h"

#include <algorithm>

namespace zel::platform {

namespace {

std::vector<MenuEntry> load(std::span<const MenuItem> items) {
    std::vector<MenuEntry> entries;
    entries.reserve(items.size());
    for (const MenuItem& item : items) {
        entries.push_back({std::string(item.text), item.id, item.flags, load(item.submenu)});
    }
    return entries;
}

MenuEntry* find_entry(std::vector<MenuEntry>& entries, int id) {
    for (MenuEntry& e : entries) {
        if (!e.separator() && !e.opens_submenu() && e.id == id) return &e;
        if (MenuEntry* inner = find_entry(e.submenu, id); inner != nullptr) return inner;
    }
    return nullptr;
}

void set_flag(MenuEntry& e, MenuFlags flag, bool on) {
    auto bits = static_cast<std::uint8_t>(e.flags);
    auto mask = static_cast<std::uint8_t>(flag);
    e.flags = static_cast<MenuFlags>(on ? bits | mask : bits & ~mask);
}

}  // namespace

const MenuResource* find_menu(std::span<const MenuResource> table, int id) {
    auto it = std::find_if(table.begin(), table.end(), [id](const MenuResource& r) { return r.id == id; });
    return it != table.end() ? &*it : nullptr;
}

Menu::Menu(std::span<const MenuItem> items) : m_entries(load(items)) {}

Menu Menu::submenu(std::size_t index) const {
    return index < m_entries.size() ? Menu(m_entries[index].submenu) : Menu();
}

bool Menu::set_check(int id, MenuCheck check) {
    MenuEntry* e = find_entry(m_entries, id);
    if (e != nullptr) set_flag(*e, MenuFlags::Checked, check == MenuCheck::Checked);
    return e != nullptr;
}

bool Menu::set_state(int id, MenuState state) {
    MenuEntry* e = find_entry(m_entries, id);
    if (e != nullptr) set_flag(*e, MenuFlags::Disabled, state == MenuState::Disabled);
    return e != nullptr;
}

}  // namespace zel::platform
