#include "instruments/records/line_block.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "record_test_support.h"

namespace zel {
namespace {

using test::line;
using test::text_of;

const platform::LocalTime kDecember9{2026, 12, 9, 14, 5, 7, 250};

TEST(LineBlock, WritesLineStartDirectionAndDateInBothRecordLengths) {
    LineBlockValues v;
    v.line_name = "Line 12345";  // ten characters, cut after eight
    v.start_station = -3.5;
    v.direction = 3;
    v.station_increment = -1.0;

    EXPECT_EQ(test::text_of(line_block<kLongRecord>(v, kDecember9)),
              line("LLine 123                 ") +  //
                  line("B      -3.50              ") +  //
                  line("AE           -1.000       ") +  //
                  line("Z09122026 14:05:07        "));
    EXPECT_EQ(test::text_of(line_block<kShortRecord>(v, kDecember9)),
              line("LLine 123              ") +  //
                  line("B      -3.50           ") +  //
                  line("AE           -1.000    ") +  //
                  line("Z09122026 14:05:07     "));
}

TEST(LineBlock, DirectionLettersFollowTheSetting) {
    const std::string letters[] = {"W", "S", "N", "E"};
    for (int direction = 0; direction < 4; ++direction)
        EXPECT_EQ(text_of(direction_record<kLongRecord>(direction, 2.0)).substr(0, 2), "A" + letters[direction]);
}

TEST(LineBlock, LineNameIsConvertedToSingleBytesBeforeItIsCut) {
    struct Case {
        const char* name;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"Stra\xC3\x9F" "e \xCE\xA9" "12", line("LStra\xDF" "e ?" + std::string(17, ' '))},  // ß kept, Ω unmapped
        {"", line("L                         ")},
        {"a\tb", line("La?b                      ")},
        {"\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC",
         line("L????????                 ")},  // nine euro signs: eight question marks
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(text_of(line_name_record<kLongRecord>(c.name)), c.expected);
    }
}

TEST(LineBlock, EmSixtyOneTypesAppendCurrentAndPreviousOffsetPerChannel) {
    LineBlockValues v;
    v.channel_offsets = {{1.5, -0.25}, {-1234.56, 0.0}};
    const auto block = line_block<kLongRecord>(v, kDecember9);
    ASSERT_EQ(block.size(), 6u);
    EXPECT_EQ(text_of(block[3]).front(), 'Z');
    EXPECT_EQ(text_of(block[4]), line("O     1.50     -0.25      "));
    EXPECT_EQ(text_of(block[5]), line("O -1234.56      0.00      "));
}

}  // namespace
}  // namespace zel
