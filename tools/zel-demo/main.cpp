// zel-demo [--headless] [--script FILE] [--screen WxH] [--zoom N]
//
// Shows every control kind and opens each dialog kind, under SDL2 or headless; with a script
// it plays the script and ends with it, as the system's builds do.

#include <cstdio>
#include <memory>
#include <string>

#include "platform/backend/headless/headless_display.h"
#include "platform/backend/sdl/sdl_display.h"
#include "platform/clock/clock.h"
#include "platform/shell/command_line.h"
#include "platform/shell/script_runner.h"
#include "platform/ui/screen.h"
#include "platform/ui/soft_keyboard.h"
#include "tools/zel-demo/demo_window.h"

namespace {

using namespace zel::platform;

constexpr int kBadUsage = 2;
constexpr int kFailure = 1;

int fail(const std::string& message, int code) {
    std::fprintf(stderr, "zel-demo: %s\n", message.c_str());
    return code;
}

std::unique_ptr<Display> open_display(const CommandLine& options, std::string& error) {
    if (options.display == DisplayChoice::Headless) return std::make_unique<HeadlessDisplay>(options.screen);
    return SdlDisplay::open(options.screen, options.zoom, error);
}

}  // namespace

int main(int argc, char** argv) {
    CommandLineResult parsed = parse_command_line(argc, argv);
    if (!parsed.command_line) return fail(parsed.error + "\n" + usage("zel-demo"), kBadUsage);
    const CommandLine& options = *parsed.command_line;
    if (options.root || !options.ports.empty()) {
        return fail("takes only --headless, --script, --screen and --zoom", kBadUsage);
    }
    std::optional<Script> script;
    if (options.script) {
        script = load_script(*options.script);
        if (!script->error.empty()) return fail(*options.script + ": " + script->error, kBadUsage);
    }

    std::string error;
    std::unique_ptr<Display> display = open_display(options, error);
    if (!display) return fail(error, kFailure);
    std::unique_ptr<FontLibrary> fonts = FontLibrary::open(error);
    if (!fonts) return fail(error, kFailure);

    SystemClock clock;
    WindowSystem ui(clock);
    Screen screen(ui, *display, *fonts);
    SoftKeyboard keyboard(screen);
    zel::demo::DemoState state{&keyboard};
    if (zel::demo::create_demo_window(screen, state).is_null()) return fail("cannot create the window", kFailure);

    std::unique_ptr<ScriptRunner> runner;
    if (script) {
        runner = std::make_unique<ScriptRunner>(screen, std::move(*script));
        runner->start();
    }
    int code = ui.run();
    if (runner) {
        for (const std::string& e : runner->errors()) std::fprintf(stderr, "zel-demo: %s\n", e.c_str());
        if (!runner->errors().empty()) return kFailure;
    }
    return code;
}
