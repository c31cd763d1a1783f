#include "instruments/grad601/numeric_field.h"

#include <cmath>
#include <limits>

#include "gps/nmea/gps_field.h"

namespace zel {

namespace {

constexpr std::string_view kNumberStart = "+-.0123456789";

}  // namespace

std::optional<std::string_view> numeric_field(std::string_view text, int n, char separator) {
    if (n < 1) return std::nullopt;
    std::size_t position = 0;
    for (int field = 1;; ++field) {
        const std::size_t start = text.find_first_of(kNumberStart, position);
        if (start == std::string_view::npos) return std::nullopt;
        const std::size_t end = text.find(separator, start);
        if (field == n) return text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
        if (end == std::string_view::npos) return std::nullopt;
        position = end + 1;
    }
}

float numeric_field_value(std::string_view text, int n, char separator) {
    const std::optional<std::string_view> field = numeric_field(text, n, separator);
    if (!field) return 0.0f;
    const std::optional<double> value = leading_number(*field);
    if (!value) return 0.0f;
    // "-nan" or "1e300" would otherwise travel on into the row conversion.
    if (!std::isfinite(*value) || std::fabs(*value) > std::numeric_limits<float>::max()) return 0.0f;
    return static_cast<float>(*value);
}

}  // namespace zel
