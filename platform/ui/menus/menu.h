#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zel::platform {

enum class MenuFlags : std::uint8_t {
    None = 0,
    Checked = 1 << 0,
    Disabled = 1 << 1,  // shown grey; can be highlighted, never chosen
    Separator = 1 << 2,
};
constexpr MenuFlags operator|(MenuFlags a, MenuFlags b) {
    return static_cast<MenuFlags>(static_cast<std::uint8_t>(a) | static_cast<std::uint8_t>(b));
}
constexpr bool has(MenuFlags set, MenuFlags flag) {
    return (static_cast<std::uint8_t>(set) & static_cast<std::uint8_t>(flag)) != 0;
}

// One item of a menu resource: constant data in code, so the system defines its menus by id.
// "&" marks the mnemonic ("&&" is a plain "&"); an item with a submenu opens it and has no id.
struct MenuItem {
    std::string_view text;
    int id = 0;
    MenuFlags flags = MenuFlags::None;
    std::span<const MenuItem> submenu{};
};

inline constexpr MenuItem kMenuSeparator{{}, 0, MenuFlags::Separator, {}};

// A menu resource: a bar of items whose submenus are the popups the system shows.
struct MenuResource {
    int id = 0;
    std::span<const MenuItem> items;
};

// The resource with this id in a table, or nullptr.
const MenuResource* find_menu(std::span<const MenuResource> table, int id);

struct MenuEntry {
    std::string text;
    int id = 0;
    MenuFlags flags = MenuFlags::None;
    std::vector<MenuEntry> submenu;

    bool separator() const { return has(flags, MenuFlags::Separator); }
    bool disabled() const { return has(flags, MenuFlags::Disabled); }
    bool checked() const { return has(flags, MenuFlags::Checked); }
    bool opens_submenu() const { return !submenu.empty(); }
};

enum class MenuCheck { Clear, Checked };
enum class MenuState { Enabled, Disabled };

// A loaded menu: a copy of a resource that the caller may change (check marks, disabled items)
// before showing it.
class Menu {
public:
    Menu() = default;
    explicit Menu(std::span<const MenuItem> items);
    explicit Menu(std::vector<MenuEntry> entries) : m_entries(std::move(entries)) {}

    const std::vector<MenuEntry>& entries() const { return m_entries; }
    bool empty() const { return m_entries.empty(); }
    // The submenu of the item at `index` as a menu of its own; empty when there is none.
    Menu submenu(std::size_t index) const;

    // The item with this id, searched through the submenus too; false when there is none.
    bool set_check(int id, MenuCheck check);
    bool set_state(int id, MenuState state);

private:
    std::vector<MenuEntry> m_entries;
};

}  // namespace zel::platform
