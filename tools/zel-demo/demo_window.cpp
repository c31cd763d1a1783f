#include "tools/zel-demo/demo_window.h"

#include <array>
#include <cstdio>

#include "platform/ui/colour_chooser.h"
#include "platform/ui/controls/control_look.h"
#include "platform/ui/controls/controls.h"
#include "platform/ui/dialogs/file_dialog.h"
#include "platform/ui/dialogs/message_box.h"
#include "platform/ui/menus/popup_menu.h"

namespace zel::demo {

using namespace platform;

namespace {

enum : int {
    kLineEdit = 201,
    kShowCheck,
    kAmplitudeCombo,
    kHighRadio,
    kLowRadio,
    kLinesList,
    kMessageButton = 301,
    kMenuButton,
    kColourButton,
    kSaveButton,
    kKeyboardButton,
    kExitButton,
    kResultText = 401,
};

// Positions for a 240 x 320 screen; other screens scale them.
struct DemoControl {
    ControlKind kind;
    int id;
    std::string_view text;
    Rect at;
    ControlStyle style = ControlStyle::None;
};

// Group boxes come first, so the controls they frame lie over them.
constexpr DemoControl kControls[] = {
    {ControlKind::Static, 0, "Every control, and the dialogs", {6, 4, 234, 20}},
    {ControlKind::GroupBox, 0, "Controls", {4, 22, 236, 166}},
    {ControlKind::Static, 0, "Line:", {12, 42, 46, 58}},
    {ControlKind::Edit, kLineEdit, "12.50", {48, 40, 136, 60}, ControlStyle::Border},
    {ControlKind::CheckBox, kShowCheck, "Show &Profile", {142, 42, 232, 58}},
    {ControlKind::ComboBox, kAmplitudeCombo, "", {12, 66, 136, 150}},
    {ControlKind::RadioButton, kHighRadio, "&1 High", {142, 68, 232, 84}, ControlStyle::Group},
    {ControlKind::RadioButton, kLowRadio, "&2 Low", {142, 88, 232, 104}},
    {ControlKind::ListBox, kLinesList, "", {12, 96, 136, 160}, ControlStyle::VerticalScroll},
    {ControlKind::GroupBox, 0, "Dialogs", {4, 172, 236, 292}},
    {ControlKind::PushButton, kMessageButton, "&Message", {12, 190, 116, 216}},
    {ControlKind::PushButton, kMenuButton, "Me&nu", {124, 190, 228, 216}},
    {ControlKind::PushButton, kColourButton, "&Colour", {12, 222, 116, 248}},
    {ControlKind::PushButton, kSaveButton, "&Save As", {124, 222, 228, 248}},
    {ControlKind::PushButton, kKeyboardButton, "&Keyboard", {12, 254, 116, 280}},
    {ControlKind::PushButton, kExitButton, "E&xit", {124, 254, 228, 280}},
    {ControlKind::Static, kResultText, "Tap a button below", {6, 298, 196, 316}},
};
constexpr Rect kSwatch{202, 298, 234, 316};

constexpr std::array<std::string_view, 2> kAmplitudes{"Linear Profiles", "Compressed Profiles"};
constexpr std::array<std::string_view, 6> kLines{"Line 1", "Line 2", "Line 3", "Line 4", "Line 5", "Line 6"};

// The popup of the logging window, cut down.
constexpr MenuItem kGainItems[] = {{"&1 High", 61}, {"&2 Low", 62}};
constexpr MenuItem kPopupItems[] = {
    {"New &Line", 42},
    {"&New Station", 43},
    {"&Comment", 44, MenuFlags::Disabled},
    kMenuSeparator,
    {"E&M61 Gain", 0, MenuFlags::None, kGainItems},
    {"&Toggle View", 49},
};
constexpr MenuItem kMenuBar[] = {{"Menu", 0, MenuFlags::None, kPopupItems}};
constexpr MenuResource kMenus[] = {{40, kMenuBar}};

// Base coordinates scaled to the screen, each product truncated.
Rect scaled(const Rect& r, Size screen) {
    auto x = [&](int v) { return v * screen.width / 240; };
    auto y = [&](int v) { return v * screen.height / 320; };
    return {x(r.left), y(r.top), x(r.right), y(r.bottom)};
}

DemoState* state_of(Window w) { return w.data<DemoState>(); }

void tell(Window main, const std::string& text) { main.child(kResultText).set_text(text); }

void show_message_box(Window main) {
    int answer = message_box(main, "Exit Logging?", "Confirm Exit", MessageButtons::YesNo, MessageIcon::Question);
    tell(main, answer == kIdYes ? "Message box: Yes" : "Message box: No");
}

void show_menu(Window main) {
    DemoState& s = *state_of(main);
    Menu popup = Menu(find_menu(kMenus, 40)->items).submenu(0);
    popup.set_check(s.gain, MenuCheck::Checked);
    Rect button = main.child(kMenuButton).screen_rect();
    // The choice comes back as a command message, as the logging window receives it.
    if (track_popup_menu(popup, main, {button.left, button.bottom}) == 0) tell(main, "Menu: dismissed");
}

void menu_command(Window main, int id) {
    if (id == 61 || id == 62) state_of(main)->gain = id;
    tell(main, "Menu: item " + std::to_string(id));
}

void show_colour_chooser(Window main) {
    DemoState& s = *state_of(main);
    std::optional<Color> chosen = choose_colour(main, s.colour);
    if (!chosen) {
        tell(main, "Colour: cancelled");
        return;
    }
    s.colour = *chosen;
    char text[40];
    std::snprintf(text, sizeof text, "Colour: %d, %d, %d", red(s.colour), green(s.colour), blue(s.colour));
    tell(main, text);
    main.invalidate(scaled(kSwatch, {main.rect().width(), main.rect().height()}));
}

void show_save_dialog(Window main) {
    FileDialogOptions options;
    options.title = "Save As";
    options.folder = ".";
    options.file_name = "LINE01";
    options.filter = "ZEL Files (*.601)\0*.601\0All Files (*.*)\0*.*\0\0";
    options.default_extension = "601";
    std::optional<std::string> path = save_file_dialog(main, options);
    tell(main, path ? "Save as: " + *path : "Save as: cancelled");
}

void toggle_keyboard(Window main) {
    SoftKeyboard* keyboard = state_of(main)->keyboard;
    if (keyboard == nullptr) return;
    if (keyboard->button().visible()) {
        keyboard->hide_button();
    } else {
        keyboard->show_button();
        if (!keyboard->panel_open()) keyboard->toggle_panel();
    }
}

LResult on_command(Window w, MessageId, WParam wparam, LParam) {
    int id = low_word(wparam);
    if (high_word(wparam) != notify::clicked) return 0;
    switch (id) {
    case kMessageButton: show_message_box(w); break;
    case kMenuButton: show_menu(w); break;
    case kColourButton: show_colour_chooser(w); break;
    case kSaveButton: show_save_dialog(w); break;
    case kKeyboardButton: toggle_keyboard(w); break;
    case kExitButton: w.system()->quit(0); break;
    default:
        if (id >= 42 && id <= 62) menu_command(w, id);
        break;
    }
    return 0;
}

// The underlined letter of a button presses it.
LResult on_key_down(Window w, MessageId, WParam key, LParam) {
    for (const DemoControl& c : kControls) {
        if (c.kind != ControlKind::PushButton) continue;
        if (static_cast<WParam>(mnemonic_key(c.text)) == key) {
            click(w.child(c.id));
            return 0;
        }
    }
    return 0;
}

LResult on_paint(Window w, MessageId, WParam, LParam) {
    Screen* screen = Screen::of(w);
    DemoState* s = state_of(w);
    if (screen == nullptr || s == nullptr) return 0;
    Painter p = screen->painter(w);
    p.fill_rect(w.client_rect(), look::face);
    Rect swatch = scaled(kSwatch, {w.rect().width(), w.rect().height()});
    p.fill_rect(swatch, s->colour);
    draw_frame(p, swatch, look::frame);
    return 0;
}

constexpr MessageEntry kDemoTable[] = {
    {msg::paint, on_paint},
    {msg::command, on_command},
    {msg::key_down, on_key_down},
};
constexpr WindowClass kDemoClass{"ZelDemo", kDemoTable};

void fill_controls(Window main) {
    for (std::string_view a : kAmplitudes) add_string(main.child(kAmplitudeCombo), a);
    set_selection(main.child(kAmplitudeCombo), 0);
    for (std::string_view l : kLines) add_string(main.child(kLinesList), l);
    set_selection(main.child(kLinesList), 1);
    set_check(main.child(kShowCheck), Check::Checked);
    set_check(main.child(kHighRadio), Check::Checked);
}

}  // namespace

Window create_demo_window(Screen& screen, DemoState& state) {
    Size size = screen.size();
    Window main = screen.ui().create({&kDemoClass, "ZEL demo", {}, {0, 0, size.width, size.height},
                                      WindowStyle::Visible, 0, UserData::borrowed(state)});
    if (main.is_null()) return {};
    for (const DemoControl& c : kControls) {
        create_control(main, {c.kind, c.id, std::string(c.text), scaled(c.at, size), c.style});
    }
    fill_controls(main);
    main.focus();
    return main;
}

}  // namespace zel::demo
