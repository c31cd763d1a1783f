#pragma once

#include <condition_variable>
#include <mutex>

namespace zel::platform {

// A manual-reset event: once set it stays set, releasing every waiter, until reset.
class ManualResetEvent {
public:
    void set();
    void reset();
    bool is_set() const;
    // Waits until set or until timeout_ms pass; returns whether the event was set.
    bool wait_for(unsigned timeout_ms) const;

private:
    mutable std::mutex m_mutex;
    mutable std::condition_variable m_changed;
    bool m_set = false;
};

}  // namespace zel::platform
