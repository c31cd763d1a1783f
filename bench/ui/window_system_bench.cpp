#include "platform/clock/clock.h"
#include "platform/ui/window_system.h"

#include <benchmark/benchmark.h>

#include <latch>
#include <thread>

namespace zel::platform {
namespace {

LResult count(Window w, MessageId, WParam, LParam) { return ++*w.data<long>(); }

constexpr MessageEntry kTable[] = {
    {msg::create, count}, {msg::paint, count}, {msg::timer, count}, {msg::command, count},
    {msg::size, count},   {msg::user + 10, count}, {msg::user + 13, count}, {msg::user + 18, count},
};
constexpr WindowClass kClass{"LoggingWnd", kTable};

// A window tree of the size the logging screen has: main window, logging window with its
// profile, bars and speed bar, and nine buttons, so the loop's paint search has real work.
struct Screen {
    explicit Screen(WindowSystem& ui) {
        auto make = [&](Window parent, Rect r) {
            return ui.create({.window_class = &kClass, .parent = parent, .rect = r, .style = WindowStyle::Visible,
                              .data = UserData::borrowed(handled)});
        };
        Window main = make({}, {0, 0, 240, 320});
        for (int i = 0; i < 9; ++i) make(main, Rect::from_size(101, 56 + 27 * i, 130, 26));
        logging = make(main, {0, 0, 240, 320});
        for (int i = 0; i < 4; ++i) make(logging, Rect::from_size(0, 40 + 60 * i, 240, 60));
        ui.pump();
    }
    long handled = 0;
    Window logging;
};

// One posted device message handled by the loop, as a reader's post costs the window thread.
void BM_PostAndDispatch(benchmark::State& state) {
    ManualClock clock;
    WindowSystem ui(clock);
    Screen screen(ui);
    screen.logging.set_timer(1, 70);
    for (auto _ : state) {
        screen.logging.post(msg::user + 18);
        ui.pump();
    }
    benchmark::DoNotOptimize(screen.handled);
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_PostAndDispatch);

// A send from a reader thread to the running loop and back, as a reader waits for its handler.
void BM_CrossThreadSend(benchmark::State& state) {
    SystemClock clock;
    WindowSystem ui(clock);
    Screen screen(ui);
    std::latch adopted(1);
    std::thread window_thread([&] {
        ui.adopt_current_thread();
        adopted.count_down();
        ui.run();
    });
    adopted.wait();  // until then this thread would count as the window thread
    for (auto _ : state) benchmark::DoNotOptimize(screen.logging.send(msg::user + 10));
    ui.quit(0);
    window_thread.join();
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_CrossThreadSend)->UseRealTime();

}  // namespace
}  // namespace zel::platform

BENCHMARK_MAIN();
