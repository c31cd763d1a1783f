#pragma once

#include <cstdint>

#include "platform/clock/clock.h"

namespace zel {

// What the GRAD601 reading handler keeps between readings; all on the window thread.
struct ReadingCounters {
    // Readings written to the current data file; the first one of a file carries 1.
    std::int32_t reading_counter = 0;
    // Recorded readings since the last beep, and readings per beep (13 in Auto; the logging
    // start sets 5 in Wheel and 1 in Manual).
    int beep_counter = 0;
    int beep_interval = 13;
    // Clear: the next recorded reading lies at the current station itself. The new-station entry
    // and the survey setup clear it; a new line does not, so a line's first reading lies one
    // increment beyond its start station.
    bool station_started = false;
    platform::Tick last_battery_refresh = 0;

    // Run start and run end: the counters begin again; the station flag is left alone.
    void reset_for_run() {
        reading_counter = 0;
        beep_counter = 0;
    }
};

}  // namespace zel
