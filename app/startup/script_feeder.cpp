#include "app/startup/script_feeder.h"

#include "app/startup/main_window.h"
#include "app/startup/program_host.h"
#include "app/startup/start_screen.h"

namespace zel {

namespace {

// How often the feeder looks whether its input has been taken.
constexpr std::chrono::milliseconds kInputPoll{2};

}  // namespace

ScriptFeeder::ScriptFeeder(platform::WindowSystem& ui, platform::Window host, platform::Window main, platform::Script script)
    : m_ui(ui), m_host(host), m_main(main), m_script(std::move(script)) {}

ScriptFeeder::~ScriptFeeder() { stop(); }

void ScriptFeeder::start() { m_thread = std::thread([this] { play(); }); }

void ScriptFeeder::stop() {
    {
        std::lock_guard lock(m_mutex);
        m_stop = true;
    }
    m_stopped.notify_all();
    if (m_thread.joinable()) m_thread.join();
}

bool ScriptFeeder::pause(std::chrono::milliseconds duration) {
    std::unique_lock lock(m_mutex);
    return !m_stopped.wait_for(lock, duration, [this] { return m_stop; });
}

void ScriptFeeder::play() {
    for (const platform::ScriptStep& step : m_script.steps) {
        {
            std::lock_guard lock(m_mutex);
            if (m_stop) return;
        }
        if (step.kind == platform::StepKind::Quit) break;
        play_step(step);
    }
    // The end of a script ends the program as "quit" does.
    end_program();
}

void ScriptFeeder::play_step(const platform::ScriptStep& step) {
    using platform::StepKind;
    switch (step.kind) {
    case StepKind::Key:
    case StepKind::Type:
        for (const platform::KeyStroke& stroke : step.keys) press(stroke);
        settle();
        return;
    case StepKind::Tap:
        m_ui.post_input(platform::InputEvent::pointer_down(step.position));
        m_ui.post_input(platform::InputEvent::pointer_up(step.position));
        settle();
        return;
    case StepKind::Wait:
        pause(step.duration);
        return;
    case StepKind::Screenshot: {
        ScreenshotRequest request{step.path, {}};
        if (m_ui.send(m_host, host_message::kScreenshot, 0, reinterpret_cast<platform::LParam>(&request)) == 0) {
            request.error = "the program ended before it";
        }
        if (!request.error.empty()) {
            m_errors.push_back("script line " + std::to_string(step.line) + ": screenshot " + step.path + ": " + request.error);
        }
        return;
    }
    case StepKind::Quit:
        return;
    }
}

void ScriptFeeder::press(const platform::KeyStroke& stroke) {
    m_ui.post_input(platform::InputEvent::key_down(stroke.key_code));
    if (stroke.character != 0) m_ui.post_input(platform::InputEvent::character(static_cast<std::uint32_t>(stroke.character)));
    m_ui.post_input(platform::InputEvent::key_up(stroke.key_code));
}

// Posted input is taken in order; once none is left, a sent message is served at the next turn
// of whichever loop runs then, after the input's handler or inside the modal loop it opened.
void ScriptFeeder::settle() {
    while (m_ui.queue_depth().posted > 0) {
        if (!pause(kInputPoll)) return;
    }
    m_ui.send(m_host, host_message::kSettle);
}

void ScriptFeeder::end_program() {
    m_ui.post(m_main, platform::msg::command, main_button_command(static_cast<int>(MainAction::Exit)));
}

}  // namespace zel
