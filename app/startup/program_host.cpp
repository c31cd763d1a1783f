#include "app/startup/program_host.h"

#include <array>

#include "platform/ui/screen.h"
#include "platform/ui/window_system.h"

namespace zel {

namespace {

using platform::LParam;
using platform::LResult;
using platform::MessageId;
using platform::WParam;
using platform::Window;

LResult reset_idle_timer(Window host, MessageId, WParam, LParam) {
    if (platform::Screen* screen = platform::Screen::of(host)) screen->display().keep_awake();
    return 0;
}

constexpr std::array<platform::MessageEntry, 1> kHostTable{{
    {host_message::kResetIdleTimer, reset_idle_timer},
}};

constexpr platform::WindowClass kHostClass{kProgramHostClassName, kHostTable};

}  // namespace

const platform::WindowClass& program_host_class() { return kHostClass; }

}  // namespace zel
