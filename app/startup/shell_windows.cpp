#include "app/startup/shell_windows.h"

namespace zel {

namespace {

bool soft_keyboard_enabled(const Settings& settings) { return settings.soft_keyboard == 1; }

}  // namespace

void hide_soft_keyboard_button(platform::WindowSystem& ui) {
    ui.find(kSoftKeyboardButtonClass, kSoftKeyboardButtonClass).hide();
}

void show_soft_keyboard_button(platform::WindowSystem& ui, const Settings& settings) {
    if (soft_keyboard_enabled(settings)) ui.find(kSoftKeyboardButtonClass, kSoftKeyboardButtonClass).show();
}

void restore_full_screen(platform::WindowSystem& ui, const Settings& settings) {
    if (soft_keyboard_enabled(settings)) hide_task_bar(ui);
}

void hide_task_bar(platform::WindowSystem& ui) { ui.find(kTaskBarClass).hide(); }

void show_task_bar(platform::WindowSystem& ui) { ui.find(kTaskBarClass).show(); }

}  // namespace zel
