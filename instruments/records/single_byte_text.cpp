#include "instruments/records/single_byte_text.h"

#include <cstdint>

namespace zel {

namespace {

constexpr char kUnmapped = '?';

// Length of the UTF-8 sequence a lead byte opens, 0 for a byte that cannot lead one.
std::size_t sequence_length(std::uint8_t lead) {
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) return 2;
    if (lead >= 0xE0 && lead <= 0xEF) return 3;
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    return 0;
}

// Decodes one character at text[i], advancing i; returns -1 for a malformed sequence, which
// then costs one byte so that decoding resynchronises on the next lead byte.
long decode(std::string_view text, std::size_t& i) {
    const auto lead = static_cast<std::uint8_t>(text[i]);
    const std::size_t length = sequence_length(lead);
    if (length == 0 || i + length > text.size()) {
        ++i;
        return -1;
    }
    long code = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
        const auto next = static_cast<std::uint8_t>(text[i + k]);
        if ((next & 0xC0) != 0x80) {
            ++i;
            return -1;
        }
        code = (code << 6) | (next & 0x3F);
    }
    i += length;
    return code;
}

char to_byte(long code) {
    if (code < 0x20 || code == 0x7F || code > 0xFF) return kUnmapped;
    return static_cast<char>(static_cast<unsigned char>(code));
}

}  // namespace

std::string to_single_byte(std::string_view utf8, std::size_t max_characters) {
    std::string bytes;
    std::size_t i = 0;
    while (i < utf8.size() && bytes.size() < max_characters) bytes += to_byte(decode(utf8, i));
    return bytes;
}

}  // namespace zel
