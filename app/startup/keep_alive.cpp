#include "app/startup/keep_alive.h"

namespace zel {

KeepAlive::~KeepAlive() { stop(); }

void KeepAlive::start(std::function<void()> reset_idle_timer, std::chrono::milliseconds period) {
    stop();
    m_flag.store(1);
    m_thread = std::thread([this, reset = std::move(reset_idle_timer), period]() mutable { loop(std::move(reset), period); });
}

void KeepAlive::stop() {
    {
        std::lock_guard lock(m_mutex);
        m_flag.store(0);
    }
    m_cleared.notify_all();
    if (m_thread.joinable()) m_thread.join();
}

void KeepAlive::loop(std::function<void()> reset_idle_timer, std::chrono::milliseconds period) {
    std::unique_lock lock(m_mutex);
    while (m_flag.load() > 0) {
        lock.unlock();
        if (reset_idle_timer) reset_idle_timer();
        lock.lock();
        m_cleared.wait_for(lock, period, [this] { return m_flag.load() <= 0; });
    }
}

}  // namespace zel
