#include "gps/nmea/total_station_framer.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <variant>
#include <vector>

namespace zel {
namespace {

// Events rendered as text so that a scenario reads as one table row:
// "P n e" for a position, "B tick text" for a finished block.
std::vector<std::string> events(TotalStationFramer& framer, std::string_view bytes, platform::Tick start = 100) {
    std::vector<std::string> out;
    platform::Tick now = start;
    for (const char c : bytes) {
        const auto event = framer.feed(static_cast<std::uint8_t>(c), now++);
        if (!event) continue;
        if (const auto* p = std::get_if<GridPosition>(&*event)) {
            out.push_back("P " + std::to_string(p->northing) + " " + std::to_string(p->easting));
        } else {
            const auto& b = std::get<TotalStationBlock>(*event);
            out.push_back("B " + std::to_string(b.start_tick) + " " + std::string(b.view()));
        }
    }
    return out;
}

TEST(TotalStationFramer, BlocksTable) {
    struct Case {
        const char* name;
        std::string bytes;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"northing then easting", ">\n37=5000.125\n38=3000.5\n>",
         {"P 5000.125000 3000.500000", "B 100 >,37=5000.125,38=3000.5"}},
        {"easting then northing, CR LF", ">\r\n38=3000.5\r\n37=5000.125\r\n>",
         {"P 5000.125000 3000.500000", "B 100 >,38=3000.5,37=5000.125"}},
        {"both on one line", ">\n37=1,38=2\n", {"P 1.000000 2.000000"}},
        {"one position per block", ">\n37=1\n38=2\n37=5\n38=6\n>", {"P 1.000000 2.000000", "B 100 >,37=1,38=2,37=5,38=6"}},
        {"a label inside another is not one", ">\n137=9\n38=2\n37=1\n", {"P 1.000000 2.000000"}},
        {"a label without a number is not one", ">\n37=abc\n38=2\n37=\n37=4\n", {"P 4.000000 2.000000"}},
        {"bytes before the first block are ignored", "37=1\n38=2\n>\n37=3\n38=4\n", {"P 3.000000 4.000000"}},
        {"values go through single precision", ">\n37=5000.123\n38=0.1\n",
         {"P " + std::to_string(double(5000.123f)) + " " + std::to_string(double(0.1f))}},
        {"labels do not carry over to the next block", ">\n37=1\n>\n38=2\n>",
         {"B 100 >,37=1", "B 107 >,38=2"}},
        {"a block without a final line feed keeps its last character", ">\n37=1\n38=2>",
         {"B 100 >,37=1,38=2"}},
        {"empty block", ">>", {"B 100 >"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TotalStationFramer framer;
        EXPECT_EQ(events(framer, c.bytes), c.expected);
    }
}

TEST(TotalStationFramer, OverflowingBlockIsCutAndNoCutValueIsRead) {
    TotalStationFramer framer;
    // The northing's digits straddle the end of the buffer.
    const std::string filler(kTotalStationBlockSize - 6, 'x');
    const auto out = events(framer, ">" + filler + "\n37=123456789\n38=2\n>\n37=1\n38=2\n");
    ASSERT_EQ(out.size(), 2u);
    EXPECT_EQ(out[0].substr(0, 6), "B 100 ");
    EXPECT_EQ(out[0].size(), 6 + kTotalStationBlockSize - 1);
    EXPECT_EQ(out[1], "P 1.000000 2.000000");
}

TEST(TotalStationFramer, RandomBytesKeepWithinBoundsAndFramingRecovers) {
    std::mt19937 random(37);
    std::uniform_int_distribution<int> byte(0, 255);
    const char structural[] = {'>', '\n', '3', '7', '8', '=', ','};
    std::string noise;
    for (int i = 0; i < 200000; ++i) noise += (i % 3 == 0) ? structural[byte(random) % 7] : static_cast<char>(byte(random));
    TotalStationFramer framer;
    std::size_t blocks = 0;
    for (const char c : noise) {
        const auto event = framer.feed(static_cast<std::uint8_t>(c), 0);
        if (!event) continue;
        if (const auto* b = std::get_if<TotalStationBlock>(&*event)) {
            ++blocks;
            ASSERT_LT(b->length, kTotalStationBlockSize);
            ASSERT_EQ(b->text[0], '>');
            ASSERT_EQ(b->text[b->length], '\0');
        }
    }
    EXPECT_GT(blocks, 1000u);
    EXPECT_EQ(events(framer, ">\n37=7\n38=8\n").back(), "P 7.000000 8.000000");
}

}  // namespace
}  // namespace zel
