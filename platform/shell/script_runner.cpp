#include "platform/shell/script_runner.h"

#include <algorithm>

#include "platform/gfx/png.h"
#include "platform/ui/key_stroke_input.h"
#include "platform/ui/screen.h"

namespace zel::platform {

namespace {

constexpr TimerId kStepTimer = 1;
// The shortest timer: the next step waits only for the loop to settle.
constexpr std::uint32_t kNextStepMs = 1;

}  // namespace

LResult script_runner_timer(Window w, MessageId, WParam, LParam) {
    ScriptRunner* runner = w.data<ScriptRunner>();
    if (runner != nullptr) runner->run_step();
    return 0;
}

namespace {
constexpr MessageEntry kRunnerTable[] = {{msg::timer, script_runner_timer}};
constexpr WindowClass kRunnerClass{"ScriptRunner", kRunnerTable};
}  // namespace

ScriptRunner::ScriptRunner(Screen& screen, Script script, std::function<void()> quit)
    : m_screen(screen), m_script(std::move(script)), m_quit(std::move(quit)) {
    if (!m_quit) m_quit = [&ui = screen.ui()] { ui.quit(0); };
    m_window = screen.ui().create({&kRunnerClass, "", {}, {}, WindowStyle::None, 0, UserData::borrowed(*this)});
}

ScriptRunner::~ScriptRunner() { m_window.destroy(); }

void ScriptRunner::start() { schedule(kNextStepMs); }

void ScriptRunner::schedule(std::uint32_t delay_ms) { m_window.set_timer(kStepTimer, std::max(delay_ms, kNextStepMs)); }

void ScriptRunner::run_step() {
    m_window.kill_timer(kStepTimer);
    if (m_finished) return;
    if (m_next >= m_script.steps.size()) {
        finish();
        return;
    }
    const ScriptStep& step = m_script.steps[m_next++];
    run(step);
    if (m_finished) return;
    schedule(step.kind == StepKind::Wait ? static_cast<std::uint32_t>(step.duration.count()) : kNextStepMs);
}

void ScriptRunner::run(const ScriptStep& step) {
    WindowSystem& ui = m_screen.ui();
    switch (step.kind) {
    case StepKind::Key:
    case StepKind::Type:
        for (const KeyStroke& stroke : step.keys) post_key_stroke(ui, stroke);
        break;
    case StepKind::Tap:
        ui.post_input(InputEvent::pointer_down(step.position));
        ui.post_input(InputEvent::pointer_up(step.position));
        break;
    case StepKind::Wait: break;  // the timer of the next step waits
    case StepKind::Screenshot:
        if (std::string error = write_png(step.path, m_screen.framebuffer()); !error.empty()) {
            m_errors.push_back("script line " + std::to_string(step.line) + ": " + error);
        }
        break;
    case StepKind::Quit: finish(); break;
    }
}

void ScriptRunner::finish() {
    m_finished = true;
    m_quit();
}

}  // namespace zel::platform
