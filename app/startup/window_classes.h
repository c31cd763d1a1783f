#pragma once

// The window classes the program registers at start, found again by name when windows are
// created. Registration refuses a nameless class and a second class of a name already taken.

#include "platform/ui/window_class.h"

#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace zel {

class WindowClassRegistry {
public:
    bool add(const platform::WindowClass& window_class);
    const platform::WindowClass* find(std::string_view name) const;

private:
    std::vector<const platform::WindowClass*> m_classes;
};

// The program's exit codes when its start fails.
namespace exit_code {
inline constexpr int kAlreadyRunning = -1;
inline constexpr int kMainClassFailed = 1;
inline constexpr int kOtherClassFailed = 2;
inline constexpr int kBadCommandLine = 2;
inline constexpr int kNoMainWindow = 16;
}  // namespace exit_code

// Registers the classes in order, the main window's first; on a failure the exit code that
// ends the program (the main class's own, or the one for any other class).
std::optional<int> register_window_classes(WindowClassRegistry& registry,
                                           std::span<const platform::WindowClass* const> classes);

// The classes of this program in registration order: the main window, then the logging window.
// The GPS monitor, map options, logging children and profile options classes join as they land.
std::span<const platform::WindowClass* const> program_window_classes();

}  // namespace zel
