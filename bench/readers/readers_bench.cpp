// Sustained framing rate of the GRAD601 and NMEA readers: a writer thread plays the device on a
// pseudo-terminal as fast as the port takes it, the window thread handles every hand-over, and
// an iteration ends only when every sentence written has been handled once, so nothing lost is
// counted as done.
#include <benchmark/benchmark.h>

#include <atomic>
#include <chrono>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

#include "app/app_state.h"
#include "app/build_config.h"
#include "app/run/logging_window.h"
#include "app/run/run_state.h"
#include "gps/nmea/nmea_reader.h"
#include "instruments/grad601/grad601_reader.h"
#include "platform/ui/window_system.h"
#include "serial/port/port_config.h"
#include "serial/reader/reader_loop.h"
#include "tests/support/pseudo_terminal.h"

namespace zel {
namespace {

std::atomic<long> g_handled{0};

platform::LResult count_grad601(platform::Window w, platform::MessageId, platform::WParam, platform::LParam) {
    InstrumentRing::Slot slot;
    if (w.data<AppState>()->run.instrument.pop(slot)) g_handled.fetch_add(1);
    return 0;
}

platform::LResult count_gps(platform::Window w, platform::MessageId m, platform::WParam wp, platform::LParam lp) {
    logging_handler::gps_sentence(w, m, wp, lp);
    g_handled.fetch_add(1);
    return 0;
}

constexpr platform::MessageEntry kTable[] = {
    {device_message::Grad601Sentence, count_grad601},
    {device_message::GpsSentence, count_gps},
};
constexpr platform::WindowClass kBenchWnd{"BenchLoggingWnd", kTable};

struct Rig {
    test::PseudoTerminal pty;
    platform::SystemClock clock;
    platform::WindowSystem ui{clock};
    AppState app{kGrad601Build, clock};
    platform::Window window = ui.create({&kBenchWnd, "", {}, {0, 0, 10, 10}, platform::WindowStyle::None, 0,
                                         platform::UserData::borrowed(app)});

    // Writes the batch from another thread and runs the window thread until all of it was handled.
    bool play(const std::string& batch, long sentences) {
        g_handled.store(0);
        std::thread writer([&] { pty.send(batch); });
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
        while (g_handled.load() < sentences && std::chrono::steady_clock::now() < deadline)
            if (ui.pump() == 0) std::this_thread::yield();
        writer.join();
        return g_handled.load() == sentences;
    }
};

std::string repeat_to(const std::string& unit, std::size_t size) {
    std::string out;
    while (out.size() < size) out += unit;
    return out;
}

// The port alone: the common read loop with framing that only counts line feeds. The readers'
// rates are best read against this one on the same machine.
void BM_ReaderLoopThroughPty(benchmark::State& state) {
    Rig rig;
    rig.app.ports.open(PortRole::Gps, rig.pty.path(), gps_port_config({}));
    std::thread reader([&] {
        run_reader_loop(rig.app.ports.port(PortRole::Gps), ReaderStart::Keep, [](std::uint8_t b) {
            if (b == '\n') g_handled.fetch_add(1, std::memory_order_relaxed);
        });
    });
    const std::string sentence = "$PBAR,1234.5,-567.8\r\n";
    const std::string batch = repeat_to(sentence, 256 * 1024);
    const long lines = static_cast<long>(batch.size() / sentence.size());
    for (auto _ : state) {
        if (!rig.play(batch, lines)) state.SkipWithError("bytes were lost");
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * batch.size()));
    rig.app.ports.close(PortRole::Gps);
    reader.join();
}
BENCHMARK(BM_ReaderLoopThroughPty)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

void BM_Grad601ReaderThroughPty(benchmark::State& state) {
    Rig rig;
    rig.app.ports.open(PortRole::Instrument, rig.pty.path(),
                       instrument_port_config(kGrad601Build, InstrumentPortKind::Standard, 0));
    Grad601Reader reader{rig.app.run, rig.clock, rig.window};
    reader.start(rig.app.ports.port(PortRole::Instrument), SensorCount::Two);
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    const std::string sentence = "$PBAR,1234.5,-567.8\r\n";
    const std::string batch = repeat_to(sentence, 256 * 1024);
    const long sentences = static_cast<long>(batch.size() / sentence.size());
    for (auto _ : state) {
        if (!rig.play(batch, sentences)) state.SkipWithError("sentences were lost");
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * batch.size()));
    rig.app.ports.close(PortRole::Instrument);
    reader.join();
}
BENCHMARK(BM_Grad601ReaderThroughPty)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

void BM_NmeaReaderThroughPty(benchmark::State& state) {
    Rig rig;
    rig.app.ports.open(PortRole::Gps, rig.pty.path(), gps_port_config({}));
    GpsReaderThread reader{rig.app.run, rig.app.gps, rig.clock, rig.window};
    reader.start(rig.app.ports.port(PortRole::Gps), GpsReader::Nmea);
    std::ifstream in(std::string(ZEL_TESTDATA_DIR) + "/nmea/ublox-zed-f9p-nmea.log", std::ios::binary);
    std::string capture, line;
    long per_capture = 0;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] != '$') continue;
        capture += line + "\n";
        ++per_capture;
    }
    const std::size_t copies = (256 * 1024) / capture.size() + 1;
    const std::string batch = repeat_to(capture, copies * capture.size());
    const long sentences = per_capture * static_cast<long>(copies);
    for (auto _ : state) {
        if (!rig.play(batch, sentences)) state.SkipWithError("sentences were lost");
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * batch.size()));
    reader.end(rig.app.ports.port(PortRole::Gps), rig.ui);
}
BENCHMARK(BM_NmeaReaderThroughPty)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

}  // namespace
}  // namespace zel

BENCHMARK_MAIN();
