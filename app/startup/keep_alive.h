#pragma once

// The keep-alive thread: while the program runs it keeps the device from idling into sleep by
// resetting the idle timer about once a minute.

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

namespace zel {

inline constexpr std::chrono::milliseconds kKeepAlivePeriod{59000};

class KeepAlive {
public:
    KeepAlive() = default;
    ~KeepAlive();
    KeepAlive(const KeepAlive&) = delete;
    KeepAlive& operator=(const KeepAlive&) = delete;

    // Sets the flag and starts the thread, which calls reset_idle_timer at once and then every
    // period. The call comes from the keep-alive thread; it must be safe there (post a message).
    void start(std::function<void()> reset_idle_timer, std::chrono::milliseconds period = kKeepAlivePeriod);
    // Clears the flag; the thread ends at its next look, which the clearing brings forward, so a
    // program end never waits out the period.
    void stop();
    bool active() const { return m_flag.load() > 0; }

private:
    void loop(std::function<void()> reset_idle_timer, std::chrono::milliseconds period);

    std::atomic<int> m_flag{0};
    std::mutex m_mutex;
    std::condition_variable m_cleared;
    std::thread m_thread;
};

}  // namespace zel
