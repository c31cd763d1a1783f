#include "instruments/records/reading_records.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "record_test_support.h"

namespace zel {
namespace {

using test::line;
using test::text_of;

TEST(ReadingRecords, TakeTheFirstCharactersOfTheSentenceAndTheTick) {
    struct Case {
        const char* name;
        std::string actual;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"EM61: fifteen characters and a blank", text_of(em61_reading_record("H1234,5678,9012,3456", 77)),
         line("H1234,5678,9012 " "        77")},
        {"EM61: a short sentence is padded", text_of(em61_reading_record("H12", 77)),
         line("H12" + std::string(13, ' ') + "        77")},
        {"EM61-MK2: sixteen characters", text_of(em61mk2_reading_record("D 12.34 56.78 90.12 34.56", 77)),
         line("D 12.34 56.78 90" "        77")},
        {"MineLab F3: six characters", text_of(f3_reading_record("T12345678", 77)),
         line("T12345" + std::string(10, ' ') + "        77")},
        {"EM family: twelve characters and a blank", text_of(em_family_reading_record("T 12.345 67.89 X", 77)),
         line("T 12.345 67." " " "        77")},
        {"tick of 2^31", text_of(em_family_reading_record("T 1", 2147483648u)),
         line("T 1" + std::string(10, ' ') + "-214748364")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.actual, c.expected);
    }
}

TEST(ReadingRecords, FerexRecordCarriesTheRawFrameBytesAndTheReading) {
    const std::array<std::uint8_t, 3> frame{0x01, 0x02, 0xFE};
    EXPECT_EQ(text_of(ferex_reading_record(2, frame, 12.5, 1000)),
              line("T2" "\x01\x02\xFE " "    12.500" "      1000"));

    // A frame the reader writes itself: channel 0 and a zero reading.
    const std::array<std::uint8_t, 4> bad{'a', 'b', 'c', 'd'};
    EXPECT_EQ(text_of(ferex_reading_record(0, bad, 0.0, 5)), line("T0abcd" "     0.000" "         5"));
}

TEST(ReadingRecords, EmThirtyEightMkTwoRecordKeepsItsBinaryBytes) {
    // Binary bytes may be anything, a line feed included: a reader steps by the record length.
    const std::array<std::uint8_t, 14> reading{'M', 0x00, 0x0A, 0xFF, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    const auto record = em38mk2_reading_record(reading, 123456);
    const std::string expected_bytes(reinterpret_cast<const char*>(reading.data()), reading.size());
    EXPECT_EQ(text_of(record), expected_bytes + "  " + "    123456" + "\n");
}

}  // namespace
}  // namespace zel
