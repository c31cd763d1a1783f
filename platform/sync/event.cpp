#include "platform/sync/event.h"

#include <chrono>

namespace zel::platform {

void ManualResetEvent::set() {
    {
        std::lock_guard lock(m_mutex);
        m_set = true;
    }
    m_changed.notify_all();
}

void ManualResetEvent::reset() {
    std::lock_guard lock(m_mutex);
    m_set = false;
}

bool ManualResetEvent::is_set() const {
    std::lock_guard lock(m_mutex);
    return m_set;
}

bool ManualResetEvent::wait_for(unsigned timeout_ms) const {
    std::unique_lock lock(m_mutex);
    return m_changed.wait_for(lock, std::chrono::milliseconds(timeout_ms), [this] { return m_set; });
}

}  // namespace zel::platform
