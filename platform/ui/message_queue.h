#pragma once

#include "platform/ui/message.h"
#include "platform/ui/window.h"

#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <optional>
#include <utility>

namespace zel::platform {

// Where a posted entry goes: to a window, or to the input router, which picks the window when
// the entry is handled (focus and position at that moment count, not at the time of queueing).
enum class Delivery { ToWindow, Input };

struct PostedMessage {
    Delivery delivery = Delivery::ToWindow;
    WindowId target = kNoWindow;
    MessageId message = 0;
    WParam wparam = 0;
    LParam lparam = 0;
};

// A message sent from another thread; it lives on the sender's stack until `done`.
struct SentMessage {
    WindowId target = kNoWindow;
    MessageId message = 0;
    WParam wparam = 0;
    LParam lparam = 0;
    LResult result = 0;
    bool done = false;
};

// The window thread's queues, all under one mutex: sent messages (each with a blocked sender),
// posted messages and input, the quit request, and a wake flag. Once closed (the loop has
// ended) every waiting sender is released with 0 and nothing new is accepted, so no thread
// can hang on a window thread that is gone.
class MessageQueue {
public:
    // Blocks until the window thread has handled the message or the queue closed; 0 then.
    LResult send_and_wait(WindowId target, MessageId message, WParam wparam, LParam lparam);
    bool post(const PostedMessage& message);

    // Window thread side.
    SentMessage* take_sent();
    void complete(SentMessage* sent, LResult result);
    std::optional<PostedMessage> take_posted();
    // Releases senders to the window and drops what was posted to it.
    void drop_window(WindowId window);

    enum class Wanted { Anything, SentOnly };
    // Waits until something wanted is queued, wake() is called or the time-out passes; no
    // time-out waits without limit.
    void wait(Wanted wanted, std::optional<std::chrono::milliseconds> timeout);
    void wake();

    // How many sent and posted messages wait; any thread.
    std::pair<std::size_t, std::size_t> depth() const;

    void request_quit(int exit_code);
    bool quit_requested() const;
    int exit_code() const;

    void close();
    bool closed() const;
    // Opens a closed queue again for another loop, forgetting the old quit request.
    void reopen();

private:
    bool has_wanted(Wanted wanted) const;
    void release(SentMessage* sent, LResult result);

    mutable std::mutex m_mutex;
    std::condition_variable m_arrived;
    std::condition_variable m_replied;
    std::deque<SentMessage*> m_sent;
    std::deque<PostedMessage> m_posted;
    bool m_woken = false;
    bool m_quit = false;
    int m_exit_code = 0;
    bool m_closed = false;
};

}  // namespace zel::platform
