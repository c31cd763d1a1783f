#include "app/startup/main_actions.h"

#include <chrono>
#include <thread>

#include "app/settings/settings_file.h"
#include "app/startup/shell_windows.h"
#include "platform/ui/dialogs/message_box.h"
#include "platform/ui/window_system.h"

namespace zel {

namespace {

using platform::Window;

// Leaving the program: the keep-alive thread is told first and given a moment, as on the
// handheld, before the main window goes.
constexpr std::chrono::milliseconds kExitPause{100};

void not_available(Window w, MainAction action) {
    const std::string caption = caption_of(kMainButtons[static_cast<std::size_t>(action)].text);
    platform::message_box(w, kNotAvailableText, caption, platform::MessageButtons::Ok, platform::MessageIcon::Information);
}

// The frame around the setup dialogs opened from the start screen: the soft-keyboard button
// while typing may be needed, full screen and the start screen restored afterwards.
void setup_dialog(Window w, MainWindowState& st, MainAction action) {
    platform::WindowSystem& ui = *w.system();
    show_soft_keyboard_button(ui, st.app.settings);
    not_available(w, action);
    hide_soft_keyboard_button(ui);
    restore_full_screen(ui, st.app.settings);
    w.invalidate();
    w.focus();
    // The GPS port settings are written whatever the dialog answered.
    if (action == MainAction::GpsPortSetup) SettingsFile(st.app.build, st.files, st.storage).save(st.app.settings);
}

void exit_program(Window w, MainWindowState& st) {
    st.keep_alive.stop();
    std::this_thread::sleep_for(kExitPause);
    w.close();
}

}  // namespace

std::string caption_of(std::string_view button_text) {
    std::string caption;
    for (std::size_t i = 0; i < button_text.size(); ++i) {
        if (button_text[i] == '&' && i + 1 < button_text.size()) ++i;
        caption += button_text[i];
    }
    return caption;
}

void run_main_action(Window w, MainWindowState& st, MainAction action) {
    switch (action) {
    case MainAction::SurveySetup:
    case MainAction::SystemSetup:
    case MainAction::GpsPortSetup:
        setup_dialog(w, st, action);
        return;
    case MainAction::Exit:
        exit_program(w, st);
        return;
    case MainAction::Logging:
    case MainAction::LoggerSetup:
    case MainAction::MonitorGps:
    case MainAction::MapOptions:
    case MainAction::ProfileOptions:
        not_available(w, action);
        return;
    }
}

}  // namespace zel
