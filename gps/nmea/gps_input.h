#pragma once

// The GPS input of the logging window: what the GPS sentence handler keeps between sentences,
// and the hand-over from the total-station reader.

#include <array>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <optional>
#include <thread>

#include "app/run/sentence_ring.h"
#include "gps/nmea/nmea_framer.h"
#include "gps/nmea/sentence_decision.h"
#include "gps/nmea/total_station_framer.h"
#include "platform/clock/clock.h"

namespace zel {

// A total-station position with the tick of the block it came from.
struct TimedGridPosition {
    GridPosition position;
    platform::Tick tick = 0;
};

// Positions from the total-station reader to the window thread, one per posted message. The
// northing and easting travel together under one short lock, so the window thread never reads a
// pair half old and half new, and a position that arrives before the last was handled waits for
// its own message instead of replacing it.
class GridPositionQueue {
public:
    static constexpr std::size_t kSlots = 64;

    // Reader side; false when full.
    bool try_push(const TimedGridPosition& p);
    // Reader side: waits for room rather than drop a position, until told to stop.
    template <typename StopPredicate>
    bool push(const TimedGridPosition& p, StopPredicate should_stop);
    // Window side: the oldest position.
    std::optional<TimedGridPosition> pop();
    std::size_t waiting() const;
    void clear();

private:
    mutable std::mutex m_mutex;
    std::array<TimedGridPosition, kSlots> m_slots{};
    std::size_t m_head = 0;  // next slot to read
    std::size_t m_count = 0;
};

// Finished total-station blocks on their way to the data file; the reader sends each, so one
// slot would do, and a few spare keep a slow window thread from holding it up.
using TotalStationBlockRing = SentenceRing<kTotalStationBlockSize, 4>;

struct GpsInput {
    // Window thread only.
    GpsHandlerState handler;              // kept across logging runs
    std::int32_t record_counter = 0;      // fix sentences written during a logging run; the run end resets it
    platform::Tick logging_start_tick = 0;  // set when logging starts: older sentences are not recorded
    NmeaSentence sentence;                // the sentence being handled; the fix and DOP handlers read it

    // From the total-station reader.
    TotalStationBlockRing blocks;
    GridPositionQueue positions;

    // Run start, before a GPS reader exists: forget what an earlier run left behind.
    void reset_for_run() {
        blocks.clear();
        positions.clear();
    }
};

template <typename StopPredicate>
bool GridPositionQueue::push(const TimedGridPosition& p, StopPredicate should_stop) {
    while (!try_push(p)) {
        if (should_stop()) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

}  // namespace zel
