#include "app/settings/settings_text.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace zel {
namespace {

template <typename T>
bool parse_whole(std::string_view text, T& value) {
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

float narrow(double value) {
    constexpr double kMax = std::numeric_limits<float>::max();
    if (value > kMax) return std::numeric_limits<float>::infinity();
    if (value < -kMax) return -std::numeric_limits<float>::infinity();
    return static_cast<float>(value);
}

bool parse_integer(std::string_view text, SettingRef setting) {
    int* target = std::get<int*>(setting);
    if (text.empty()) {
        *target = 0;
        return true;
    }
    return parse_whole(text, *target);
}

bool parse_real(std::string_view text, SettingRef setting) {
    double value = 0.0;
    if (!text.empty() && !parse_whole(text, value)) return false;
    if (float** f = std::get_if<float*>(&setting)) **f = narrow(value);
    else *std::get<double*>(setting) = value;
    return true;
}

// The text up to a NUL, as a wide-text copy of the line would hold it.
bool parse_text(std::string_view text, SettingRef setting) {
    text = text.substr(0, text.find('\0'));
    if (text.size() > kLineNameMaxLength) return false;
    *std::get<std::string*>(setting) = std::string(text);
    return true;
}

std::string fixed6(double value) {
    char buffer[400];
    auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 6);
    return error == std::errc() ? std::string(buffer, end) : std::string("0.000000");
}

// A line name never ends the line early and never outgrows a line name, so the file stays
// readable line by line whatever the record holds.
std::string line_safe_text(const std::string& text) {
    std::size_t end = text.find_first_of(std::string_view("\0\r\n", 3));
    if (end == std::string::npos) end = text.size();
    return text.substr(0, std::min(end, kLineNameMaxLength));
}

}  // namespace

std::size_t max_line_length(LineFormat format) {
    return format == LineFormat::Text ? kLineNameMaxLength : kMaxNumberLineLength;
}

SettingsLineReader::SettingsLineReader(std::span<const char> bytes, BytesEnd end) : m_bytes(bytes), m_end(end) {}

SettingsTextLine SettingsLineReader::next(std::size_t max_length) {
    std::string text;
    bool read_any = false;
    for (;;) {
        if (m_position == m_bytes.size()) {
            if (m_end == BytesEnd::Unreadable) return {LineStatus::Unreadable, {}};
            return {read_any ? LineStatus::Ok : LineStatus::Missing, {}};
        }
        char c = m_bytes[m_position++];
        read_any = true;
        if (c == '\n') {
            if (!text.empty()) text.pop_back();
            return {LineStatus::Ok, std::move(text)};
        }
        // One byte more than the value is allowed for the carriage return.
        if (text.size() > max_length) return {LineStatus::TooLong, {}};
        text.push_back(c);
    }
}

bool parse_value(std::string_view text, LineFormat format, SettingRef setting) {
    switch (format) {
    case LineFormat::Integer:
    case LineFormat::Long: return parse_integer(text, setting);
    case LineFormat::RealFloat:
    case LineFormat::RealDouble: return parse_real(text, setting);
    case LineFormat::Text: return parse_text(text, setting);
    }
    return false;
}

std::string format_value(LineFormat format, SettingRef setting) {
    std::string line;
    switch (format) {
    case LineFormat::Integer:
    case LineFormat::Long: line = std::to_string(*std::get<int*>(setting)); break;
    case LineFormat::RealFloat: line = fixed6(static_cast<double>(*std::get<float*>(setting))); break;
    case LineFormat::RealDouble: line = fixed6(*std::get<double*>(setting)); break;
    case LineFormat::Text: line = line_safe_text(*std::get<std::string*>(setting)); break;
    }
    return line + "\r\n";
}

}  // namespace zel
