#include "screen_fixture.h"

namespace zel::platform::testing {
namespace {

using Commands = std::vector<Command>;

const char* const kPorts[] = {"COM1:", "COM2:", "COM3:", "COM4:", "COM5:", "COM6:", "COM7:", "COM8:"};

class ListTest : public ScreenTest {
protected:
    int row_height() const { return screen->ui_font()->metrics().height + 2; }
};

TEST_F(ListTest, ListBoxSelectsByTapAndKeysAndTellsOnlyTheOperatorsChanges) {
    Window list = create_control(host, {ControlKind::ListBox, 810, "", {10, 10, 110, 10 + 2 + 4 * row_height()},
                                        ControlStyle::VerticalScroll});
    for (const char* port : kPorts) add_string(list, port);
    EXPECT_EQ(item_count(list), 8);
    EXPECT_EQ(set_selection(list, 8), -1);
    EXPECT_EQ(set_selection(list, 1), 1);
    EXPECT_TRUE(take_commands().empty());
    pump();

    tap(list, {20, 1 + 2 * row_height() + 3});  // the third row
    pump();
    EXPECT_EQ(selection(list), 2);
    EXPECT_EQ(take_commands(), (Commands{{810, notify::selection_change}}));

    press(key::down);
    press(key::down);
    press(key::down);
    press(key::down);  // beyond the rows shown: the list scrolls along
    pump();
    EXPECT_EQ(selection(list), 6);
    EXPECT_EQ(top_index(list), 3);
    EXPECT_EQ(take_commands().size(), 4u);
    press(key::end);
    press(key::down);  // already the last: nothing changes, nothing told
    pump();
    EXPECT_EQ(selection(list), 7);
    EXPECT_EQ(take_commands().size(), 1u);

    EXPECT_EQ(item_text(list, 7), "COM8:");
    EXPECT_EQ(item_text(list, 8), "");
    EXPECT_EQ(delete_string(list, 0), 7);
    EXPECT_EQ(selection(list), 6);
    EXPECT_EQ(delete_string(list, 9), -1);
    reset_content(list);
    EXPECT_EQ(item_count(list), 0);
    EXPECT_EQ(selection(list), -1);
}

TEST_F(ListTest, ScrollBarArrowsAndTrackScrollWithoutChangingTheSelection) {
    const int rows = 3;
    Window list = create_control(host, {ControlKind::ListBox, 5, "", {10, 10, 110, 10 + 2 + rows * row_height()},
                                        ControlStyle::VerticalScroll});
    for (const char* port : kPorts) add_string(list, port);
    set_selection(list, 0);
    pump();
    Rect r = list.client_rect();
    tap(list, {r.right - 4, r.bottom - 3});  // down arrow
    tap(list, {r.right - 4, r.bottom - 3});
    pump();
    EXPECT_EQ(top_index(list), 2);
    tap(list, {r.right - 4, 2});  // up arrow
    pump();
    EXPECT_EQ(top_index(list), 1);
    tap(list, {r.right - 4, r.bottom - 16});  // just above the down arrow: the track, a page down
    pump();
    EXPECT_EQ(top_index(list), 4);
    for (int i = 0; i < 5; ++i) tap(list, {r.right - 4, r.bottom - 3});
    pump();
    EXPECT_EQ(top_index(list), 5);  // the last page, no further
    EXPECT_EQ(selection(list), 0);
    EXPECT_TRUE(take_commands().empty());

    // Without the style there is no bar: a tap at its place selects the row.
    Window plain = create_control(host, {ControlKind::ListBox, 6, "", {10, 100, 110, 100 + 2 + rows * row_height()}});
    for (const char* port : kPorts) add_string(plain, port);
    pump();
    tap(plain, {r.right - 4, 3});
    pump();
    EXPECT_EQ(selection(plain), 0);
}

class ComboTest : public ListTest {
protected:
    void SetUp() override {
        ListTest::SetUp();
        below = create_control(host, {ControlKind::PushButton, 99, "Below", {10, 40, 110, 100}});
        combo = create_control(host, {ControlKind::ComboBox, 811, "", {10, 10, 110, 100}});
        for (const char* unit : {"meters", "feet", "US Survey Feet"}) combo_add(combo, unit);
        set_selection(combo, 0);
        pump();
    }
    Window below;
    Window combo;
};

TEST_F(ComboTest, ClosedBoxIsOneLineAndKeysStepTheSelection) {
    EXPECT_EQ(combo.rect().height(), screen->ui_font()->metrics().height + 6);
    combo.focus();
    press(key::down);
    press(key::down);
    press(key::down);
    press(key::up);
    pump();
    EXPECT_EQ(selection(combo), 1);
    EXPECT_EQ(item_text(combo, selection(combo)), "feet");
    EXPECT_EQ(take_commands(), (Commands{{811, notify::selection_change},
                                         {811, notify::selection_change},
                                         {811, notify::selection_change}}));
}

// The list opens over the button beneath; a tap on an item chooses it and closes the list.
TEST_F(ComboTest, TappedOpenTheListLiesOverOtherWindowsAndATapChooses) {
    Rect box = combo.screen_rect();
    int row = row_height();
    Point third_item{box.left + 20, box.bottom + 1 + 2 * row + row / 2};
    tap(combo);
    tap(third_item);
    pump();
    EXPECT_EQ(selection(combo), 2);
    EXPECT_FALSE(dropped(combo));
    EXPECT_TRUE(combo.has_focus());
    EXPECT_EQ(take_commands(), (Commands{{811, notify::drop_down}, {811, notify::close_up},
                                         {811, notify::selection_change}}));
    // Closed again, the button beneath is whole: its face shows where the list lay.
    EXPECT_EQ(at(third_item), look::face);
}

// While open, a timer still fires (the nested loop goes on), and the picture shows the list
// over the button; Escape then closes it without a choice.
TEST_F(ComboTest, OpenListRunsANestedLoopAndEscapeCancels) {
    Rect box = combo.screen_rect();
    Point on_list{box.left + 5, box.bottom + 5};
    bool seen_open = false;
    Color seen_colour = 0;
    on_next_timer([&] {
        seen_open = dropped(combo);
        seen_colour = at(on_list);
        press(key::escape);
    });
    tap(combo);
    pump();
    EXPECT_TRUE(seen_open);
    EXPECT_EQ(seen_colour, look::highlight);  // the chosen first row, not the button's face
    EXPECT_EQ(selection(combo), 0);
    EXPECT_FALSE(dropped(combo));
    EXPECT_EQ(take_commands(), (Commands{{811, notify::drop_down}, {811, notify::close_up}}));
}

TEST_F(ComboTest, KeysInTheOpenListMoveAndEnterChooses) {
    combo.focus();
    press(key::f1 + 3);
    press(key::down);
    press(key::down);
    press(key::enter);
    pump();
    EXPECT_EQ(selection(combo), 2);
    EXPECT_FALSE(dropped(combo));

    tap(combo);
    tap({200, 300});  // beside the list: closes it, no choice
    pump();
    EXPECT_EQ(selection(combo), 2);
    EXPECT_FALSE(dropped(combo));
}

}  // namespace
}  // namespace zel::platform::testing
