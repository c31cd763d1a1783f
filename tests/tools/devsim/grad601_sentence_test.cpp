#include "tools/devsim/grad601_sentence.h"

#include <cstdlib>

#include <gtest/gtest.h>

namespace zel::devsim {
namespace {

TEST(Grad601Sentence, OneOrTwoSensors) {
    EXPECT_EQ(pbar_sentence(123.44, -56.66, 2), "$PBAR,123.4,-56.7\r\n");
    EXPECT_EQ(pbar_sentence(0.0, 9.0, 1), "$PBAR,0.0\r\n");
}

TEST(Grad601Sentence, ReadingsStayWithinTheRangeAndMove) {
    Grad601Signal signal{.sensors = 2, .minimum = 1100, .maximum = 1800, .jitter = 50, .period = 4};
    std::mt19937 random(7);
    double lowest = 1e9;
    double highest = -1e9;
    for (int i = 0; i < 400; ++i) {
        Grad601Reading r = grad601_reading(signal, i * 0.05, random);
        for (double v : {r.sensor1, r.sensor2}) {
            EXPECT_GE(v, 1100.0);
            EXPECT_LE(v, 1800.0);
            lowest = std::min(lowest, v);
            highest = std::max(highest, v);
        }
    }
    EXPECT_GT(highest - lowest, 500.0) << "the signal swings across most of its range";
}

}  // namespace
}  // namespace zel::devsim
