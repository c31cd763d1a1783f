#pragma once

#include "platform/gfx/color.h"
#include "platform/ui/screen.h"
#include "platform/ui/soft_keyboard.h"
#include "platform/ui/window.h"

namespace zel::demo {

// What the demonstration remembers between dialogs.
struct DemoState {
    platform::SoftKeyboard* keyboard = nullptr;
    platform::Color colour = platform::rgb(0, 0, 255);
    int gain = 61;  // the checked one of the submenu's two items
};

// A full-screen window with one control of each kind, and buttons that open a message box, a
// popup menu with a submenu, the colour chooser, the save-file dialog and the on-screen
// keyboard; a line at the bottom tells what the last one answered. The buttons' underlined
// letters open them from the keyboard. Null when the window could not be made.
platform::Window create_demo_window(platform::Screen& screen, DemoState& state);

}  // namespace zel::demo
