#include "gps/nmea/gps_field.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>

namespace zel {
namespace {

TEST(GpsField, FieldsTable) {
    const std::string gll = "$GPGLL,4916.45,N,12311.12,W,225444,A*1D";
    struct Case {
        std::string text;
        int n;
        std::optional<std::string> expected;
    };
    const Case cases[] = {
        {gll, 1, "$GPGLL"},
        {gll, 2, "4916.45"},
        {gll, 5, "W"},
        {gll, 7, "A*1D"},  // the last field keeps the checksum suffix
        {gll, 8, std::nullopt},
        {gll, 0, std::nullopt},
        {gll, -3, std::nullopt},
        {"a,,b", 2, ""},
        {"a,,b", 3, "b"},
        {"a,,b", 4, std::nullopt},
        {"a,b,", 3, ""},  // the text ends right after a separator: an empty last field
        {"no separator", 1, "no separator"},
        {"no separator", 2, std::nullopt},
        {"", 1, ""},
        {",", 1, ""},
        {",", 2, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << '"' << c.text << "\" field " << c.n);
        const auto field = gps_field(c.text, c.n);
        ASSERT_EQ(field.has_value(), c.expected.has_value());
        if (field) {
            EXPECT_EQ(std::string(*field), *c.expected);
        }
    }
    EXPECT_EQ(gps_field("a;b;c", 3, ';'), std::optional<std::string_view>("c"));
}

TEST(GpsField, LeadingNumberTable) {
    struct Case {
        const char* field;
        std::optional<double> expected;
    };
    const Case cases[] = {
        {"5000.125", 5000.125}, {"-3.5", -3.5},   {"+2", 2.0},      {"  7.25", 7.25}, {"12abc", 12.0},
        {"1e3", 1000.0},        {".5", 0.5},      {"", std::nullopt}, {"abc", std::nullopt},
        {"-", std::nullopt},    {"+-1", std::nullopt}, {"1e999", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.field);
        EXPECT_EQ(leading_number(c.field), c.expected);
    }
}

}  // namespace
}  // namespace zel
