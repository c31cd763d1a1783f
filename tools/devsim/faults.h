#pragma once

#include <optional>
#include <random>
#include <string>
#include <string_view>

namespace zel::devsim {

// When a fault strikes: with a probability per sentence, or on every n-th sentence.
struct FaultRule {
    enum class Kind { Never, Probability, EveryNth };
    Kind kind = Kind::Never;
    double probability = 0.0;
    unsigned every = 0;

    // "p=0.1" or "every=5".
    static std::optional<FaultRule> parse(std::string_view text);
    bool strikes(unsigned long sentence_number, std::mt19937& random) const;
};

struct Faults {
    FaultRule bad_checksum;
    FaultRule lower_case_checksum;
    FaultRule long_sentence;  // an over-long proprietary sentence is sent before this one
    FaultRule noise;          // a few random bytes are sent before this one
    unsigned long_length = 240;
};

// Gives a finished sentence ("$...*hh\r\n") a checksum that is wrong.
std::string with_bad_checksum(std::string sentence);
// A proprietary sentence of `length` characters before CR LF, with a correct checksum.
std::string long_sentence(unsigned length);
// 1 to 16 random bytes.
std::string noise_bytes(std::mt19937& random);

}  // namespace zel::devsim
