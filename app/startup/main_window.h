#pragma once

// The main window (class "EM61", title "ZEL"): created first and kept underneath everything for
// the program's whole life. Its creation handler measures the screen, loads the settings and
// creates the hidden logging window and the nine main buttons; it paints the start screen and
// runs the buttons' actions. Closing it ends the program.

#include <array>
#include <functional>

#include "app/app_state.h"
#include "app/startup/keep_alive.h"
#include "app/startup/start_screen.h"
#include "app/startup/window_classes.h"
#include "platform/files/device_files.h"
#include "platform/files/storage_location.h"
#include "platform/gfx/bitmap_resources.h"
#include "platform/gfx/font.h"
#include "platform/ui/window.h"
#include "platform/ui/window_class.h"

namespace zel {

inline constexpr const char* kMainWndClassName = "EM61";
inline constexpr const char* kMainWndTitle = "ZEL";
inline constexpr const char* kLoggingWndTitle = "Logging";
inline constexpr int kLoggingWndId = 4;

inline constexpr const char* kCorruptedSettingsText =
    "Configuration file is corrupted, press OK to reset, then start the program.";
inline constexpr const char* kCorruptedSettingsCaption = "Reset to Default Settings";
inline constexpr const char* kUptimeCaption = "PROGRAM STOP";
// The lines of the uptime warning, joined by CR LF.
extern const char* const kUptimeText;

// Why the creation handler refused the main window.
enum class StartupEnd {
    None,
    SettingsCorrupted,  // the message was shown and the settings file deleted
    ChildWindowFailed,
};

enum class ViewMode { Profile, Map };

struct StartFonts {
    const platform::Font* normal = nullptr;
    const platform::Font* bold = nullptr;
    const platform::Font* small_bold = nullptr;
};

// The main window's data: what the program lends it, and what its handlers keep.
struct MainWindowState {
    MainWindowState(AppState& app_state, const platform::DeviceFiles& device_files,
                    const WindowClassRegistry& window_classes, KeepAlive& keep_alive_thread,
                    std::function<void()> reset_idle)
        : app(app_state), files(device_files), classes(window_classes), keep_alive(keep_alive_thread),
          reset_idle_timer(std::move(reset_idle)) {}

    AppState& app;
    const platform::DeviceFiles& files;
    const WindowClassRegistry& classes;
    KeepAlive& keep_alive;
    // Called on the keep-alive thread; it must only post.
    std::function<void()> reset_idle_timer;

    platform::StorageLocation storage = platform::StorageLocation::Root;
    bool uptime_flag = false;
    StartFonts fonts;
    platform::FontMetrics system_font;
    platform::BitmapResources bitmaps;
    ViewMode view = ViewMode::Profile;
    int selected = kMainButtonSelectedAtStart;
    std::array<platform::Window, kMainButtonCount> buttons{};
    platform::Window logging;
    StartupEnd end = StartupEnd::None;
};

// The constant table, in order: create, size, destroy, command, key down (the command handler),
// paint.
const platform::WindowClass& main_window_class();

namespace main_handler {
platform::LResult create(platform::Window w, platform::MessageId m, platform::WParam wp, platform::LParam lp);
platform::LResult size(platform::Window w, platform::MessageId m, platform::WParam wp, platform::LParam lp);
platform::LResult destroy(platform::Window w, platform::MessageId m, platform::WParam wp, platform::LParam lp);
platform::LResult command(platform::Window w, platform::MessageId m, platform::WParam wp, platform::LParam lp);
platform::LResult paint(platform::Window w, platform::MessageId m, platform::WParam wp, platform::LParam lp);
}  // namespace main_handler

// The command parameter of a main button's click, as the "E&xit" of a script sends it.
platform::WParam main_button_command(int index);

}  // namespace zel
