#include "gps/nmea/gps_input.h"

namespace zel {

bool GridPositionQueue::try_push(const TimedGridPosition& p) {
    std::lock_guard lock(m_mutex);
    if (m_count == kSlots) return false;
    m_slots[(m_head + m_count) % kSlots] = p;
    ++m_count;
    return true;
}

std::optional<TimedGridPosition> GridPositionQueue::pop() {
    std::lock_guard lock(m_mutex);
    if (m_count == 0) return std::nullopt;
    const TimedGridPosition p = m_slots[m_head];
    m_head = (m_head + 1) % kSlots;
    --m_count;
    return p;
}

std::size_t GridPositionQueue::waiting() const {
    std::lock_guard lock(m_mutex);
    return m_count;
}

void GridPositionQueue::clear() {
    std::lock_guard lock(m_mutex);
    m_count = 0;
}

}  // namespace zel
