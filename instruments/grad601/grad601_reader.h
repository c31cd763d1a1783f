#pragma once

// The GRAD601's reader thread and, in simulation builds, the simulator that takes its place.
// Both hand each sentence over through the instrument ring and post the GRAD601 sentence message
// to the logging window; the reader never waits for the window thread, and every posted message
// finds its own sentence on the ring.

#include <array>
#include <atomic>
#include <cstdint>
#include <random>

#include "app/run/run_objects.h"
#include "instruments/grad601/grad601_framer.h"
#include "platform/clock/clock.h"
#include "platform/serial/serial_port.h"
#include "platform/ui/window.h"
#include "serial/reader/reader_thread.h"

namespace zel {

class Grad601Reader {
public:
    Grad601Reader(RunObjects& run, const platform::Clock& clock, platform::Window logging_window)
        : m_run(run), m_clock(clock), m_window(logging_window) {}

    // Run start, with the port open. The number of sensors is read once, here. False while a
    // reader started earlier still runs.
    bool start(platform::SerialPort& port, SensorCount sensors);
    // Run end, after the port was closed: the reader has left or leaves at once.
    void join() { m_thread.join(); }
    bool running() const { return m_thread.running(); }

private:
    void read(platform::SerialPort& port, SensorCount sensors);

    RunObjects& m_run;
    const platform::Clock& m_clock;
    platform::Window m_window;
    ReaderThread m_thread;
};

// "$PBAR,%4d,%4d" from two random numbers 0..32767, computed in single precision as the
// instrument's simulation always has been: sensor 1 spans 1100..1800, sensor 2 1200..3600.
inline constexpr std::size_t kSimulatedSentenceLength = 15;
std::array<char, kSimulatedSentenceLength + 1> simulated_grad601_sentence(int random1, int random2);

class Grad601Simulator {
public:
    static constexpr int kPeriodMs = 75;

    Grad601Simulator(RunObjects& run, const platform::Clock& clock, platform::Window logging_window,
                     std::uint32_t seed = std::random_device{}())
        : m_run(run), m_clock(clock), m_window(logging_window), m_random(seed) {}
    ~Grad601Simulator() { stop(); }

    // Run start; false while it already runs.
    bool start();
    // Run end: the simulator stops within one period.
    void stop();
    bool running() const { return m_thread.running(); }

private:
    void simulate();
    int next_random() { return m_range(m_random); }

    RunObjects& m_run;
    const platform::Clock& m_clock;
    platform::Window m_window;
    std::minstd_rand m_random;
    std::uniform_int_distribution<int> m_range{0, 32767};
    std::atomic<bool> m_keep_running{false};
    ReaderThread m_thread;
};

}  // namespace zel
