#include "instruments/records/sentence_records.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "record_test_support.h"

namespace zel {
namespace {

using test::line;
using test::text_of;

constexpr std::string_view k25 = "$PBAR,1.0,2.0,3.0,4.0,5.0";
constexpr std::string_view k26 = "$PBAR,1.0,2.0,3.0,4.0,5.01";
constexpr std::string_view k50 = "$PBAR,1.0,2.0,3.0,4.0,5.0,6.0,7.0,8.0,9.0,10.0,11.";

struct ReadingCase {
    const char* name;
    std::string_view sentence;
    std::int32_t counter;
    platform::Tick tick;
    std::vector<std::string> records;
};

TEST(ReadingSentenceRecords, SpreadOverRecordsOf25CharactersAndCloseWithTheTrailer) {
    const std::vector<ReadingCase> cases = {
        {"41st reading", "$PBAR,1234.5,-567.8", 41, 5551212,
         {line("T$PBAR,1234.5,-567.8      "), line(">000041            5551212")}},
        {"25 characters fill one record", k25, 1, 7,
         {line("T$PBAR,1.0,2.0,3.0,4.0,5.0"), line(">000001                  7")}},
        {"26 characters leave one for a continuation", k26, 2, 7,
         {line("T$PBAR,1.0,2.0,3.0,4.0,5.0"), line("=1                        "),
          line(">000002                  7")}},
        {"50 characters need no padded record", k50, 3, 7,
         {line("T$PBAR,1.0,2.0,3.0,4.0,5.0"), line("=,6.0,7.0,8.0,9.0,10.0,11."),
          line(">000003                  7")}},
        {"seven-digit counter runs into the blanks", "$PBAR,1", 1000000, 5551212,
         {line("T$PBAR,1                  "), line(">1000000           5551212")}},
        {"tick of 2^31 prints negative and is cut", "$PBAR,1", 1, 2147483648u,
         {line("T$PBAR,1                  "), line(">000001         -214748364")}},
        {"last tick before the wrap", "$PBAR,1", 1, 4294967295u,
         {line("T$PBAR,1                  "), line(">000001                 -1")}},
        {"empty sentence", "", 4, 0,
         {line("T                         "), line(">000004                  0")}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto block = reading_sentence_records<kLongRecord>(c.sentence, c.counter, c.tick);
        std::vector<std::string> texts;
        for (const auto& record : block) {
            EXPECT_TRUE(test::is_text_record(record));
            texts.push_back(text_of(record));
        }
        EXPECT_EQ(texts, c.records);
    }
}

struct GpsCase {
    const char* name;
    std::size_t record_length;
    SentenceFamily family;
    GpsFlag flag;
    std::int32_t counter;
    std::string expected;
};

TEST(GpsSentenceRecords, CarryTheFlagAfterTheCounterInBothRecordLengths) {
    const std::string_view gga = "$GPGGA,092750.000,5321.6802,N,00630.3372,W,1,8,1.03,61.7,M,55.2,M,,*76";
    const std::vector<GpsCase> cases = {
        {"new position, 27 bytes", kLongRecord, kGpsSentence, GpsFlag::NewPosition, 12,
         line("@$GPGGA,092750.000,5321.68") + line("#02,N,00630.3372,W,1,8,1.0") +
             line("#3,61.7,M,55.2,M,,*76     ") + line("!000012p           5551212")},
        {"rejected sentence, 24 bytes", kShortRecord, kRejectedGpsSentence, GpsFlag::None, 7,
         line("?$GPGGA,092750.000,5321") + line("\".6802,N,00630.3372,W,1") + line("\",8,1.03,61.7,M,55.2,M,") +
             line("\",*76                  ") + line("!000007         5551212")},
        {"seven-digit counter keeps the flag after it, 24 bytes", kShortRecord, kGpsSentence,
         GpsFlag::NewPosition, 1234567,
         line("@$GPGGA,092750.000,5321") + line("#.6802,N,00630.3372,W,1") + line("#,8,1.03,61.7,M,55.2,M,") +
             line("#,*76                  ") + line("!1234567p       5551212")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string text =
            c.record_length == kLongRecord
                ? text_of(gps_sentence_records<kLongRecord>(gga, c.family, c.counter, c.flag, 5551212))
                : text_of(gps_sentence_records<kShortRecord>(gga, c.family, c.counter, c.flag, 5551212));
        EXPECT_EQ(text, c.expected);
    }
}

TEST(LoggingStart, SentencesThatStartedEarlierAreRecognisedAcrossTheTickWrap) {
    struct Case {
        platform::Tick sentence;
        platform::Tick logging_start;
        bool before;
    };
    const Case cases[] = {
        {100, 200, true},
        {200, 200, false},
        {300, 200, false},
        {0x00000010u, 0xFFFFFF00u, false},  // logging started just before the wrap
        {0xFFFFFF00u, 0x00000010u, true},   // the sentence started just before the wrap
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.sentence << " vs " << c.logging_start);
        EXPECT_EQ(started_before_logging(c.sentence, c.logging_start), c.before);
    }
}

}  // namespace
}  // namespace zel
