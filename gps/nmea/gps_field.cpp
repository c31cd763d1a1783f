#include "gps/nmea/gps_field.h"

#include <charconv>

namespace zel {

std::optional<std::string_view> gps_field(std::string_view text, int n, char sep) {
    if (n < 1) return std::nullopt;
    std::size_t start = 0;
    for (int separators = 1; separators < n; ++separators) {
        const std::size_t at = text.find(sep, start);
        if (at == std::string_view::npos) return std::nullopt;
        start = at + 1;
    }
    const std::size_t end = text.find(sep, start);
    return text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
}

std::optional<double> leading_number(std::string_view field) {
    std::size_t i = 0;
    while (i < field.size() && (field[i] == ' ' || (field[i] >= '\t' && field[i] <= '\r'))) ++i;
    // from_chars takes a minus sign but not a plus sign.
    if (i < field.size() && field[i] == '+' && (i + 1 == field.size() || field[i + 1] != '-')) ++i;
    double value = 0.0;
    const auto [end, error] = std::from_chars(field.data() + i, field.data() + field.size(), value);
    if (error != std::errc()) return std::nullopt;
    return value;
}

}  // namespace zel
