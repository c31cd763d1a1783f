#include "instruments/records/stamped_records.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "instruments/records/single_byte_text.h"
#include "record_test_support.h"

namespace zel {
namespace {

using test::line;
using test::text_of;

struct Case {
    const char* name;
    std::string long_record;
    std::string short_record;
};

void expect_both_lengths(const Case& c, const Record<kLongRecord>& long_record,
                         const Record<kShortRecord>& short_record) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(text_of(long_record), c.long_record);
    EXPECT_EQ(text_of(short_record), c.short_record);
    EXPECT_TRUE(test::is_text_record(long_record));
    EXPECT_TRUE(test::is_text_record(short_record));
}

TEST(TimeRecord, PutsTheTickRightAfterTheTimeInShortRecords) {
    const platform::LocalTime t{2026, 12, 9, 9, 5, 3, 7};
    const Case c{"time", line("*09:05:03.007      5551212"), line("*09:05:03.007   5551212")};
    expect_both_lengths(c, time_record<kLongRecord>(t, 5551212), time_record<kShortRecord>(t, 5551212));
}

TEST(StationRecord, KeepsTheSignInsideTheFieldAndTheTickInItsColumns) {
    const std::vector<std::pair<double, Case>> cases = {
        {-3.5, {"negative", line("S      -3.50            42"), line("S      -3.50         42")}},
        {1234.567, {"rounded", line("S    1234.57            42"), line("S    1234.57         42")}},
    };
    for (const auto& [station, c] : cases)
        expect_both_lengths(c, station_record<kLongRecord>(station, 42), station_record<kShortRecord>(station, 42));

    const Case wrapped{"tick of 2^31", line("S       0.00    -214748364"), line("S       0.00 -214748364")};
    expect_both_lengths(wrapped, station_record<kLongRecord>(0.0, 2147483648u),
                        station_record<kShortRecord>(0.0, 2147483648u));
}

TEST(CommentRecord, CutsAfterElevenCharactersAndPadsShortTexts) {
    struct CommentCase {
        CommentKind kind;
        std::string text;
        Case c;
    };
    // Kind, eleven text columns, the separator (four blanks or one), the tick field.
    const auto both = [](const std::string& kind_and_text) {
        return std::pair{line(kind_and_text + "    " + "      1000"), line(kind_and_text + " " + "      1000")};
    };
    const std::vector<std::pair<std::string, std::string>> expected = {
        both("CHello world"), both("C" + std::string(11, ' ')), both("X$CONN END  "), both("X$PAUSED    "),
        both("Ccaf\xE9 ?     "),
    };
    const std::vector<CommentCase> cases = {
        {CommentKind::Comment, "Hello world!", {"cut", expected[0].first, expected[0].second}},
        {CommentKind::Comment, "", {"empty", expected[1].first, expected[1].second}},
        {CommentKind::Event, std::string(kEventConnectionEnd),
         {"event keeps its blanks", expected[2].first, expected[2].second}},
        {CommentKind::Event, std::string(kEventPaused), {"event", expected[3].first, expected[3].second}},
        {CommentKind::Comment, "caf\xC3\xA9 \xE2\x9C\x93", {"wide characters", expected[4].first, expected[4].second}},
    };
    for (const auto& cc : cases)
        expect_both_lengths(cc.c, comment_record<kLongRecord>(cc.kind, cc.text, 1000),
                            comment_record<kShortRecord>(cc.kind, cc.text, 1000));
}

TEST(EventTexts, CountsAreRightAlignedInSixColumns) {
    EXPECT_EQ(gps_record_count_event(12), "$F     12");
    EXPECT_EQ(gps_record_count_event(1234567), "$F 1234567");
    EXPECT_EQ(saved_position_count_event(3), "$P      3");
    // Ten characters: the record keeps them all.
    EXPECT_EQ(text_of(comment_record<kLongRecord>(CommentKind::Event, gps_record_count_event(999999), 5)),
              line("X$F 999999  " "    " "         5"));
}

TEST(SingleByteText, MapsLatinOneAndReplacesEverythingElse) {
    struct TextCase {
        const char* name;
        std::string utf8;
        std::size_t limit;
        std::string expected;
    };
    const std::vector<TextCase> cases = {
        {"ascii", "abc", 11, "abc"},
        {"latin-1", "Stra\xC3\x9F" "e \xC3\xBF", 11, "Stra\xDF" "e \xFF"},
        {"above U+00FF", "\xE2\x82\xAC" "1", 11, "?1"},
        {"four-byte character is one", "\xF0\x9F\x98\x80" "x", 11, "?x"},
        {"stray continuation byte", "a\x80" "b", 11, "a?b"},
        {"cut sequence at the end", "ab\xC3", 11, "ab?"},
        {"control characters", "a\nb\x7F", 11, "a?b?"},
        {"limit counts characters, not bytes", "\xC3\xA9\xC3\xA9\xC3\xA9", 2, "\xE9\xE9"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(to_single_byte(c.utf8, c.limit), c.expected);
    }
}

}  // namespace
}  // namespace zel
