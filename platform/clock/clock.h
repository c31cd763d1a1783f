#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>

namespace zel::platform {

// Milliseconds of a monotonic clock since the program started, wrapping like an unsigned 32-bit
// counter after about 49.7 days.
using Tick = std::uint32_t;

struct LocalTime {
    int year = 0;
    int month = 0;  // 1..12
    int day = 0;    // 1..31
    int hour = 0;   // 0..23
    int minute = 0;
    int second = 0;
    int millisecond = 0;
};

// The source of ticks and wall-clock time. Injected, so tests move time themselves.
class Clock {
public:
    virtual ~Clock() = default;
    virtual Tick tick() const = 0;
    virtual LocalTime local_time() const = 0;
};

class SystemClock final : public Clock {
public:
    SystemClock();
    Tick tick() const override;
    LocalTime local_time() const override;

private:
    std::chrono::steady_clock::time_point m_start;
};

// A clock that stands still until a test moves it.
class ManualClock final : public Clock {
public:
    explicit ManualClock(Tick start = 0, LocalTime time = {2026, 12, 11, 9, 30, 0, 0});
    Tick tick() const override { return m_tick.load(); }
    LocalTime local_time() const override;
    void set_tick(Tick t) { m_tick.store(t); }
    void advance(Tick ms) { m_tick.fetch_add(ms); }

private:
    std::atomic<Tick> m_tick;
    Tick m_start;
    LocalTime m_time;
};

}  // namespace zel::platform
