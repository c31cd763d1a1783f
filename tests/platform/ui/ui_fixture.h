#pragma once

#include "platform/clock/clock.h"
#include "platform/ui/window_system.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace zel::platform::testing {

using Reaction = std::function<LResult(Window, MessageId, WParam, LParam)>;

// What a probe window knows: its name for the log and an optional reaction to its messages.
struct Probe {
    std::string name;
    std::vector<std::string>* log = nullptr;
    Reaction react;
};

inline std::string message_name(MessageId m) {
    switch (m) {
    case msg::create: return "create";
    case msg::destroy: return "destroy";
    case msg::move: return "move";
    case msg::size: return "size";
    case msg::set_focus: return "set_focus";
    case msg::kill_focus: return "kill_focus";
    case msg::paint: return "paint";
    case msg::close: return "close";
    case msg::key_down: return "key_down";
    case msg::key_up: return "key_up";
    case msg::character: return "char";
    case msg::timer: return "timer";
    case msg::pointer_down: return "down";
    case msg::pointer_up: return "up";
    default: return std::to_string(m);
    }
}

inline LResult log_message(Window w, MessageId m, WParam wp, LParam lp) {
    Probe* p = w.data<Probe>();
    if (p == nullptr) return 0;
    p->log->push_back(p->name + ":" + message_name(m));
    return p->react ? p->react(w, m, wp, lp) : 0;
}

// Close is left out on purpose, so that it reaches default processing.
inline constexpr MessageEntry kProbeTable[] = {
    {msg::create, log_message},       {msg::destroy, log_message},    {msg::size, log_message},
    {msg::set_focus, log_message},    {msg::kill_focus, log_message}, {msg::paint, log_message},
    {msg::key_down, log_message},     {msg::key_up, log_message},     {msg::character, log_message},
    {msg::timer, log_message},        {msg::pointer_down, log_message}, {msg::pointer_up, log_message},
    {msg::user, log_message},         {msg::user + 1, log_message},
};
inline constexpr WindowClass kProbeClass{"Probe", kProbeTable};

class UiTest : public ::testing::Test {
protected:
    Window make(const std::string& name, Rect rect, Window parent = {},
                WindowStyle style = WindowStyle::Visible, Reaction react = {}) {
        Probe& probe = m_probes.emplace_back(Probe{name, &log, std::move(react)});
        return ui.create({&kProbeClass, name, parent, rect, style, 0, UserData::borrowed(probe)});
    }
    Probe& probe(Window w) { return *w.data<Probe>(); }
    // The log since the last call.
    std::vector<std::string> take_log() { return std::exchange(log, {}); }

    ManualClock clock;
    WindowSystem ui{clock};
    std::vector<std::string> log;

private:
    std::deque<Probe> m_probes;
};

}  // namespace zel::platform::testing
