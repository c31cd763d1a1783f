#pragma once

#include <cstdint>
#include <string_view>

namespace zel {

enum class ChecksumTest { Tested, Skipped };

enum class SentenceCheck {
    Ok,
    NoDollar,     // does not begin with "$"
    NoStar,       // no "*" before the checksum
    BadChecksum,  // the hexadecimal number after "*" differs from the computed one, or is missing
    Overlong,     // longer than any sentence the framer passes on whole
};

// Exclusive-or of the bytes from after the "$" up to, not including, the first "*" (or the end).
std::uint8_t nmea_checksum(std::string_view sentence);

// Checks a framed sentence, e.g. "$GPGLL,4916.45,N,12311.12,W,225444,A*1D". The digits after
// "*" are read like a base-16 string-to-long conversion: optional blanks and sign, an optional
// "0x", then the leading hexadecimal digits in either case; what follows them is ignored. At
// least one digit is required, so a bare "*" never passes by chance.
SentenceCheck check_nmea_sentence(std::string_view sentence, ChecksumTest test);

}  // namespace zel
