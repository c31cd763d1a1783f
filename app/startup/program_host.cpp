#include "app/startup/program_host.h"

#include <array>

#include "platform/gfx/png.h"
#include "platform/ui/screen.h"
#include "platform/ui/window_system.h"

namespace zel {

namespace {

using platform::LParam;
using platform::LResult;
using platform::MessageId;
using platform::WParam;
using platform::Window;

// Paints what is invalid now, dialogs above the main window included, so that a message that
// overtook the paints still sees the screen as the operator would.
void paint_pending(Window host) {
    ProgramHostState* st = host.data<ProgramHostState>();
    if (st != nullptr) st->main.update();
    if (host.system() != nullptr) host.system()->find("Dialog").update();
}

LResult reset_idle_timer(Window host, MessageId, WParam, LParam) {
    if (platform::Screen* screen = platform::Screen::of(host)) screen->display().keep_awake();
    return 0;
}

LResult screenshot(Window host, MessageId, WParam, LParam lp) {
    auto* request = reinterpret_cast<ScreenshotRequest*>(lp);
    platform::Screen* screen = platform::Screen::of(host);
    if (request == nullptr || screen == nullptr) return 0;
    paint_pending(host);
    request->error = platform::write_png(request->path, screen->framebuffer());
    return 1;
}

LResult settle(Window host, MessageId, WParam, LParam) {
    paint_pending(host);
    return 1;
}

constexpr std::array<platform::MessageEntry, 3> kHostTable{{
    {host_message::kResetIdleTimer, reset_idle_timer},
    {host_message::kScreenshot, screenshot},
    {host_message::kSettle, settle},
}};

constexpr platform::WindowClass kHostClass{kProgramHostClassName, kHostTable};

}  // namespace

const platform::WindowClass& program_host_class() { return kHostClass; }

}  // namespace zel
