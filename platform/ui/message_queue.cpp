#include "platform/ui/message_queue.h"

#include <algorithm>

namespace zel::platform {

LResult MessageQueue::send_and_wait(WindowId target, MessageId message, WParam wparam, LParam lparam) {
    SentMessage sent{target, message, wparam, lparam};
    std::unique_lock lock(m_mutex);
    if (m_closed) return 0;
    m_sent.push_back(&sent);
    m_arrived.notify_one();
    m_replied.wait(lock, [&] { return sent.done; });
    return sent.result;
}

bool MessageQueue::post(const PostedMessage& message) {
    {
        std::lock_guard lock(m_mutex);
        if (m_closed) return false;
        m_posted.push_back(message);
    }
    m_arrived.notify_one();
    return true;
}

SentMessage* MessageQueue::take_sent() {
    std::lock_guard lock(m_mutex);
    if (m_sent.empty()) return nullptr;
    SentMessage* sent = m_sent.front();
    m_sent.pop_front();
    return sent;
}

void MessageQueue::complete(SentMessage* sent, LResult result) {
    std::lock_guard lock(m_mutex);
    release(sent, result);
}

// Called with the mutex held. Every sender waits on the same condition and checks its own flag.
void MessageQueue::release(SentMessage* sent, LResult result) {
    sent->result = result;
    sent->done = true;
    m_replied.notify_all();
}

std::optional<PostedMessage> MessageQueue::take_posted() {
    std::lock_guard lock(m_mutex);
    if (m_posted.empty()) return std::nullopt;
    PostedMessage message = m_posted.front();
    m_posted.pop_front();
    return message;
}

void MessageQueue::drop_window(WindowId window) {
    std::lock_guard lock(m_mutex);
    std::erase_if(m_sent, [&](SentMessage* sent) {
        if (sent->target != window) return false;
        release(sent, 0);
        return true;
    });
    std::erase_if(m_posted, [&](const PostedMessage& p) {
        return p.delivery == Delivery::ToWindow && p.target == window;
    });
}

bool MessageQueue::has_wanted(Wanted wanted) const {
    return !m_sent.empty() || (wanted == Wanted::Anything && (!m_posted.empty() || m_quit));
}

void MessageQueue::wait(Wanted wanted, std::optional<std::chrono::milliseconds> timeout) {
    std::unique_lock lock(m_mutex);
    auto ready = [&] { return m_woken || has_wanted(wanted); };
    if (timeout) {
        m_arrived.wait_for(lock, *timeout, ready);
    } else {
        m_arrived.wait(lock, ready);
    }
    m_woken = false;
}

void MessageQueue::wake() {
    {
        std::lock_guard lock(m_mutex);
        m_woken = true;
    }
    m_arrived.notify_one();
}

std::pair<std::size_t, std::size_t> MessageQueue::depth() const {
    std::lock_guard lock(m_mutex);
    return {m_sent.size(), m_posted.size()};
}

void MessageQueue::request_quit(int exit_code) {
    {
        std::lock_guard lock(m_mutex);
        if (!m_quit) m_exit_code = exit_code;
        m_quit = true;
    }
    m_arrived.notify_one();
}

bool MessageQueue::quit_requested() const {
    std::lock_guard lock(m_mutex);
    return m_quit;
}

int MessageQueue::exit_code() const {
    std::lock_guard lock(m_mutex);
    return m_exit_code;
}

void MessageQueue::close() {
    std::lock_guard lock(m_mutex);
    m_closed = true;
    for (SentMessage* sent : m_sent) release(sent, 0);
    m_sent.clear();
    m_posted.clear();
}

bool MessageQueue::closed() const {
    std::lock_guard lock(m_mutex);
    return m_closed;
}

void MessageQueue::reopen() {
    std::lock_guard lock(m_mutex);
    m_closed = false;
    m_quit = false;
    m_exit_code = 0;
}

}  // namespace zel::platform
