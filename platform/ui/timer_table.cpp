#include "platform/ui/timer_table.h"

#include <algorithm>

namespace zel::platform {

namespace {

// An interval of 0 would fire on every turn of the loop and starve it.
constexpr Tick kShortestInterval = 1;

Tick remaining(const Timer& t, Tick now) {
    Tick elapsed = now - t.started;
    return elapsed >= t.interval ? 0 : t.interval - elapsed;
}

}  // namespace

void TimerTable::set(WindowId window, TimerId id, Tick interval, Tick now) {
    interval = std::max(interval, kShortestInterval);
    for (Timer& t : m_timers) {
        if (t.window == window && t.id == id) {
            t.interval = interval;
            t.started = now;
            return;
        }
    }
    m_timers.push_back({window, id, interval, now});
}

bool TimerTable::kill(WindowId window, TimerId id) {
    return std::erase_if(m_timers, [&](const Timer& t) { return t.window == window && t.id == id; }) > 0;
}

void TimerTable::kill_all(WindowId window) {
    std::erase_if(m_timers, [&](const Timer& t) { return t.window == window; });
}

std::optional<Timer> TimerTable::take_due(Tick now) {
    Timer* due = nullptr;
    Tick most_late = 0;
    for (Timer& t : m_timers) {
        Tick elapsed = now - t.started;
        if (elapsed < t.interval) continue;
        Tick late = elapsed - t.interval;
        if (due == nullptr || late > most_late) {
            due = &t;
            most_late = late;
        }
    }
    if (due == nullptr) return std::nullopt;
    due->started = now;
    return *due;
}

std::optional<Tick> TimerTable::time_to_next(Tick now) const {
    std::optional<Tick> next;
    for (const Timer& t : m_timers) {
        Tick r = remaining(t, now);
        if (!next || r < *next) next = r;
    }
    return next;
}

}  // namespace zel::platform
