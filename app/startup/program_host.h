#pragma once

// A hidden window of the program itself, beside the system's windows: it carries what other
// threads ask of the window thread that is no business of the main window (the keep-alive
// thread's idle-timer reset).

#include <string>

#include "platform/ui/window.h"
#include "platform/ui/window_class.h"

namespace zel {

inline constexpr const char* kProgramHostClassName = "ZelProgramHost";

namespace host_message {
inline constexpr platform::MessageId kResetIdleTimer = platform::msg::user + 500;
}  // namespace host_message

// The host's data: the main window.
struct ProgramHostState {
    platform::Window main;
};

const platform::WindowClass& program_host_class();

}  // namespace zel
