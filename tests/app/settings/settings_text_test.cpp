#include "app/settings/settings_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace zel {
namespace {

using namespace std::string_literals;

std::vector<SettingsTextLine> read_all(const std::string& bytes, BytesEnd end, std::size_t max_length = 10) {
    SettingsLineReader reader(bytes, end);
    std::vector<SettingsTextLine> lines;
    for (int i = 0; i < 8; ++i) {
        lines.push_back(reader.next(max_length));
        if (lines.back().status != LineStatus::Ok) break;
    }
    return lines;
}

std::string describe(const std::vector<SettingsTextLine>& lines) {
    std::string out;
    for (const SettingsTextLine& l : lines) {
        switch (l.status) {
        case LineStatus::Ok: out += "[" + l.text + "]"; break;
        case LineStatus::Missing: out += "missing"; break;
        case LineStatus::TooLong: out += "too long"; break;
        case LineStatus::Unreadable: out += "unreadable"; break;
        }
    }
    return out;
}

TEST(SettingsLineReader, CutsLinesAsTheFileWasAlwaysRead) {
    struct Case {
        std::string bytes;
        BytesEnd end;
        std::string expected;
    };
    const Case cases[] = {
        {"12\r\n3\r\n", BytesEnd::EndOfFile, "[12][3]missing"},
        {"12\n3\n", BytesEnd::EndOfFile, "[1][]missing"},  // the byte before LF goes, whatever it is
        {"\n\r\n", BytesEnd::EndOfFile, "[][]missing"},
        {"12\r\n345", BytesEnd::EndOfFile, "[12][]missing"},  // end of file empties the last line
        {"12\r\n", BytesEnd::EndOfFile, "[12]missing"},
        {"", BytesEnd::EndOfFile, "missing"},
        {"12\r\n34", BytesEnd::Unreadable, "[12]unreadable"},
        {"12\r\n", BytesEnd::Unreadable, "[12]unreadable"},
        {"0123456789\r\n", BytesEnd::EndOfFile, "[0123456789]missing"},  // exactly the longest
        {"0123456789A\r\n", BytesEnd::EndOfFile, "too long"},
        {std::string(100000, 'x'), BytesEnd::EndOfFile, "too long"},
        {"a\0b\r\n"s, BytesEnd::EndOfFile, "[a\0b]missing"s},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.bytes.substr(0, 20)));
        EXPECT_EQ(describe(read_all(c.bytes, c.end)), c.expected);
    }
}

struct ParseCase {
    const char* text;
    LineFormat format;
    bool ok;
    double value;  // for numbers
};

TEST(SettingsValues, NumbersParseWhollyOrNotAtAll) {
    using F = LineFormat;
    const ParseCase cases[] = {
        {"0", F::Integer, true, 0},
        {"", F::Integer, true, 0},
        {"-17", F::Integer, true, -17},
        {"2147483647", F::Long, true, 2147483647.0},
        {"-2147483648", F::Long, true, -2147483648.0},
        {"2147483648", F::Long, false, 0},
        {"12abc", F::Integer, false, 0},
        {"abc", F::Integer, false, 0},
        {" 1", F::Integer, false, 0},
        {"1.5", F::Integer, false, 0},
        {"\x80", F::Integer, false, 0},
        {"500.000000", F::RealFloat, true, 500.0},
        {"-0.250000", F::RealFloat, true, -0.25},
        {"", F::RealFloat, true, 0},
        {"7", F::RealFloat, true, 7},
        {"1e3", F::RealDouble, true, 1000},
        {"1,5", F::RealFloat, false, 0},
        {"1.5x", F::RealDouble, false, 0},
        {".", F::RealDouble, false, 0},
        {"0.1", F::RealDouble, true, 0.1},
        {"0.1", F::RealFloat, true, static_cast<double>(0.1f)},
        {"1e300", F::RealFloat, true, INFINITY},  // too large for a float
    };
    for (const ParseCase& c : cases) {
        SCOPED_TRACE(c.text);
        int i = -99;
        float f = -99.0f;
        double d = -99.0;
        SettingRef ref = &i;
        if (c.format == F::RealFloat) ref = &f;
        if (c.format == F::RealDouble) ref = &d;
        ASSERT_EQ(parse_value(c.text, c.format, ref), c.ok);
        if (!c.ok) continue;
        if (c.format == F::RealFloat) EXPECT_EQ(static_cast<double>(f), c.value);
        else if (c.format == F::RealDouble) EXPECT_EQ(d, c.value);
        else EXPECT_EQ(static_cast<double>(i), c.value);
    }
}

TEST(SettingsValues, ValuesAreWrittenInTheFixedLineFormats) {
    int i = -2147483647 - 1;
    float f = 0.2f;
    double d = 1234567.875;
    std::string name = "Line A";
    EXPECT_EQ(format_value(LineFormat::Integer, &i), "-2147483648\r\n");
    EXPECT_EQ(format_value(LineFormat::Long, &i), "-2147483648\r\n");
    EXPECT_EQ(format_value(LineFormat::RealFloat, &f), "0.200000\r\n");
    EXPECT_EQ(format_value(LineFormat::RealDouble, &d), "1234567.875000\r\n");
    EXPECT_EQ(format_value(LineFormat::Text, &name), "Line A\r\n");

    f = 2000.0f;
    EXPECT_EQ(format_value(LineFormat::RealFloat, &f), "2000.000000\r\n");
    f = -0.0000004f;
    EXPECT_EQ(format_value(LineFormat::RealFloat, &f), "-0.000000\r\n");
    d = 1e20;
    EXPECT_EQ(format_value(LineFormat::RealDouble, &d), "100000000000000000000.000000\r\n");
    d = -1.7976931348623157e308;  // the longest line a real can take fits the reader's limit
    std::string longest = format_value(LineFormat::RealDouble, &d);
    EXPECT_LE(longest.size() - 2, kMaxNumberLineLength);
}

TEST(SettingsValues, TextLinesHoldALineNameAndNoMore) {
    std::string name;
    EXPECT_TRUE(parse_value("12345678901234567890123", LineFormat::Text, &name));
    EXPECT_EQ(name, "12345678901234567890123");
    EXPECT_FALSE(parse_value("123456789012345678901234", LineFormat::Text, &name));
    EXPECT_TRUE(parse_value("", LineFormat::Text, &name));
    EXPECT_EQ(name, "");
    EXPECT_TRUE(parse_value("\xe9t\xe9", LineFormat::Text, &name));  // 8-bit text kept as it is
    EXPECT_EQ(name, "\xe9t\xe9");

    name = "a name far longer than twenty-three characters";
    EXPECT_EQ(format_value(LineFormat::Text, &name), "a name far longer than \r\n");
}

}  // namespace
}  // namespace zel
