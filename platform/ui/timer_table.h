#pragma once

#include "platform/clock/clock.h"
#include "platform/ui/window.h"

#include <optional>
#include <vector>

namespace zel::platform {

struct Timer {
    WindowId window = kNoWindow;
    TimerId id = 0;
    Tick interval = 0;
    Tick started = 0;  // when it was set or last fired
};

// The window timers, measured in ticks of the injected clock. A timer that is late fires once,
// not once per missed interval, and its next interval counts from that firing; ticks are
// compared by unsigned difference, so the 32-bit wrap does not disturb them.
class TimerTable {
public:
    // Setting an existing timer restarts it with the new interval.
    void set(WindowId window, TimerId id, Tick interval, Tick now);
    bool kill(WindowId window, TimerId id);
    void kill_all(WindowId window);

    // The most overdue timer, restarted at now; nothing when none is due.
    std::optional<Timer> take_due(Tick now);
    // Milliseconds until the next timer is due (0 when one is due); nothing without timers.
    std::optional<Tick> time_to_next(Tick now) const;

private:
    std::vector<Timer> m_timers;
};

}  // namespace zel::platform
