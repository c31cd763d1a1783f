#include "instruments/records/record_fields.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace zel::record_fields {

namespace {

std::string right_aligned(std::string_view digits, int width, char fill) {
    std::string text;
    const auto shown = static_cast<int>(digits.size());
    if (shown < width) {
        // A zero fill goes after the sign, as "%06ld" does.
        const bool sign_first = fill == '0' && !digits.empty() && digits.front() == '-';
        if (sign_first) {
            text += '-';
            digits.remove_prefix(1);
        }
        text.append(static_cast<std::size_t>(width - shown), fill);
    }
    text += digits;
    return text;
}

}  // namespace

std::string fixed(double value, int width, int precision) {
    // Large enough for the widest double in fixed notation.
    std::array<char, 400> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::fixed, precision);
    return right_aligned({buffer.data(), result.ptr}, width, ' ');
}

std::string integer(std::int32_t value, int width, Padding padding) {
    std::array<char, 16> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return right_aligned({buffer.data(), result.ptr}, width, padding == Padding::Zeros ? '0' : ' ');
}

void clear(std::span<char> record) {
    std::fill(record.begin(), record.end(), ' ');
    record.back() = '\n';
}

std::size_t put(std::span<char> record, std::size_t column, std::string_view text) {
    const std::size_t last = record.size() - 1;  // the line feed's column
    for (const char c : text) {
        if (column >= last) break;
        record[column++] = c;
    }
    return column;
}

void put_padded(std::span<char> record, std::size_t column, std::string_view text, std::size_t width) {
    const std::string_view cut = text.substr(0, width);
    const std::size_t end = put(record, column, cut);
    put(record, end, std::string(width - cut.size(), ' '));
}

void put_digit(std::span<char> record, std::size_t column, int value) {
    const char digit = value >= 0 && value <= 9 ? static_cast<char>('0' + value) : '?';
    put(record, column, std::string_view(&digit, 1));
}

void put_tick(std::span<char> record, platform::Tick tick) {
    // Ticks of 2^31 and more print as eleven characters; the field keeps the first ten.
    const std::string text = integer(static_cast<std::int32_t>(tick), 10).substr(0, 10);
    put(record, record.size() - 11, text);
}

}  // namespace zel::record_fields
