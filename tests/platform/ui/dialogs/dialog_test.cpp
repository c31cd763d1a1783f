#include "platform/ui/dialogs/dialog.h"

#include <cstdlib>

#include "../controls/screen_fixture.h"
#include "platform/ui/dialogs/dialog_templates.h"
#include "tests/support/golden.h"

namespace zel::platform::testing {
namespace {

TEST(DialogUnits, ScaleByTheFontsAverageWidthAndHeightRounded) {
    const FontMetrics font{13, 10, 3, 7};
    struct Case {
        int x, y, width, height;
        Rect pixels;
    };
    const Case cases[] = {
        {0, 0, 130, 111, Rect::from_size(0, 0, 228, 180)},  // 227.5 rounds up, 180.375 down
        {6, 5, 50, 10, Rect::from_size(11, 8, 88, 16)},
        {58, 4, 66, 60, Rect::from_size(102, 7, 116, 98)},
        {-4, -8, 4, 8, Rect::from_size(-7, -13, 7, 13)},  // negatives round away from zero, as positives
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.x) + "," + std::to_string(c.y));
        EXPECT_EQ(dialog_units_to_pixels(c.x, c.y, c.width, c.height, font), c.pixels);
    }
}

constexpr DialogItem kNewStationItems[] = {
    {ControlKind::Static, 860, "Start Station:", 4, 4, 50, 10},
    {ControlKind::Static, 863, "", 56, 4, 50, 10},
    {ControlKind::Edit, 865, "", 56, 18, 50, 12, ControlStyle::Border},
    {ControlKind::ComboBox, 676, "", 56, 32, 50, 40},
    {ControlKind::PushButton, kIdOk, "OK", 10, 46, 40, 12, ControlStyle::DefaultButton},
    {ControlKind::PushButton, kIdCancel, "Cancel", 60, 46, 40, 12},
};
constexpr DialogTemplate kNewStation{"GETNEWSTATION", "New Station", 110, 62, kNewStationItems};

TEST(DialogTemplates, FoundByNameInAnyLetterCase) {
    DialogTemplates templates;
    EXPECT_TRUE(templates.add(kNewStation));
    constexpr DialogTemplate kOther{"GetNewStation", "Other", 10, 10, {}};
    EXPECT_FALSE(templates.add(kOther));
    EXPECT_EQ(templates.find("GetNewStation"), &kNewStation);
    EXPECT_EQ(templates.find("getnewstation"), &kNewStation);
    EXPECT_EQ(templates.find("GetNewStatio"), nullptr);
    EXPECT_EQ(templates.size(), 1u);
}

// What the New Station procedure keeps: the values it read on OK.
struct Entry {
    std::string station;
    int sequence = -1;
    int inits = 0;
};

LResult new_station_init(Window dialog, MessageId, WParam, LParam) {
    dialog_data<Entry>(dialog)->inits++;
    set_dialog_text(dialog, 863, "120.000");
    for (const char* s : {"Alternate", "One Way"}) combo_add(dialog_item(dialog, 676), s);
    set_selection(dialog_item(dialog, 676), 1);
    return 1;
}

LResult new_station_command(Window dialog, MessageId, WParam wparam, LParam) {
    if (low_word(wparam) != kIdOk) return 0;
    Entry* entry = dialog_data<Entry>(dialog);
    entry->station = dialog_text(dialog, 865);
    entry->sequence = selection(dialog_item(dialog, 676));
    end_dialog(dialog, 1);
    return 1;
}

constexpr DialogEntry kNewStationProcedure[] = {
    {dlg::init, new_station_init},
    {msg::command, new_station_command},
};

class DialogTest : public ScreenTest {
protected:
    int run(Entry& entry) { return run_dialog(host, kNewStation, kNewStationProcedure, UserData::borrowed(entry)); }
    Window dialog() { return ui.find("Dialog"); }
};

TEST_F(DialogTest, TheProcedureFillsReadsAndEndsAndTheKeysDriveIt) {
    Entry entry;
    // The edit gets the focus first; Tab goes on to the combo; Enter is the default button.
    type("12.5");
    press(key::tab);
    press(key::up);
    press(key::enter);
    EXPECT_EQ(run(entry), 1);
    EXPECT_EQ(entry.inits, 1);
    EXPECT_EQ(entry.station, "12.5");
    EXPECT_EQ(entry.sequence, 0);
    EXPECT_TRUE(dialog().is_null());
}

TEST_F(DialogTest, EscapeAndTheCancelButtonEndWithCancelWithoutTheProcedure) {
    Entry entry;
    host.focus();
    press(key::escape);
    EXPECT_EQ(run(entry), kIdCancel);
    EXPECT_TRUE(entry.station.empty());
    EXPECT_TRUE(host.has_focus());  // the focus returns where it was

    on_next_timer([&] { tap(dialog_item(dialog(), kIdCancel)); });
    EXPECT_EQ(run(entry), kIdCancel);
}

