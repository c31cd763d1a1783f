#include "app/run/sentence_ring.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

namespace zel {
namespace {

TEST(SentenceRing, BurstBeforeTheConsumerRunsIsDeliveredOnceEachInOrder) {
    SentenceRing<128, 8> ring;
    ASSERT_TRUE(ring.try_push("$PBAR,1.0", 10));
    ASSERT_TRUE(ring.try_push("$PBAR,2.0", 20));
    SentenceRing<128, 8>::Slot slot;
    ASSERT_TRUE(ring.pop(slot));
    EXPECT_EQ(slot.view(), "$PBAR,1.0");
    EXPECT_EQ(slot.start_tick, 10u);
    ASSERT_TRUE(ring.pop(slot));
    EXPECT_EQ(slot.view(), "$PBAR,2.0");
    EXPECT_EQ(slot.start_tick, 20u);
    EXPECT_FALSE(ring.pop(slot));
}

TEST(SentenceRing, OverlongSentenceIsCutAndStaysTerminated) {
    SentenceRing<16, 2> ring;
    ASSERT_TRUE(ring.try_push(std::string(40, 'x'), 1));
    SentenceRing<16, 2>::Slot slot;
    ASSERT_TRUE(ring.pop(slot));
    EXPECT_EQ(slot.length, 15u);
    EXPECT_EQ(slot.text[15], '\0');
}

TEST(SentenceRing, FullRingRefusesThenWaitsUntilStopped) {
    SentenceRing<16, 2> ring;
    ASSERT_TRUE(ring.try_push("a", 1));
    ASSERT_TRUE(ring.try_push("b", 2));
    EXPECT_FALSE(ring.try_push("c", 3));
    int polls = 0;
    EXPECT_FALSE(ring.push("c", 3, [&] { return ++polls >= 3; }));
    EXPECT_EQ(ring.waiting(), 2u);
    ring.clear();
    EXPECT_EQ(ring.waiting(), 0u);
    EXPECT_TRUE(ring.try_push("d", 4));
}

// A producer far faster than the consumer: every sentence arrives exactly once, in order, even
// though the ring is much smaller than the burst.
TEST(SentenceRing, ConcurrentProducerLosesNothing) {
    SentenceRing<32, 4> ring;
    constexpr int kCount = 5000;
    std::thread producer([&] {
        for (int i = 0; i < kCount; ++i) ring.push("$PBAR," + std::to_string(i), static_cast<platform::Tick>(i), [] { return false; });
    });
    std::vector<int> seen;
    SentenceRing<32, 4>::Slot slot;
    while (static_cast<int>(seen.size()) < kCount) {
        if (ring.pop(slot)) {
            seen.push_back(std::stoi(std::string(slot.view().substr(6))));
            EXPECT_EQ(slot.start_tick, static_cast<platform::Tick>(seen.back()));
        }
    }
    producer.join();
    for (int i = 0; i < kCount; ++i) ASSERT_EQ(seen[i], i);
}

}  // namespace
}  // namespace zel
