#pragma once

// Plays a script's steps into a running program from a thread of its own, so that the window
// thread stays in its loops (a message box's among them) while keys, taps and waits arrive.
// After each input step it waits until the input was taken and what it drew is painted.

#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "platform/shell/script.h"
#include "platform/ui/window.h"
#include "platform/ui/window_system.h"

namespace zel {

class ScriptFeeder {
public:
    // host: a program host window; main: the main window, whose "E&xit" ends the script.
    ScriptFeeder(platform::WindowSystem& ui, platform::Window host, platform::Window main, platform::Script script);
    ~ScriptFeeder();
    ScriptFeeder(const ScriptFeeder&) = delete;
    ScriptFeeder& operator=(const ScriptFeeder&) = delete;

    void start();
    // Ends a wait early and joins the thread; the program calls it once its loop has ended.
    void stop();
    // Messages of steps that failed (a screenshot that could not be written); after stop().
    const std::vector<std::string>& errors() const { return m_errors; }

private:
    void play();
    void play_step(const platform::ScriptStep& step);
    void press(const platform::KeyStroke& stroke);
    void settle();
    void end_program();
    // False when stopped meanwhile.
    bool pause(std::chrono::milliseconds duration);

    platform::WindowSystem& m_ui;
    platform::Window m_host;
    platform::Window m_main;
    platform::Script m_script;
    std::vector<std::string> m_errors;

    std::mutex m_mutex;
    std::condition_variable m_stopped;
    bool m_stop = false;
    std::thread m_thread;
};

}  // namespace zel
