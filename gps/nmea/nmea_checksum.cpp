#include "gps/nmea/nmea_checksum.h"

#include <optional>

#include "gps/nmea/nmea_framer.h"

namespace zel {

namespace {

int hex_digit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool is_blank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// The value of the checksum field; large values saturate, which still compares unequal.
std::optional<long> read_checksum_field(std::string_view field) {
    std::size_t i = 0;
    while (i < field.size() && is_blank(field[i])) ++i;
    bool negative = false;
    if (i < field.size() && (field[i] == '+' || field[i] == '-')) negative = field[i++] == '-';
    if (i + 2 < field.size() && field[i] == '0' && (field[i + 1] == 'x' || field[i + 1] == 'X') &&
        hex_digit(field[i + 2]) >= 0) {
        i += 2;
    }
    long value = 0;
    bool any_digit = false;
    for (; i < field.size() && hex_digit(field[i]) >= 0; ++i) {
        any_digit = true;
        if (value < 0x1000000) value = value * 16 + hex_digit(field[i]);
    }
    if (!any_digit) return std::nullopt;
    return negative ? -value : value;
}

}  // namespace

std::uint8_t nmea_checksum(std::string_view sentence) {
    std::uint8_t sum = 0;
    for (std::size_t i = 1; i < sentence.size() && sentence[i] != '*'; ++i) sum ^= static_cast<std::uint8_t>(sentence[i]);
    return sum;
}

SentenceCheck check_nmea_sentence(std::string_view sentence, ChecksumTest test) {
    if (sentence.size() > kMaxNmeaSentence) return SentenceCheck::Overlong;
    if (sentence.empty() || sentence[0] != '$') return SentenceCheck::NoDollar;
    const std::size_t star = sentence.find('*');
    if (star == std::string_view::npos) return SentenceCheck::NoStar;
    if (test == ChecksumTest::Skipped) return SentenceCheck::Ok;
    const std::optional<long> given = read_checksum_field(sentence.substr(star + 1));
    if (!given || *given != nmea_checksum(sentence)) return SentenceCheck::BadChecksum;
    return SentenceCheck::Ok;
}

}  // namespace zel
