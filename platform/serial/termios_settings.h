#pragma once

#include <termios.h>

#include "platform/serial/serial_config.h"

namespace zel::platform {

// Sets a terminal to pass every byte through untouched.
void make_raw(termios& t);
// Raw mode plus the given line fields; absent fields keep their value.
void apply_line_settings(termios& t, const LineSettings& settings);

}  // namespace zel::platform
