#include "platform/serial/serial_config.h"

#include <gtest/gtest.h>

namespace zel::platform {
namespace {

TEST(ReadTimeouts, OneByteWaitFollowsTheTimeoutRules) {
    struct Case {
        const char* name;
        ReadTimeouts timeouts;
        std::optional<std::uint32_t> wait_ms;
    };
    const Case cases[] = {
        {"interval max, totals set: multiplier + constant", {kTimeoutMax, 1000, 1000}, 2000},
        {"short interval and constant", {10, 0, 10}, 10},
        {"interval max alone returns at once", {kTimeoutMax, 0, 0}, 0},
        {"interval and multiplier max wait the constant", {kTimeoutMax, kTimeoutMax, 500}, 500},
        {"no totals: wait until a byte comes", {0, 0, 0}, std::nullopt},
        {"interval only: still no total limit", {65535, 0, 0}, std::nullopt},
        {"long multiplier", {kTimeoutMax, 65535, 1000}, 66535},
        {"sum saturates", {0, kTimeoutMax, 5}, kTimeoutMax},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(one_byte_read_wait_ms(c.timeouts), c.wait_ms);
    }
}

TEST(WriteTimeouts, TotalGrowsWithTheBytesAndZeroMeansNoLimit) {
    EXPECT_EQ(write_wait_ms({0, 0}, 10), std::nullopt);
    EXPECT_EQ(write_wait_ms({2, 100}, 10), 120u);
    EXPECT_EQ(write_wait_ms({0, 50}, 1000), 50u);
}

}  // namespace
}  // namespace zel::platform
