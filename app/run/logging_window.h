#pragma once

#include "platform/ui/window_class.h"

namespace zel {

inline constexpr const char* kLoggingWndClassName = "LoggingWnd";

// The logging window's class: one constant table of nineteen {message, handler} pairs searched
// in order, the device messages among them. Its window carries the AppState as its data.
const platform::WindowClass& logging_window_class();

// The handlers the table names. Each lives with the subsystem that owns its work.
namespace logging_handler {
platform::LResult create(platform::Window w, platform::MessageId m, platform::WParam wp, platform::LParam lp);
platform::LResult paint(platform::Window w, platform::MessageId m, platform::WParam wp, platform::LParam lp);
platform::LResult run_timer(platform::Window w, platform::MessageId m, platform::WParam wp, platform::LParam lp);
platform::LResult command(platform::Window w, platform::MessageId m, platform::WParam wp, platform::LParam lp);
platform::LResult size(platform::Window w, platform::MessageId m, platform::WParam wp, platform::LParam lp);
platform::LResult em61mk2_sentence(platform::Window w, platform::MessageId m, platform::WParam wp, platform::LParam lp);
platform::LResult em61_sentence(platform::Window w, platform::MessageId m, platform::WParam wp, platform::LParam lp);
platform::LResult em_family_sentence(platform::Window w, platform::MessageId m, platform::WParam wp, platform::LParam lp);
platform::LResult g823_sentence(platform::Window w, platform::MessageId m, platform::WParam wp, platform::LParam lp);
platform::LResult grad601_sentence(platform::Window w, platform::MessageId m, platform::WParam wp, platform::LParam lp);
platform::LResult em38mk2_sentence(platform::Window w, platform::MessageId m, platform::WParam wp, platform::LParam lp);
platform::LResult gps_position(platform::Window w, platform::MessageId m, platform::WParam wp, platform::LParam lp);
platform::LResult gps_event(platform::Window w, platform::MessageId m, platform::WParam wp, platform::LParam lp);
platform::LResult gps_sentence(platform::Window w, platform::MessageId m, platform::WParam wp, platform::LParam lp);
platform::LResult alt_gps_sentence(platform::Window w, platform::MessageId m, platform::WParam wp, platform::LParam lp);
platform::LResult ferex_frame(platform::Window w, platform::MessageId m, platform::WParam wp, platform::LParam lp);
platform::LResult f3_sentence(platform::Window w, platform::MessageId m, platform::WParam wp, platform::LParam lp);
platform::LResult key_up(platform::Window w, platform::MessageId m, platform::WParam wp, platform::LParam lp);
}  // namespace logging_handler

}  // namespace zel
