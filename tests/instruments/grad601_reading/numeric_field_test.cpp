#include "instruments/grad601/numeric_field.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>
#include <string>

#include "instruments/grad601/row_conversion.h"

namespace zel {
namespace {

TEST(NumericField, FindsTheNthNumberStartedField) {
    struct Case {
        std::string text;
        int n;
        std::optional<std::string> field;
    };
    const Case cases[] = {
        {"$PBAR,12.5", 1, "12.5"},
        {"$PBAR,12.5,-3.25", 2, "-3.25"},
        {"$PBAR,12.5,-3.25", 3, std::nullopt},
        // Empty fields are skipped with everything else before a number starts.
        {"$PBAR,,7", 1, "7"},
        {"$PBAR,,7", 2, std::nullopt},
        {"$PBAR,abc,4", 1, "4"},
        {"$PBAR,+1.5,.5", 2, ".5"},
        // A field runs to the next separator, text included: the value's reader copes with it.
        {"$PBAR,12.5   ", 1, "12.5   "},
        {"$PBAR,1x,2", 1, "1x"},
        {"$PBAR", 1, std::nullopt},
        {"", 1, std::nullopt},
        {"$PBAR,1", 0, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text + " field " + std::to_string(c.n));
        const auto field = numeric_field(c.text, c.n);
        ASSERT_EQ(field.has_value(), c.field.has_value());
        if (field) {
            EXPECT_EQ(std::string(*field), *c.field);
        }
    }
}

TEST(NumericField, ValueReadsMissingOrUnusableFieldsAsZero) {
    struct Case {
        std::string text;
        int n;
        float value;
    };
    const Case cases[] = {
        {"$PBAR,12.5,-3.25", 1, 12.5f},  {"$PBAR,12.5,-3.25", 2, -3.25f}, {"$PBAR,+1.5", 1, 1.5f},
        {"$PBAR,12.5   ", 1, 12.5f},     {"$PBAR,,7", 2, 0.0f},           {"$PBAR,.", 1, 0.0f},
        {"$PBAR,-", 1, 0.0f},            {"$PBAR,1e999", 1, 0.0f},        {"$PBAR,-nan", 1, 0.0f},
        {"$PBAR,1e300", 1, 0.0f},        {"$PBAR,-1e300", 1, 0.0f},       {"$PBAR,1234.5678", 1, 1234.5678f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text + " field " + std::to_string(c.n));
        EXPECT_EQ(numeric_field_value(c.text, c.n), c.value);
    }
}

TEST(RowConversion, TruncatesTowardZeroInSinglePrecision) {
    struct Case {
        float value;
        RowScale scale;
        std::int32_t row;
    };
    constexpr auto kMax = std::numeric_limits<std::int32_t>::max();
    constexpr auto kMin = std::numeric_limits<std::int32_t>::min();
    const Case cases[] = {
        {140.0f, {500.0f, 0.09f}, 32},    // 32.4
        {120.0f, {500.0f, 0.09f}, 34},    // 34.2
        {2000.0f, {2000.0f, 0.1155f}, 0},
        {2100.0f, {2000.0f, 0.1f}, -10},  // above the maximum: above the window, not clipped here
        {2009.0f, {2000.0f, 0.1f}, 0},    // -0.9 truncates toward zero
        {-3e38f, {2000.0f, 10.0f}, kMax},
        {3e38f, {-2000.0f, 10.0f}, kMin},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(row_of(c.value, c.scale), c.row);
    }
}

}  // namespace
}  // namespace zel
