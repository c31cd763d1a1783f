#pragma once

// A hidden window of the program itself, beside the system's windows: it carries what other
// threads ask of the window thread that is no business of the main window (the keep-alive
// thread's idle-timer reset, a script's screenshots and its waits for the input to be handled).

#include <string>

#include "platform/ui/window.h"
#include "platform/ui/window_class.h"

namespace zel {

inline constexpr const char* kProgramHostClassName = "ZelProgramHost";

namespace host_message {
inline constexpr platform::MessageId kResetIdleTimer = platform::msg::user + 500;
// lparam: ScreenshotRequest*; sent, so the request outlives the handling.
inline constexpr platform::MessageId kScreenshot = platform::msg::user + 501;
// Answered once every window is painted: what came before it has been handled and drawn.
inline constexpr platform::MessageId kSettle = platform::msg::user + 502;
}  // namespace host_message

struct ScreenshotRequest {
    std::string path;
    std::string error;  // empty when the file was written
};

// The host's data: the main window, whose tree (with any dialog over it) is painted before a
// screenshot is taken.
struct ProgramHostState {
    platform::Window main;
};

const platform::WindowClass& program_host_class();

}  // namespace zel
