#include "platform/clock/clock.h"

#include <ctime>
#include <sys/time.h>

namespace zel::platform {

SystemClock::SystemClock() : m_start(std::chrono::steady_clock::now()) {}

Tick SystemClock::tick() const {
    auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - m_start);
    return static_cast<Tick>(static_cast<std::uint64_t>(ms.count()));
}

LocalTime SystemClock::local_time() const {
    timeval tv{};
    gettimeofday(&tv, nullptr);
    std::tm tm{};
    localtime_r(&tv.tv_sec, &tm);
    return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec,
            static_cast<int>(tv.tv_usec / 1000)};
}

ManualClock::ManualClock(Tick start, LocalTime time) : m_tick(start), m_start(start), m_time(time) {}

// Local time advances with the tick, so records written later carry later times.
LocalTime ManualClock::local_time() const {
    std::tm tm{};
    tm.tm_year = m_time.year - 1900;
    tm.tm_mon = m_time.month - 1;
    tm.tm_mday = m_time.day;
    tm.tm_hour = m_time.hour;
    tm.tm_min = m_time.minute;
    tm.tm_sec = m_time.second;
    std::uint64_t ms = m_time.millisecond + static_cast<Tick>(m_tick.load() - m_start);
    tm.tm_sec += static_cast<int>(ms / 1000);
    std::time_t t = timegm(&tm);
    gmtime_r(&t, &tm);
    return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec,
            static_cast<int>(ms % 1000)};
}

}  // namespace zel::platform
