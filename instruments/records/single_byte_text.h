#pragma once

#include <string>
#include <string_view>

namespace zel {

// Operator text (line names, comments) arrives as UTF-8 and is written to the data file in
// single bytes: each character up to U+00FF becomes that byte (Latin-1), every other character,
// a malformed UTF-8 sequence and a control character become "?". A control character would break
// the file's reading as text lines; "?" is what the platform's conversion writes for characters
// it cannot map. Cuts to at most max_characters characters of the source text.
std::string to_single_byte(std::string_view utf8, std::size_t max_characters = std::string::npos);

}  // namespace zel
