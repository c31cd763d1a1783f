#include "ui_fixture.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <future>
#include <latch>
#include <thread>

namespace zel::platform::testing {
namespace {

using namespace std::chrono_literals;

constexpr auto kHangGuard = 10s;

// A window whose handler records each message's parameter and answers with a function of it.
struct Counter {
    std::vector<WParam> seen;                       // window thread only
    std::vector<std::atomic<bool>>* handled = nullptr;  // read by the senders
};

LResult count_message(Window w, MessageId, WParam wp, LParam) {
    Counter* c = w.data<Counter>();
    c->seen.push_back(wp);
    if (c->handled) (*c->handled)[wp].store(true);
    return static_cast<LResult>(wp) * 3 + 1;
}

constexpr MessageEntry kCounterTable[] = {{msg::user, count_message}};
constexpr WindowClass kCounterClass{"Counter", kCounterTable};

TEST_F(UiTest, SendersOnSeveralThreadsAreServedInOrderAndGetTheirOwnResults) {
    constexpr int kThreads = 4;
    constexpr int kPerThread = 250;
    std::vector<std::atomic<bool>> handled(kThreads * kPerThread);
    Counter counter{{}, &handled};
    Window w = ui.create({&kCounterClass, "c", {}, {0, 0, 10, 10}, WindowStyle::None, 0, UserData::borrowed(counter)});

    std::atomic<int> wrong_results = 0;
    std::atomic<int> returned_before_handled = 0;
    std::vector<std::thread> senders;
    for (int t = 0; t < kThreads; ++t) {
        senders.emplace_back([&, t] {
            for (int i = 0; i < kPerThread; ++i) {
                WParam value = static_cast<WParam>(t * kPerThread + i);
                if (w.send(msg::user, value) != static_cast<LResult>(value) * 3 + 1) ++wrong_results;
                if (!handled[value].load()) ++returned_before_handled;
            }
        });
    }
    std::thread stopper([&] {
        for (auto& s : senders) s.join();
        ui.quit(0);
    });
    EXPECT_EQ(ui.run(), 0);
    stopper.join();

    EXPECT_EQ(wrong_results.load(), 0);
    EXPECT_EQ(returned_before_handled.load(), 0);
    ASSERT_EQ(counter.seen.size(), static_cast<std::size_t>(kThreads * kPerThread));
    std::vector<WParam> last(kThreads, 0);
    std::vector<bool> any(kThreads, false);
    for (WParam v : counter.seen) {
        auto t = v / kPerThread;
        if (any[t]) {
            EXPECT_GT(v, last[t]) << "thread " << t << " out of order";
        }
        any[t] = true;
        last[t] = v;
    }
}

// The window thread handles nothing until the test pumps, so a post that returned did so
// without waiting; a send is still blocked when its handler runs.
TEST_F(UiTest, PostReturnsAtOnceWhileSendWaitsForItsHandler) {
    std::atomic<bool> send_returned = false;
    bool returned_when_handled = true;
    Window w = make("w", {0, 0, 10, 10}, {}, WindowStyle::None, [&](Window, MessageId m, WParam, LParam) -> LResult {
        if (m == msg::user + 1) returned_when_handled = send_returned.load();
        return 42;
    });
    take_log();

    std::latch posted(1);
    auto poster = std::async(std::launch::async, [&] {
        bool ok = w.post(msg::user);
        posted.count_down();
        return ok;
    });
    posted.wait();  // would never return if post waited for the window thread
    EXPECT_TRUE(poster.get());
    EXPECT_TRUE(take_log().empty());

    auto sender = std::async(std::launch::async, [&] {
        LResult r = w.send(msg::user + 1);
        send_returned = true;
        return r;
    });
    ui.run_modal({}, [&] { return log.size() == 2; });  // the post, then the send
    ASSERT_EQ(sender.wait_for(kHangGuard), std::future_status::ready);
    EXPECT_EQ(sender.get(), 42);
    EXPECT_FALSE(returned_when_handled);
    std::vector<std::string> handled = take_log();
    std::sort(handled.begin(), handled.end());  // the send may overtake the post
    EXPECT_EQ(handled, (std::vector<std::string>{"w:1024", "w:1025"}));
}

TEST_F(UiTest, SendOnTheWindowThreadCallsTheHandlerDirectly) {
    Window inner = make("inner", {0, 0, 10, 10}, {}, WindowStyle::None, [](Window, MessageId, WParam wp, LParam) -> LResult {
        return static_cast<LResult>(wp) + 1;
    });
    LResult nested = 0;
    Window outer = make("outer", {0, 0, 10, 10}, {}, WindowStyle::None, [&](Window, MessageId m, WParam, LParam) -> LResult {
        if (m == msg::user) nested = inner.send(msg::user, 9);
        return 0;
    });
    ASSERT_TRUE(outer.post(msg::user + 1));  // queued; a direct send must not touch it
    take_log();

    outer.send(msg::user);
    EXPECT_EQ(nested, 10);
    EXPECT_EQ(take_log(), (std::vector<std::string>{"outer:1024", "inner:1024"}));
    EXPECT_EQ(ui.pump(), 1u);
    EXPECT_EQ(take_log(), (std::vector<std::string>{"outer:1025"}));
}

// A device thread posts and then sends while the window thread is busy in a handler. Once both
// wait, the loop takes the send first, both in a serving wait (which takes nothing else) and
// in the full loop.
TEST_F(UiTest, SentMessagesOvertakePostedOnes) {
    enum class Busy { ServingWait, FullLoop };
    for (Busy mode : {Busy::ServingWait, Busy::FullLoop}) {
        SCOPED_TRACE(mode == Busy::ServingWait ? "serving wait" : "full loop");
        std::thread device;
        Window w = make("w", {0, 0, 10, 10}, {}, WindowStyle::None);
        Window busy = make("busy", {0, 0, 10, 10}, {}, WindowStyle::None, [&](Window, MessageId m, WParam, LParam) -> LResult {
            if (m != msg::user) return 0;
            device = std::thread([&] {
                w.post(msg::user);
                w.send(msg::user + 1);
            });
            if (mode == Busy::ServingWait) {
                auto sent_seen = [&] { return std::find(log.begin(), log.end(), "w:1025") != log.end(); };
                EXPECT_EQ(ui.wait_serving(sent_seen, 10000), WaitEnd::Satisfied);
            } else {
                while (ui.queue_depth().sent == 0) std::this_thread::yield();
            }
            return 0;
        });
        take_log();
        busy.post(msg::user);
        ui.run_modal({}, [&] { return log.size() == 3; });
        device.join();
        EXPECT_EQ(take_log(), (std::vector<std::string>{"busy:1024", "w:1025", "w:1024"}));
        EXPECT_EQ(ui.queue_depth().posted, 0u);
    }
}

TEST_F(UiTest, SendToADestroyedWindowReturnsZeroWithoutCallingIt) {
    Window w = make("w", {0, 0, 10, 10}, {}, WindowStyle::None, [](Window, MessageId, WParam, LParam) -> LResult { return 5; });
    w.destroy();
    take_log();
    auto sender = std::async(std::launch::async, [&] { return w.send(msg::user); });
    EXPECT_EQ(ui.wait_serving([&] { return sender.wait_for(0s) == std::future_status::ready; }, 10000), WaitEnd::Satisfied);
    EXPECT_EQ(sender.get(), 0);
    EXPECT_EQ(w.send(msg::user), 0);
    EXPECT_FALSE(w.post(msg::user));
    EXPECT_TRUE(take_log().empty());
}

// Readers keep sending while the window thread quits: every send comes back, with the
// handler's answer while the loop runs and with 0 once it has ended.
TEST_F(UiTest, SendersNeverHangOnAWindowThreadThatEnds) {
    constexpr int kReaders = 4;
    constexpr int kSendsEach = 100;
    int handled = 0;
    Window w = make("w", {0, 0, 10, 10}, {}, WindowStyle::None, [&](Window, MessageId m, WParam, LParam) -> LResult {
        if (m != msg::user) return 0;
        if (++handled == kSendsEach) ui.quit(4);
        return 1;
    });
    std::vector<std::future<int>> readers;
    for (int t = 0; t < kReaders; ++t) {
        readers.push_back(std::async(std::launch::async, [&] {
            int answered = 0;
            for (int i = 0; i < kSendsEach; ++i) answered += static_cast<int>(w.send(msg::user));
            return answered;
        }));
    }
    EXPECT_EQ(ui.run(), 4);
    int answered = 0;
    for (auto& r : readers) {
        ASSERT_EQ(r.wait_for(kHangGuard), std::future_status::ready);
        answered += r.get();
    }
    EXPECT_EQ(handled, kSendsEach);
    EXPECT_EQ(answered, kSendsEach);  // the other sends were released with 0
}

}  // namespace
}  // namespace zel::platform::testing
