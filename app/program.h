#pragma once

// The program: command line, one running copy per device root, the screen, the window classes,
// the main window and the message loop, and an end that leaves an open data file complete.

#include <memory>
#include <optional>
#include <string>

#include "app/build_config.h"
#include "platform/clock/clock.h"
#include "platform/shell/command_line.h"
#include "platform/ui/window.h"

namespace zel {


struct AppState;
struct MainWindowState;

namespace platform {
class Display;
class HeadlessDisplay;
class Screen;
class WindowSystem;
}  // namespace platform

class Program {
public:
    Program(const BuildConfig& build, platform::CommandLine command_line, const platform::Clock& clock);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Everything before the message loop: the lock, fonts, screen, classes and the main window.
    // An exit code when the program ends here, with the reason in `error` (for stderr) unless the
    // operator was already told on the screen.
    std::optional<int> start(std::string& error);
    // The two halves of start: everything up to the screen and the classes, then the windows.
    std::optional<int> open(std::string& error);
    std::optional<int> create_windows(std::string& error);
    // The message loop, fed by the script when there is one; then the end. The exit code.
    int run(std::string& error);

    platform::WindowSystem& ui();
    platform::Screen& screen();
    platform::Window main_window() const { return m_main; }
    AppState& app();
    const MainWindowState& main_state() const;
    // The headless display, or nullptr when the program shows a screen.
    platform::HeadlessDisplay* headless();

private:
    struct Parts;

    std::optional<int> open_screen(std::string& error);
    void end();

    BuildConfig m_build;
    platform::CommandLine m_command_line;
    const platform::Clock& m_clock;
    std::unique_ptr<Parts> m_parts;
    platform::Window m_main;
};

// What an executable's main calls: parses the arguments, runs the program, returns the exit code.
int run_program(const BuildConfig& build, int argc, const char* const* argv);

}  // namespace zel
