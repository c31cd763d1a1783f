#include "platform/backend/headless/headless_display.h"

#include <numeric>

namespace zel::platform {

void HeadlessDisplay::present(const Framebuffer& framebuffer, const Rect& area) {
    ++m_present_count;
    m_last_presented = area.intersected(framebuffer.bounds());
}

std::optional<DisplayEvent> HeadlessDisplay::poll_event() {
    std::lock_guard lock(m_mutex);
    if (m_events.empty()) return std::nullopt;
    DisplayEvent e = m_events.front();
    m_events.pop_front();
    return e;
}

bool HeadlessDisplay::wait_event(std::chrono::milliseconds timeout) {
    std::unique_lock lock(m_mutex);
    m_changed.wait_for(lock, timeout, [&] { return !m_events.empty() || m_woken; });
    m_woken = false;
    return !m_events.empty();
}

void HeadlessDisplay::wake() {
    {
        std::lock_guard lock(m_mutex);
        m_woken = true;
    }
    m_changed.notify_all();
}

void HeadlessDisplay::inject(const DisplayEvent& event) {
    {
        std::lock_guard lock(m_mutex);
        m_events.push_back(event);
    }
    m_changed.notify_all();
}

void HeadlessDisplay::beep(Beep kind) { ++m_beeps[static_cast<std::size_t>(kind)]; }

int HeadlessDisplay::beep_count() const { return std::accumulate(m_beeps.begin(), m_beeps.end(), 0); }

}  // namespace zel::platform
