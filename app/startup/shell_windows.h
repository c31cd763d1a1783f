#pragma once

// The handheld shell's soft-keyboard button and task bar. They are windows of the shell that the
// program finds by class and shows or hides; where the shell has none, the calls do nothing, and
// the order of the calls stays that of the handheld.

#include "app/settings/settings.h"
#include "platform/ui/window.h"
#include "platform/ui/window_system.h"

namespace zel {

inline constexpr const char* kSoftKeyboardButtonClass = "MS_SIPBUTTON";
inline constexpr const char* kTaskBarClass = "HHTaskBar";

void hide_soft_keyboard_button(platform::WindowSystem& ui);
// Only with the "Soft Keyboard" setting enabled.
void show_soft_keyboard_button(platform::WindowSystem& ui, const Settings& settings);
// Only with the "Soft Keyboard" setting enabled: the task bar goes so `window` has the screen.
void restore_full_screen(platform::WindowSystem& ui, const Settings& settings);
void hide_task_bar(platform::WindowSystem& ui);
void show_task_bar(platform::WindowSystem& ui);

}  // namespace zel
