#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "platform/shell/script.h"
#include "platform/ui/window.h"

namespace zel::platform {

class Screen;

// Plays a parsed script into the program on the window thread, one step at a time: keys, typed
// text and taps are queued as input, waits let the loop run, screenshots write the framebuffer.
//
// A step runs from a timer of the runner's own hidden window. The loops take timers only when
// no input, message or paint is waiting, so every step sees the program settled after the step
// before it: a screenshot shows the dialog a key opened, fully painted. Since modal loops fire
// timers too, steps go on inside dialogs, message boxes and menus. After the last step, or at
// a quit step, the runner ends the program through the quit handler.
class ScriptRunner {
public:
    // `quit` is how the program ends (the main window's exit); by default the window system
    // quits with code 0.
    ScriptRunner(Screen& screen, Script script, std::function<void()> quit = {});
    ~ScriptRunner();
    ScriptRunner(const ScriptRunner&) = delete;
    ScriptRunner& operator=(const ScriptRunner&) = delete;

    // The first step runs once the loop has handled what is queued now.
    void start();
    bool finished() const { return m_finished; }
    std::size_t steps_done() const { return m_next; }
    // Steps that failed, as "script line N: ..." (a screenshot that could not be written).
    const std::vector<std::string>& errors() const { return m_errors; }

private:
    friend LResult script_runner_timer(Window w, MessageId, WParam, LParam);
    void run_step();
    void run(const ScriptStep& step);
    void schedule(std::uint32_t delay_ms);
    void finish();

    Screen& m_screen;
    Script m_script;
    std::function<void()> m_quit;
    Window m_window;
    std::size_t m_next = 0;
    bool m_finished = false;
    std::vector<std::string> m_errors;
};

}  // namespace zel::platform
