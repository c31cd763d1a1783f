#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/gfx/geometry.h"

namespace zel::platform {

// "--port COMn=PATH": the device behind the system's port "COMn:".
struct PortMapping {
    int number = 0;  // 1..18
    std::string path;
    friend bool operator==(const PortMapping&, const PortMapping&) = default;
};

enum class DisplayChoice { Screen, Headless };

struct CommandLine {
    std::optional<std::string> root;
    Size screen{240, 320};  // the client area the program measures at start
    int zoom = 1;
    std::vector<PortMapping> ports;
    DisplayChoice display = DisplayChoice::Screen;
    std::optional<std::string> script;
};

struct CommandLineResult {
    std::optional<CommandLine> command_line;
    std::string error;  // for stderr; the program then exits with code 2
};

inline constexpr Size kSmallestScreen{240, 240};
inline constexpr Size kLargestScreen{4096, 4096};
inline constexpr int kLargestZoom = 8;

// Parses the arguments after the program name:
// [--root DIR] [--screen WxH] [--zoom N] [--port COMn=PATH]... [--headless] [--script FILE]
// Each option also takes the form --option=VALUE.
CommandLineResult parse_command_line(std::span<const std::string_view> args);
CommandLineResult parse_command_line(int argc, const char* const* argv);

std::string usage(std::string_view program);

}  // namespace zel::platform