TEST_F(DialogTest, TabCyclesThroughTheControlsThatTakeTheFocus) {
    Entry entry;
    std::vector<int> focused;
    on_next_timer([&] {
        for (int i = 0; i < 5; ++i) {
            focused.push_back(ui.focus().control_id());
            dialog().send(msg::key_down, key::tab);
        }
        end_dialog(dialog(), 0);
    });
    run(entry);
    EXPECT_EQ(focused, (std::vector<int>{865, 676, kIdOk, kIdCancel, 865}));
}

// A device message posted while the dialog is open is handled at once, and the run timer goes
// on firing: the nested loop is the whole loop.
TEST_F(DialogTest, TheModalLoopKeepsHandlingPostedMessagesAndTimers) {
    Entry entry;
    std::vector<std::string> events;
    struct Device {
        std::vector<std::string>* events;
    } device{&events};
    constexpr MessageEntry kDeviceTable[] = {{msg::user + 18, [](Window w, MessageId, WParam, LParam) -> LResult {
        w.data<Device>()->events->push_back("device message");
        return 0;
    }}};
    static const WindowClass kDeviceClass{"Device", kDeviceTable};
    Window logging = ui.create({&kDeviceClass, "", host, {}, WindowStyle::None, 0, UserData::borrowed(device)});
    on_next_timer([&] {
        events.push_back("timer");
        logging.post(msg::user + 18);
        on_next_timer([&] {
            events.push_back("second timer");
            end_dialog(dialog(), 5);
        });
    });
    EXPECT_EQ(run(entry), 5);
    EXPECT_EQ(events, (std::vector<std::string>{"timer", "device message", "second timer"}));
}

TEST_F(DialogTest, ADialogWithoutScreenOrEndedByQuitFails) {
    ManualClock other_clock;
    WindowSystem other(other_clock);
    constexpr MessageEntry kNothing[] = {{msg::paint, default_procedure}};
    static const WindowClass kPlain{"Plain", kNothing};
    Window lonely = other.create({&kPlain, "", {}, {0, 0, 10, 10}, WindowStyle::Visible, 0, {}});
    Entry entry;
    EXPECT_EQ(run_dialog(lonely, kNewStation, kNewStationProcedure, UserData::borrowed(entry)), kDialogFailed);

    on_next_timer([&] { ui.quit(0); });
    EXPECT_EQ(run(entry), kDialogFailed);
}

// Every control kind in one dialog, as the headless screen shows it.
constexpr DialogItem kEveryControlItems[] = {
    {ControlKind::GroupBox, 100, "Output", 4, 2, 122, 34},
    {ControlKind::CheckBox, 101, "Tag &Data", 8, 12, 56, 10},
    {ControlKind::RadioButton, 102, "Even", 68, 12, 50, 10, ControlStyle::Group},
    {ControlKind::RadioButton, 103, "Odd", 68, 23, 50, 10},
    {ControlKind::Static, 104, "Units", 8, 40, 40, 10},
    {ControlKind::ComboBox, 105, "", 50, 39, 74, 50},
    {ControlKind::Static, 106, "Max Speed:", 8, 55, 40, 10},
    {ControlKind::Edit, 107, "10.00", 50, 54, 74, 12, ControlStyle::Border},
    {ControlKind::ListBox, 108, "", 8, 70, 116, 30, ControlStyle::VerticalScroll},
    {ControlKind::Static, 109, "Speed units as selected", 4, 102, 122, 10, ControlStyle::Centred},
    {ControlKind::PushButton, kIdOk, "OK", 14, 114, 46, 14, ControlStyle::DefaultButton},
    {ControlKind::PushButton, 110, "&Reset", 70, 114, 46, 14},
};
constexpr DialogTemplate kEveryControl{"EVERYCONTROL", "Every Control", 130, 132, kEveryControlItems};

LResult every_control_init(Window dialog, MessageId, WParam, LParam) {
    set_check(dialog_item(dialog, 101), Check::Checked);
    set_check(dialog_item(dialog, 103), Check::Checked);
    for (const char* s : {"meters", "feet", "US Survey Feet"}) combo_add(dialog_item(dialog, 105), s);
    set_selection(dialog_item(dialog, 105), 2);
    for (int port = 1; port <= 18; ++port) add_string(dialog_item(dialog, 108), "COM" + std::to_string(port) + ":");
    set_selection(dialog_item(dialog, 108), 4);
    set_top_index(dialog_item(dialog, 108), 3);
    dialog_item(dialog, 110).disable();
    return 1;
}

constexpr DialogEntry kEveryControlProcedure[] = {{dlg::init, every_control_init}};

TEST_F(DialogTest, EveryControlKindMatchesTheGoldenPicture) {
    Bitmap picture;
    on_next_timer([&] {
        picture = screen->framebuffer();
        end_dialog(dialog(), 0);
    });
    run_dialog(host, kEveryControl, kEveryControlProcedure);
    EXPECT_TRUE(zel::test::matches_golden(picture, ZEL_SOURCE_DIR "/tests/platform/ui/dialogs/golden/every_control.png"));
}

}  // namespace
}  // namespace zel::platform::testing
