#pragma once

#include <atomic>
#include <memory>
#include <thread>
#include <utility>

namespace zel {

// The thread of one reader. A reader ends by itself when its port is closed, so the window
// thread closes the port first and then joins, which returns at once. A reader that has ended
// may be started again (the reconnect of a run reopens the port and starts a new one); one that
// still runs is never doubled.
class ReaderThread {
public:
    ReaderThread() = default;
    ~ReaderThread() { join(); }
    ReaderThread(const ReaderThread&) = delete;
    ReaderThread& operator=(const ReaderThread&) = delete;

    template <typename Body>
    bool start(Body body) {
        if (running()) return false;
        join();
        // The flag outlives this object, so a thread given up on may still clear it.
        m_running = std::make_shared<std::atomic<bool>>(true);
        m_thread = std::thread([running = m_running, body = std::move(body)]() mutable {
            body();
            running->store(false);
        });
        return true;
    }

    bool running() const { return m_running && m_running->load(); }

    void join() {
        if (m_thread.joinable()) m_thread.join();
    }

    // Gives up on a thread that did not end in time; the run goes on without it.
    void abandon() {
        if (m_thread.joinable()) m_thread.detach();
        m_running.reset();
    }

private:
    std::shared_ptr<std::atomic<bool>> m_running;
    std::thread m_thread;
};

}  // namespace zel
