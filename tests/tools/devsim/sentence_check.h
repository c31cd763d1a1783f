#pragma once

// Reading simulator output back the way a receiver's listener would, independent of the code
// that wrote it.

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace zel::devsim::test {

// True when the sentence is "$" body "*" hh CR LF and hh (either case) is the XOR of body.
inline bool checksum_ok(const std::string& s) {
    if (s.size() < 6 || s[0] != '$' || s.substr(s.size() - 2) != "\r\n") return false;
    std::size_t star = s.rfind('*');
    if (star == std::string::npos || star + 5 != s.size()) return false;
    unsigned sum = 0;
    for (std::size_t i = 1; i < star; ++i) sum ^= static_cast<unsigned char>(s[i]);
    return std::strtoul(s.substr(star + 1, 2).c_str(), nullptr, 16) == sum;
}

// Field n counted from 1 (the address), split at commas, the last one without "*hh" CR LF.
inline std::string field(const std::string& s, int n) {
    std::string body = s.substr(0, s.rfind('*'));
    std::vector<std::string> fields(1);
    for (char c : body) {
        if (c == ',') {
            fields.emplace_back();
        } else {
            fields.back().push_back(c);
        }
    }
    return n >= 1 && static_cast<std::size_t>(n) <= fields.size() ? fields[n - 1] : "<missing>";
}

// ddmm.mmm or dddmm.mmm with its hemisphere letter, as signed degrees.
inline double degrees(const std::string& value, const std::string& hemisphere, int degree_digits) {
    double d = std::atof(value.substr(0, degree_digits).c_str());
    double m = std::atof(value.substr(degree_digits).c_str());
    double v = d + m / 60.0;
    return hemisphere == "S" || hemisphere == "W" ? -v : v;
}

}  // namespace zel::devsim::test
