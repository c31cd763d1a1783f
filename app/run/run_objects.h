#pragma once

#include <atomic>
#include <cstdint>
#include <string_view>

#include "app/run/run_state.h"
#include "app/run/sentence_ring.h"
#include "platform/clock/clock.h"
#include "platform/sync/event.h"

namespace zel {

inline constexpr std::size_t kInstrumentSentenceSize = 128;
inline constexpr std::size_t kGpsSentenceSize = 152;

using InstrumentRing = SentenceRing<kInstrumentSentenceSize>;
using GpsRing = SentenceRing<kGpsSentenceSize>;

enum class GpsReaderState : std::int32_t { NotStarted = 0, Running = 1, Ended = 2 };

// Which last-data tick a reader stamps at each complete sentence or frame; the connection
// watchdog reads the one its instrument family uses.
enum class LastDataTick { Data, Frame };

// How one instrument reader hands its sentences over.
struct HandOverRule {
    LastDataTick tick = LastDataTick::Data;
    bool resets_no_data = true;  // not the Ferex, F3 or EM61-MK2 second reader
    bool decimates = false;      // EM-family, EM38-MK2 and one EM61-MK2 reader
};

// The objects a logging run shares between its reader threads and the window thread. Scalars are
// atomic 32-bit words; sentences travel through the rings.
struct RunObjects {
    InstrumentRing instrument;
    GpsRing gps;

    std::atomic<platform::Tick> instrument_data_tick{0};
    std::atomic<platform::Tick> instrument_frame_tick{0};
    std::atomic<std::int32_t> no_data_counter{0};
    std::atomic<std::int32_t> decimation_counter{0};
    std::atomic<std::int32_t> decimation_factor{1};
    std::atomic<std::int32_t> g823_ready{0};
    std::atomic<GpsReaderState> gps_reader_state{GpsReaderState::NotStarted};
    platform::ManualResetEvent pacing;

    // Run start, on the window thread before any reader exists.
    void reset_for_run(platform::Tick now);
};

// Run state and the logging-run-active flag; both written only on the window thread.
struct RunStatus {
    RunState state = RunState::Monitor;
    bool active = false;
};

enum class HandOver { Deliver, Decimated, Stopped };

// Reader side of one complete instrument sentence that passed the device's checks: stamps the
// last-data tick, queues the sentence, clears the no-data counter and applies decimation. The
// caller sends or posts its device message when the result is Deliver. should_stop tells a reader
// blocked on a full ring that its port was closed.
template <typename StopPredicate>
HandOver hand_over_instrument(RunObjects& run, const HandOverRule& rule, std::string_view sentence,
                              platform::Tick start_tick, platform::Tick now, StopPredicate should_stop) {
    (rule.tick == LastDataTick::Data ? run.instrument_data_tick : run.instrument_frame_tick).store(now);
    if (rule.resets_no_data) run.no_data_counter.store(0);
    if (rule.decimates) {
        // Only every factor-th sentence reaches the window; the others still prove the link alive.
        const std::int32_t count = run.decimation_counter.load() + 1;
        if (count < run.decimation_factor.load()) {
            run.decimation_counter.store(count);
            return HandOver::Decimated;
        }
        run.decimation_counter.store(0);
    }
    if (!run.instrument.push(sentence, start_tick, should_stop)) return HandOver::Stopped;
    return HandOver::Deliver;
}

}  // namespace zel
