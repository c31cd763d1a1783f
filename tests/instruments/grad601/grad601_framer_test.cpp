#include "instruments/grad601/grad601_framer.h"

#include <gtest/gtest.h>

#include "tests/support/framer_feed.h"

#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace zel {
namespace {

using namespace std::string_literals;

using test::Delivered;

std::vector<Delivered> frame(Grad601Framer& framer, std::string_view bytes, platform::Tick start = 1000) {
    return test::frame(framer, bytes, start);
}

std::vector<std::string> texts(const std::vector<Delivered>& delivered) {
    std::vector<std::string> out;
    for (const Delivered& d : delivered) out.push_back(d.text);
    return out;
}

TEST(Grad601Framer, SentencesTable) {
    const std::string longest_text = "$PBAR," + std::string(121, '1');  // 127 characters: fits the buffer
    const std::string too_long_text = longest_text + "2";
    struct Case {
        const char* name;
        SensorCount sensors;
        std::string bytes;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"two readings", SensorCount::Two, "$PBAR,123.4,-56.7\r\n", {"$PBAR,123.4,-56.7"}},
        {"no carriage return", SensorCount::Two, "$PBAR,123.4,-56.7\n", {}},
        {"wrong prefix", SensorCount::Two, "$PBAX,1,2\r\n", {}},
        {"short with two sensors", SensorCount::Two, "$PBAR,1\r\n", {}},
        {"short is enough with one sensor", SensorCount::One, "$PBAR,1\r\n", {"$PBAR,1"}},
        {"shortest with one sensor", SensorCount::One, "$PBAR,\r\n", {"$PBAR,"}},
        {"below shortest with one sensor", SensorCount::One, "$PBAR\r\n", {}},
        {"shortest with two sensors", SensorCount::Two, "$PBAR,1,\r\n", {"$PBAR,1,"}},
        {"second dollar restarts", SensorCount::Two, "$PBAR,12$PBAR,3,4\r\n", {"$PBAR,3,4"}},
        {"line feeds outside sentences", SensorCount::Two, "\n\r\n$PBAR,1,2\r\n\n\n", {"$PBAR,1,2"}},
        {"garbage before a sentence", SensorCount::Two, "PBAR,9,9\r\nxx$\r\n$PBAR,1,2\r\n", {"$PBAR,1,2"}},
        {"rejected sentence is not revived by a later line feed", SensorCount::Two, "$PBAR,1,2\n\r\n", {}},
        {"NUL and high bytes are carried", SensorCount::Two, "$PBAR,\0\xff,1\r\n"s, {"$PBAR,\0\xff,1"s}},
        {"longest that fits", SensorCount::Two, longest_text + "\r\n", {longest_text}},
        {"one character too long", SensorCount::Two, too_long_text + "\r\n", {}},
        // An over-long line whose tail looks like a sentence must not pass for one.
        {"over-long with a sentence-like tail", SensorCount::Two, "$" + std::string(300, '7') + "xPBAR,1,2\r\n", {}},
        {"framing resumes after an over-long line", SensorCount::Two,
         "$" + std::string(500, 'x') + "\r\n$PBAR,5,6\r\n", {"$PBAR,5,6"}},
        {"consecutive sentences", SensorCount::Two, "$PBAR,1,2\r\n$PBAR,3,4\r\n", {"$PBAR,1,2", "$PBAR,3,4"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Grad601Framer framer(c.sensors);
        EXPECT_EQ(texts(frame(framer, c.bytes)), c.expected);
    }
}

TEST(Grad601Framer, SentenceCarriesTheTickOfItsDollar) {
    Grad601Framer framer(SensorCount::Two);
    const auto delivered = frame(framer, "ab$PBAR,1,2\r\n", 500);
    ASSERT_EQ(delivered.size(), 1u);
    EXPECT_EQ(delivered[0].tick, 502u);
}

TEST(Grad601Framer, NoiseNeverYieldsABadSentenceAndFramingRecovers) {
    // Random bytes mixed with whole and cut-off sentences, so that good, spoilt and over-long
    // sentences all occur.
    std::mt19937 random(601);
    std::uniform_int_distribution<int> byte(0, 255);
    const std::string good = "$PBAR,1234.5,-67.8\r\n";
    std::string noise;
    while (noise.size() < 200000) {
        const int pick = byte(random);
        if (pick < 40) {
            noise += good.substr(0, 1 + byte(random) % good.size());
        } else if (pick < 44) {
            noise += std::string(byte(random) + 100, '9');
        } else {
            noise += static_cast<char>(byte(random));
        }
    }
    for (const SensorCount sensors : {SensorCount::One, SensorCount::Two}) {
        Grad601Framer framer(sensors);
        const auto delivered = frame(framer, noise);
        EXPECT_GT(delivered.size(), 100u);
        for (const Delivered& d : delivered) {
            ASSERT_GE(d.text.size() + 1, Grad601Framer::min_length(sensors));
            ASSERT_LE(d.text.size(), kInstrumentSentenceSize - 1);
            ASSERT_EQ(d.text.substr(0, 5), "$PBAR");
            ASSERT_EQ(d.text.find('\n'), std::string::npos);
        }
        EXPECT_EQ(texts(frame(framer, "\r\n$PBAR,1,2\r\n")), std::vector<std::string>{"$PBAR,1,2"});
    }
}

}  // namespace
}  // namespace zel
