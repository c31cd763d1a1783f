#include "app/program.h"

#include <iostream>

#include "app/app_state.h"
#include "app/startup/keep_alive.h"
#include "app/startup/main_window.h"
#include "app/startup/program_host.h"
#include "app/startup/shell_windows.h"
#include "app/startup/window_classes.h"
#include "platform/backend/headless/headless_display.h"
#include "platform/backend/sdl/sdl_display.h"
#include "platform/files/device_files.h"
#include "platform/files/device_root.h"
#include "platform/files/instance_lock.h"
#include "platform/gfx/font_library.h"
#include "platform/shell/script.h"
#include "platform/shell/script_runner.h"
#include "platform/ui/screen.h"
#include "platform/ui/window_system.h"

namespace zel {

// Declared so that whatever a member refers to outlives it; the window system goes before the
// state its windows' handlers reach, and the keep-alive thread is stopped by end() before that.
struct Program::Parts {
    Parts(const BuildConfig& build, const platform::CommandLine& command_line, const platform::Clock& clock)
        : files(platform::resolve_device_root(command_line.root.value_or(""))),
          app(build, clock),
          ui(clock) {}

    platform::DeviceFiles files;
    std::optional<platform::InstanceLock> lock;
    std::optional<platform::Script> script;
    AppState app;
    WindowClassRegistry classes;
    KeepAlive keep_alive;
    std::unique_ptr<MainWindowState> main_state;
    ProgramHostState host_state;
    std::unique_ptr<platform::FontLibrary> fonts;
    std::unique_ptr<platform::Display> display;
    platform::HeadlessDisplay* headless = nullptr;
    platform::WindowSystem ui;
    std::unique_ptr<platform::Screen> screen;
    platform::Window host;
    std::unique_ptr<platform::ScriptRunner> script_runner;
};

Program::Program(const BuildConfig& build, platform::CommandLine command_line, const platform::Clock& clock)
    : m_build(build), m_command_line(std::move(command_line)), m_clock(clock),
      m_parts(std::make_unique<Parts>(m_build, m_command_line, clock)) {}

Program::~Program() { end(); }

platform::WindowSystem& Program::ui() { return m_parts->ui; }
platform::Screen& Program::screen() { return *m_parts->screen; }
AppState& Program::app() { return m_parts->app; }
const MainWindowState& Program::main_state() const { return *m_parts->main_state; }
platform::HeadlessDisplay* Program::headless() { return m_parts->headless; }

std::optional<int> Program::start(std::string& error) {
    if (auto code = open(error)) return code;
    return create_windows(error);
}

std::optional<int> Program::open(std::string& error) {
    Parts& p = *m_parts;
    if (m_command_line.script) {
        p.script = platform::load_script(*m_command_line.script);
        if (!p.script->error.empty()) {
            error = p.script->error;
            return exit_code::kBadCommandLine;
        }
    }
    p.files.ensure_root();
    p.lock = platform::InstanceLock::acquire(p.files.root());
    if (!p.lock) {
        error = "another copy is already running with the device root " + p.files.root().string();
        return exit_code::kAlreadyRunning;
    }
    if (auto code = open_screen(error)) return code;
    if (auto code = register_window_classes(p.classes, program_window_classes())) {
        error = "cannot register the window classes";
        return code;
    }
    return std::nullopt;
}

std::optional<int> Program::open_screen(std::string& error) {
    Parts& p = *m_parts;
    p.fonts = platform::FontLibrary::open(error);
    if (!p.fonts) return exit_code::kBadCommandLine;
    if (platform::FontResult ui_font = p.fonts->font(platform::kDefaultUiFont); ui_font.font == nullptr) {
        error = "no font for \"" + platform::kDefaultUiFont.family + "\": " + ui_font.error;
        return exit_code::kBadCommandLine;
    }
    // The backend opens the working size: on VGA and larger the 36 rows the handheld's bars took.
    const platform::Size working = measure_screen(m_command_line.screen).working;
    if (m_command_line.display == platform::DisplayChoice::Headless) {
        auto headless = std::make_unique<platform::HeadlessDisplay>(working);
        p.headless = headless.get();
        p.display = std::move(headless);
    } else {
        p.display = platform::SdlDisplay::open(working, m_command_line.zoom, error);
        if (!p.display) return exit_code::kBadCommandLine;
    }
    p.screen = std::make_unique<platform::Screen>(p.ui, *p.display, *p.fonts);
    // Closing the desktop window leaves the program as its "E&xit" button does.
    p.screen->set_quit_handler([this] {
        m_main.post(platform::msg::command, main_button_command(static_cast<int>(MainAction::Exit)));
    });
    return std::nullopt;
}

std::optional<int> Program::create_windows(std::string& error) {
    Parts& p = *m_parts;
    p.host = p.ui.create({&program_host_class(), "", {}, {}, platform::WindowStyle::None, 0,
                          platform::UserData::borrowed(p.host_state)});
    const platform::Window host = p.host;
    p.main_state = std::make_unique<MainWindowState>(p.app, p.files, p.classes, p.keep_alive,
                                                   [host] { host.post(host_message::kResetIdleTimer); });
    hide_soft_keyboard_button(p.ui);
    m_main = p.ui.create({p.classes.find(kMainWndClassName), kMainWndTitle, {},
                          platform::Rect::from_size({0, 0}, m_command_line.screen), platform::WindowStyle::Visible, 0,
                          platform::UserData::borrowed(*p.main_state)});
    if (m_main.is_null()) {
        error = p.main_state->end == StartupEnd::SettingsCorrupted
                    ? "the settings file was corrupted and has been deleted; start the program again"
                    : "cannot create the main window";
        return exit_code::kNoMainWindow;
    }
    p.host_state.main = m_main;
    const platform::Rect client = m_main.client_rect();
    const ScreenMeasurements m = measure_screen({client.width(), client.height()});
    m_main.move(platform::Rect::from_size({0, 0}, m.working));
    m_main.update();
    return std::nullopt;
}

int Program::run(std::string& error) {
    Parts& p = *m_parts;
    if (p.script) {
        // The script ends the program as the operator would: through the main window's "E&xit".
        const platform::Window main = m_main;
        p.script_runner = std::make_unique<platform::ScriptRunner>(
            *p.screen, std::move(*p.script),
            [main] { main.post(platform::msg::command, main_button_command(static_cast<int>(MainAction::Exit))); });
        p.script.reset();
        p.script_runner->start();
    }
    const int code = p.ui.run();
    if (p.script_runner) {
        for (const std::string& e : p.script_runner->errors()) error += (error.empty() ? "" : "\n") + e;
    }
    end();
    return code;
}

// Every way out passes here: nothing an open data file has received may be lost.
void Program::end() {
    if (!m_parts) return;
    Parts& p = *m_parts;
    p.keep_alive.stop();
    if (p.app.data_file.is_open()) p.app.data_file.close();
    if (m_main.alive()) m_main.destroy();
}

int run_program(const BuildConfig& build, int argc, const char* const* argv) {
    const std::string name = argc > 0 ? argv[0] : "zel";
    platform::CommandLineResult parsed = platform::parse_command_line(argc, argv);
    if (!parsed.command_line) {
        std::cerr << name << ": " << parsed.error << "\n" << platform::usage(name) << "\n";
        return exit_code::kBadCommandLine;
    }
    platform::SystemClock clock;
    Program program(build, std::move(*parsed.command_line), clock);
    std::string error;
    std::optional<int> early = program.start(error);
    if (!error.empty()) std::cerr << name << ": " << error << "\n";
    if (early) return *early;
    error.clear();
    const int code = program.run(error);
    if (!error.empty()) std::cerr << name << ": " << error << "\n";
    return code;
}

}  // namespace zel
