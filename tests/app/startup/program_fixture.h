#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "app/app_state.h"
#include "app/build_config.h"
#include "app/program.h"
#include "app/startup/main_window.h"
#include "platform/backend/headless/headless_display.h"
#include "platform/backend/key_codes.h"
#include "platform/clock/clock.h"
#include "platform/ui/screen.h"
#include "platform/ui/window_system.h"

namespace zel::test {

// A device root of its own, removed afterwards.
class StartupRoot {
public:
    StartupRoot() {
        std::string pattern = (std::filesystem::temp_directory_path() / "zel-startup-XXXXXX").string();
        if (::mkdtemp(pattern.data()) != nullptr) m_path = pattern;
    }
    ~StartupRoot() {
        std::error_code ignored;
        if (!m_path.empty()) std::filesystem::remove_all(m_path, ignored);
    }
    StartupRoot(const StartupRoot&) = delete;
    StartupRoot& operator=(const StartupRoot&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    // The root has no "Storage", so the settings live in "\BRUINI".
    std::filesystem::path settings_file() const { return m_path / "BRUINI" / "Z601CX.INI"; }

    static std::string contents(const std::filesystem::path& file) {
        std::ifstream in(file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    static void write(const std::filesystem::path& file, const std::string& text) {
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary) << text;
    }

private:
    std::filesystem::path m_path;
};

// The lines of a CR LF text, each without its terminator; a missing final CR LF fails.
inline std::vector<std::string> crlf_lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos) {
            ADD_FAILURE() << "text does not end in CR LF";
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

// The program in this process on a headless screen.
struct HeadlessProgram {
    HeadlessProgram(const std::filesystem::path& root, platform::Size screen, platform::Tick start_tick = 1000,
                    const BuildConfig& build = kGrad601Build)
        : clock(start_tick) {
        platform::CommandLine line;
        line.root = root.string();
        line.screen = screen;
        line.display = platform::DisplayChoice::Headless;
        program = std::make_unique<Program>(build, line, clock);
    }

    std::optional<int> start() { return program->start(error); }
    platform::HeadlessDisplay& display() { return *program->headless(); }
    std::size_t pump() { return program->screen().pump(); }
    void press(platform::KeyCode code) {
        display().inject(platform::DisplayEvent::key_down(code));
        display().inject(platform::DisplayEvent::key_up(code));
    }
    int selected() const { return program->main_state().selected; }
    platform::Window button(int index) const { return program->main_state().buttons[static_cast<std::size_t>(index)]; }

    platform::ManualClock clock;
    std::unique_ptr<Program> program;
    std::string error;
};

}  // namespace zel::test
