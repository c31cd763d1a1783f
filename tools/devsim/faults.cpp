#include "tools/devsim/faults.h"

#include <charconv>
#include <cstdio>
#include <cstdlib>

#include "tools/devsim/nmea_sentence.h"

namespace zel::devsim {

std::optional<FaultRule> FaultRule::parse(std::string_view text) {
    FaultRule rule;
    if (text.starts_with("p=")) {
        std::string value(text.substr(2));
        char* end = nullptr;
        double p = std::strtod(value.c_str(), &end);
        if (value.empty() || *end != '\0' || !(p >= 0.0 && p <= 1.0)) return std::nullopt;
        rule.kind = Kind::Probability;
        rule.probability = p;
        return rule;
    }
    if (text.starts_with("every=")) {
        std::string_view digits = text.substr(6);
        unsigned n = 0;
        auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), n);
        if (digits.empty() || error != std::errc{} || end != digits.data() + digits.size() || n == 0) {
            return std::nullopt;
        }
        rule.kind = Kind::EveryNth;
        rule.every = n;
        return rule;
    }
    return std::nullopt;
}

bool FaultRule::strikes(unsigned long sentence_number, std::mt19937& random) const {
    switch (kind) {
    case Kind::Never: return false;
    case Kind::EveryNth: return sentence_number % every == every - 1;
    case Kind::Probability: return std::bernoulli_distribution(probability)(random);
    }
    return false;
}

std::string with_bad_checksum(std::string sentence) {
    std::size_t star = sentence.rfind('*');
    if (star == std::string::npos || star + 3 > sentence.size()) return sentence;
    unsigned value = 0;
    std::from_chars(sentence.data() + star + 1, sentence.data() + star + 3, value, 16);
    char digits[3];
    std::snprintf(digits, sizeof digits, "%02X", (value ^ 0x5Au) & 0xFFu);
    sentence[star + 1] = digits[0];
    sentence[star + 2] = digits[1];
    return sentence;
}

std::string long_sentence(unsigned length) {
    std::string body = "PZELL,";
    // "$" + body + "*hh" makes the length; pad the body with a repeating pattern to reach it.
    while (body.size() + 4 < length) body.push_back(static_cast<char>('A' + body.size() % 26));
    return nmea_sentence(body);
}

std::string noise_bytes(std::mt19937& random) {
    std::uniform_int_distribution<int> count(1, 16);
    std::uniform_int_distribution<int> byte(0, 255);
    std::string out(static_cast<std::size_t>(count(random)), '\0');
    for (char& c : out) c = static_cast<char>(byte(random));
    return out;
}

}  // namespace zel::devsim
