#include "gps/nmea/sentence_decision.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace zel {
namespace {

std::string with_checksum(const std::string& body) {
    unsigned sum = 0;
    for (std::size_t i = 1; i < body.size(); ++i) sum ^= static_cast<unsigned char>(body[i]);
    char suffix[8];
    std::snprintf(suffix, sizeof suffix, "*%02X", sum);
    return body + suffix;
}

const std::string kGga = with_checksum("$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,");
const std::string kGnGga = with_checksum("$GNGGA,123520,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,");
const std::string kGsa = with_checksum("$GPGSA,A,3,09,23,08,11,27,28,,,,,,,2.5,1.2,2.2");
const std::string kVtg = with_checksum("$GPVTG,,T,,M,0.117,N,0.216,K,A");
const std::string kBadGga = "$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*00";

enum class Rec { None, Rejected, Fix, FixNoFlag, Other };

// One sentence of a scenario and what must come of it.
struct Step {
    std::string sentence;
    platform::Tick tick;
    RunState run_state;
    GpsForward forward;
    Rec record;
};

Rec record_of(const GpsSentenceDecision& d) {
    if (!d.record) return Rec::None;
    const GpsRecord& r = *d.record;
    if (r.family.first == '?') {
        EXPECT_EQ(r.family.continuation, '"');
        EXPECT_EQ(r.family.trailer, '!');
        EXPECT_EQ(r.flag, GpsFlag::None);
        EXPECT_FALSE(r.counted);
        return Rec::Rejected;
    }
    EXPECT_EQ(r.family.first, '@');
    EXPECT_EQ(r.family.continuation, '#');
    EXPECT_EQ(r.family.trailer, '!');
    if (r.counted) return r.flag == GpsFlag::NewPosition ? Rec::Fix : Rec::FixNoFlag;
    EXPECT_EQ(r.flag, GpsFlag::None);
    return Rec::Other;
}

struct Scenario {
    const char* name;
    GpsSentenceType type;
    std::vector<Step> steps;
};

TEST(GpsSentenceDecision, Scenarios) {
    constexpr RunState L = RunState::Logging;
    constexpr RunState M = RunState::Monitor;
    constexpr RunState S = RunState::StandBy;
    using F = GpsForward;
    const Scenario scenarios[] = {
        {"fix interval", GpsSentenceType::Gga,
         {{kGga, 1000, L, F::Fix, Rec::Fix},
          {kGga, 1500, L, F::None, Rec::FixNoFlag},  // too soon: recorded and counted, not forwarded
          {kGga, 1910, L, F::None, Rec::FixNoFlag},  // exactly the interval is still too soon
          {kGga, 1911, L, F::Fix, Rec::Fix}}},
        {"not recorded outside Logging", GpsSentenceType::Gga,
         {{kGga, 1000, M, F::Fix, Rec::None}, {kBadGga, 3000, S, F::None, Rec::None}, {kGga, 5000, S, F::Fix, Rec::None}}},
        {"any talker", GpsSentenceType::Gga, {{kGnGga, 1000, L, F::Fix, Rec::Fix}}},
        {"bad checksum is rejected", GpsSentenceType::Gga,
         {{kBadGga, 1000, L, F::None, Rec::Rejected}, {"GPGGA,1*00", 2000, L, F::None, Rec::Rejected},
          {"$GPGGA,1", 3000, L, F::None, Rec::Rejected}, {"", 4000, L, F::None, Rec::Rejected}}},
        {"other sentences are dropped", GpsSentenceType::Gga,
         {{kVtg, 1000, L, F::None, Rec::None}, {kGsa, 2000, L, F::None, Rec::None}}},
        {"GSA follows a forwarded fix once", GpsSentenceType::GgaGsa,
         {{kGsa, 500, L, F::None, Rec::None},
          {kGga, 1000, L, F::Fix, Rec::Fix},
          {kGsa, 1100, L, F::Dop, Rec::Other},
          {kGsa, 1200, L, F::None, Rec::None},
          {kGga, 1300, L, F::None, Rec::FixNoFlag},  // not forwarded, so no GSA is due
          {kGsa, 1400, L, F::None, Rec::None}}},
        {"GSA after a fix forwarded outside Logging", GpsSentenceType::GgaGsa,
         {{kGga, 1000, M, F::Fix, Rec::None}, {kGsa, 1100, L, F::Dop, Rec::Other}}},
        {"total-station GGA skips the checksum", GpsSentenceType::RtsPgga,
         {{kBadGga, 1000, L, F::Fix, Rec::Fix},
          {"$TSVTG,1,2*00", 1100, L, F::None, Rec::Other},
          {"$TSGGA,1,2", 1200, L, F::None, Rec::Rejected}}},
        {"GLL setting ignores GGA", GpsSentenceType::Gll,
         {{kGga, 1000, L, F::None, Rec::None},
          {with_checksum("$GPGLL,4916.45,N,12311.12,W,225444,A"), 2000, L, F::Fix, Rec::Fix}}},
        {"over-long sentence is rejected", GpsSentenceType::RtsPgga,
         {{"$GPGGA," + std::string(200, '1') + "*00", 1000, L, F::None, Rec::Rejected}}},
    };
    for (const Scenario& scenario : scenarios) {
        SCOPED_TRACE(scenario.name);
        GpsHandlerState state;
        GpsSentenceContext context;
        context.type = scenario.type;
        apply_sentence_type_setting(static_cast<int>(scenario.type), context.layout);
        for (std::size_t i = 0; i < scenario.steps.size(); ++i) {
            const Step& step = scenario.steps[i];
            SCOPED_TRACE(testing::Message() << "step " << i << ": " << step.sentence);
            context.run_state = step.run_state;
            const GpsSentenceDecision d = decide_gps_sentence(step.sentence, step.tick, context, state);
            EXPECT_EQ(d.forward, step.forward);
            EXPECT_EQ(record_of(d), step.record);
        }
    }
}

TEST(GpsSentenceDecision, MessagesAreTheDeviceMessages) {
    GpsSentenceDecision d;
    EXPECT_FALSE(d.message().has_value());
    d.forward = GpsForward::Fix;
    EXPECT_EQ(d.message(), 1035u);
    d.forward = GpsForward::Dop;
    EXPECT_EQ(d.message(), 1040u);
}

TEST(GpsSentenceDecision, TwoHertzIntervalAndWrappingTicks) {
    GpsSentenceContext context;
    context.min_fix_interval = 410;
    GpsHandlerState state{.last_fix_tick = 0xFFFFFF00u, .fix_forwarded = false};
    // 0x100 + 0x100 = 512 ms after the last fix across the wrap: forwarded at 2 Hz.
    EXPECT_EQ(decide_gps_sentence(kGga, 0x100u, context, state).forward, GpsForward::Fix);
    EXPECT_EQ(state.last_fix_tick, 0x100u);
    // A tick far before the last fix also counts by its distance.
    EXPECT_EQ(decide_gps_sentence(kGga, 0x100u - 300u, context, state).forward, GpsForward::None);
    EXPECT_EQ(decide_gps_sentence(kGga, 0x100u - 411u, context, state).forward, GpsForward::Fix);
}

TEST(GpsSentenceDecision, SentencesOlderThanTheLoggingStartAreNeitherWrittenNorCounted) {
    GpsSentenceContext context;
    context.run_state = RunState::Logging;
    context.logging_start_tick = 5000;
    GpsHandlerState state;
    const GpsSentenceDecision before = decide_gps_sentence(kGga, 4990, context, state);
    EXPECT_EQ(before.forward, GpsForward::Fix);  // the fix is still shown
    EXPECT_FALSE(before.record.has_value());
    EXPECT_FALSE(decide_gps_sentence(kBadGga, 4999, context, state).record.has_value());
    EXPECT_TRUE(decide_gps_sentence(kGga, 5000, context, state).record.has_value());

    EXPECT_FALSE(decide_total_station_block(4999, RunState::Logging, 5000).has_value());
    EXPECT_FALSE(decide_total_station_block(6000, RunState::StandBy, 5000).has_value());
    const auto block = decide_total_station_block(5000, RunState::Logging, 5000);
    ASSERT_TRUE(block.has_value());
    EXPECT_EQ(block->family.first, '@');
    EXPECT_EQ(block->flag, GpsFlag::NewPosition);
    EXPECT_TRUE(block->counted);
}

TEST(GpsSentenceDecision, SentenceHoldingBothTagsIsOneRecord) {
    GpsSentenceContext context;
    context.type = GpsSentenceType::GgaGsa;
    apply_sentence_type_setting(0, context.layout);
    context.run_state = RunState::Logging;
    GpsHandlerState state;
    const std::string both = with_checksum("$GPGGA,GSA,1");
    EXPECT_EQ(decide_gps_sentence(both, 1000, context, state).forward, GpsForward::Fix);
    const GpsSentenceDecision again = decide_gps_sentence(both, 1100, context, state);
    EXPECT_EQ(again.forward, GpsForward::None);
    EXPECT_EQ(record_of(again), Rec::FixNoFlag);
    EXPECT_TRUE(state.fix_forwarded);
}

}  // namespace
}  // namespace zel
