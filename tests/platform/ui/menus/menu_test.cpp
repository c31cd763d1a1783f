#include "platform/ui/menus/menu.h"

#include <gtest/gtest.h>

#include "platform/ui/menus/menu_layout.h"

namespace zel::platform {
namespace {

constexpr MenuItem kGain[] = {{"&1 High", 61}, {"&2 Low", 62}};
constexpr MenuItem kPopup[] = {{"&Toggle View", 49}, kMenuSeparator, {"E&M61 Gain", 0, MenuFlags::None, kGain}};
constexpr MenuItem kBar[] = {{"Menu", 0, MenuFlags::None, kPopup}};
constexpr MenuResource kMenus[] = {{40, kBar}, {97, kGain}};

TEST(Menu, ResourcesAreFoundByIdAndLoadedAsChangeableCopies) {
    EXPECT_EQ(find_menu(kMenus, 97)->items.data(), kGain);
    EXPECT_EQ(find_menu(kMenus, 41), nullptr);

    Menu popup = Menu(find_menu(kMenus, 40)->items).submenu(0);
    ASSERT_EQ(popup.entries().size(), 3u);
    EXPECT_TRUE(popup.entries()[1].separator());
    EXPECT_TRUE(popup.set_check(62, MenuCheck::Checked));  // inside the submenu
    EXPECT_TRUE(popup.set_state(49, MenuState::Disabled));
    EXPECT_FALSE(popup.set_check(0, MenuCheck::Checked));  // neither the separator nor the submenu item
    EXPECT_FALSE(popup.set_state(63, MenuState::Disabled));
    EXPECT_TRUE(popup.entries()[2].submenu[1].checked());
    EXPECT_TRUE(popup.entries()[0].disabled());
    EXPECT_TRUE(popup.set_state(49, MenuState::Enabled));
    EXPECT_FALSE(popup.entries()[0].disabled());
    EXPECT_FALSE(Menu(kPopup).entries()[0].disabled());  // the resource itself is unchanged
    EXPECT_TRUE(popup.submenu(7).empty());
}

TEST(MenuPlacement, PopupsStayOnTheScreen) {
    constexpr Size kScreen{240, 320};
    struct Case {
        const char* what;
        Point at;
        MenuAlign align;
        Rect expected;
    } cases[] = {
        {"left aligned", {10, 20}, MenuAlign::Left, {10, 20, 110, 70}},
        {"right aligned", {180, 5}, MenuAlign::Right, {80, 5, 180, 55}},
        {"past the right edge", {200, 5}, MenuAlign::Left, {140, 5, 240, 55}},
        {"past the left edge", {50, 5}, MenuAlign::Right, {0, 5, 100, 55}},
        {"past the bottom", {10, 300}, MenuAlign::Left, {10, 270, 110, 320}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(place_popup({100, 50}, c.at, c.align, kScreen), c.expected);
    }
    Rect parent{60, 10, 160, 110};
    Rect item{62, 40, 158, 60};
    EXPECT_EQ(place_submenu({60, 40}, item, parent, kScreen).left, 158);  // overlaps the frame
    EXPECT_EQ(place_submenu({60, 40}, item, parent, kScreen).top, 38);    // rows line up
    EXPECT_EQ(place_submenu({60, 40}, item.translated(60, 0), parent.translated(60, 0), kScreen).right, 122);
}

}  // namespace
}  // namespace zel::platform
