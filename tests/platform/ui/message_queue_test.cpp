#include "platform/ui/message_queue.h"

#include <gtest/gtest.h>

#include <chrono>
#include <future>

namespace zel::platform {
namespace {

using namespace std::chrono_literals;

// Guards against a hang: a sender that never returns fails the test instead of stalling it.
constexpr auto kHangGuard = 10s;

// A sender blocked on a message to a window that goes away, or on a queue that closes, gets 0.
TEST(MessageQueue, BlockedSendersAreReleasedWhenTheirWindowGoesOrTheQueueCloses) {
    enum class Release { DropWindow, Close };
    for (Release release : {Release::DropWindow, Release::Close}) {
        MessageQueue queue;
        auto sender = std::async(std::launch::async, [&] { return queue.send_and_wait(5, msg::user, 1, 2); });
        queue.wait(MessageQueue::Wanted::SentOnly, std::nullopt);  // returns once the send is queued
        queue.post({Delivery::ToWindow, 5, msg::user, 0, 0});
        queue.post({Delivery::ToWindow, 6, msg::user, 0, 0});
        if (release == Release::DropWindow) {
            queue.drop_window(5);
        } else {
            queue.close();
        }
        ASSERT_EQ(sender.wait_for(kHangGuard), std::future_status::ready);
        EXPECT_EQ(sender.get(), 0);
        EXPECT_EQ(queue.take_sent(), nullptr);
        auto left = queue.take_posted();
        if (release == Release::DropWindow) {
            ASSERT_TRUE(left.has_value());
            EXPECT_EQ(left->target, 6u);  // only the dropped window's posts go
        } else {
            EXPECT_FALSE(left.has_value());
            EXPECT_FALSE(queue.post({Delivery::ToWindow, 6, msg::user, 0, 0}));
            EXPECT_EQ(queue.send_and_wait(6, msg::user, 0, 0), 0);  // returns at once, closed
        }
    }
}

TEST(MessageQueue, FirstQuitCodeStandsUntilReopened) {
    MessageQueue queue;
    queue.request_quit(3);
    queue.request_quit(7);
    EXPECT_TRUE(queue.quit_requested());
    EXPECT_EQ(queue.exit_code(), 3);
    queue.close();
    queue.reopen();
    EXPECT_FALSE(queue.quit_requested());
    EXPECT_TRUE(queue.post({Delivery::ToWindow, 1, msg::user, 0, 0}));
}

}  // namespace
}  // namespace zel::platform
