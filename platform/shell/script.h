#pragma once

#include <chrono>
#include <string>
#include <string_view>
#include <vector>

#include "platform/backend/key_codes.h"
#include "platform/gfx/geometry.h"

namespace zel::platform {

enum class StepKind {
    Key,         // press and release `keys[0]`
    Type,        // press and release each of `keys`, one per character of `text`
    Tap,         // touch down and up at `position` (screen pixels)
    Wait,        // let the program run for `duration` of real time
    Screenshot,  // write the screen as PNG to `path`
    Quit,        // end the program as the main window's exit does
};

struct ScriptStep {
    StepKind kind = StepKind::Quit;
    int line = 0;  // in the script file, for messages
    std::vector<KeyStroke> keys;
    std::string text;
    Point position;
    std::chrono::milliseconds duration{0};
    std::string path;
};

struct Script {
    std::vector<ScriptStep> steps;
    std::string error;  // "script line N: ..." when a line is bad; no steps then
};

inline constexpr std::chrono::milliseconds kLongestWait{3'600'000};

// One command a line; blank lines and lines starting with # are skipped:
//   key Enter | key a   type N 12.5   tap 120 200   wait 500   screenshot shot.png   quit
Script parse_script(std::string_view text);
Script load_script(const std::string& path);

}  // namespace zel::platform
