#pragma once

// What the nine main buttons do. The run start and the setup and options windows join here as
// they are built; until then their buttons say so in a message box and change nothing.

#include "app/startup/main_window.h"

namespace zel {

inline constexpr const char* kNotAvailableText = "Not available yet in this version.";

void run_main_action(platform::Window main_window, MainWindowState& state, MainAction action);

// The button's text as a caption: its mnemonic marker removed.
std::string caption_of(std::string_view button_text);

}  // namespace zel
