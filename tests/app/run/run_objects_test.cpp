#include "app/run/run_objects.h"

#include <gtest/gtest.h>

namespace zel {
namespace {

auto never = [] { return false; };

TEST(HandOver, StampsTheFamilysTickAndClearsTheNoDataCounter) {
    RunObjects run;
    run.reset_for_run(100);
    run.no_data_counter = 7;
    EXPECT_EQ(hand_over_instrument(run, {LastDataTick::Data, true, false}, "$PBAR,1", 90, 150, never), HandOver::Deliver);
    EXPECT_EQ(run.instrument_data_tick.load(), 150u);
    EXPECT_EQ(run.instrument_frame_tick.load(), 100u);
    EXPECT_EQ(run.no_data_counter.load(), 0);

    run.no_data_counter = 3;
    EXPECT_EQ(hand_over_instrument(run, {LastDataTick::Frame, false, false}, "frame", 160, 170, never), HandOver::Deliver);
    EXPECT_EQ(run.instrument_frame_tick.load(), 170u);
    EXPECT_EQ(run.no_data_counter.load(), 3);  // this reader leaves the counter to the watchdog
    EXPECT_EQ(run.instrument.waiting(), 2u);
}

TEST(HandOver, DecimationDeliversEveryFactorthSentence) {
    RunObjects run;
    run.reset_for_run(0);
    run.decimation_factor = 3;
    const HandOverRule rule{LastDataTick::Data, true, true};
    std::string delivered;
    for (int i = 1; i <= 7; ++i) {
        if (hand_over_instrument(run, rule, "s" + std::to_string(i), i, i, never) == HandOver::Deliver) delivered += std::to_string(i);
    }
    EXPECT_EQ(delivered, "36");
    EXPECT_EQ(run.decimation_counter.load(), 1);
}

TEST(HandOver, ReaderStopsWhenItsPortClosesWhileTheRingIsFull) {
    RunObjects run;
    run.reset_for_run(0);
    for (std::size_t i = 0; i < 64; ++i) ASSERT_TRUE(run.instrument.try_push("x", 0));
    EXPECT_EQ(hand_over_instrument(run, {}, "y", 1, 1, [] { return true; }), HandOver::Stopped);
}

}  // namespace
}  // namespace zel
