#pragma once

// What a logging run starts for the instrument: reader threads and how they hand over, the
// device message, the run timer interval and the instrument port speed.

#include "app/build_config.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace zel {

enum class ReaderThread {
    Ferex,
    Grad601,
    Grad601Simulator,
    G823,
    Em61,
    Em61Second,
    Em61Mk2Triggered,
    Em61Mk2FreeRunning,
    Em61Mk2Second,
    MineLabF3,
    EmFamily,
    AltEm38,
    Em38Mk2,
    ExternalMarker,
};

// A sent message holds the reader until the logging window has handled it; after a posted one
// the reader reads on at once.
enum class Delivery { Sent, Posted };

enum class ThreadStart { Running, Suspended };

// The EM61-MK2 start handshake answers "OK" (triggered mode) or "OV" (free-running mode).
enum class Em61Mk2Mode { Triggered, FreeRunning };

enum class MarkerPort { None, Separate };

// What a run start knows beyond the build when it picks the threads and the timer.
struct RunVariant {
    int em61mk2_type = 0;
    Em61Mk2Mode em61mk2_mode = Em61Mk2Mode::Triggered;
    MarkerPort marker_port = MarkerPort::None;  // EM38-MK2: a marker port apart from the instrument's
};

struct ReaderStart {
    ReaderThread thread;
    ThreadStart start;

    bool operator==(const ReaderStart&) const = default;
};

// Empty for a type that starts no run (type 6).
std::vector<ReaderStart> instrument_readers(const BuildConfig& build, const RunVariant& run);
// How a reader hands a sentence over; the external-marker thread only publishes a status.
std::optional<Delivery> delivery(ReaderThread thread);
// The device message the instrument readers deliver (the GPS messages are the same for every type).
std::optional<std::uint32_t> instrument_message(const BuildConfig& build, int em61mk2_type);
// Empty when no run timer is started (the GRAD601 simulator, type 6).
std::optional<int> run_timer_interval_ms(const BuildConfig& build, const RunVariant& run);
// Empty where the port keeps the speed its driver has. The G823 speed comes from its setting
// (index 0..9); an index outside it leaves the speed alone too.
std::optional<int> instrument_port_speed(const BuildConfig& build, int g823_baud_index);

}  // namespace zel
