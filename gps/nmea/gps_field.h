#pragma once

#include <optional>
#include <string_view>

namespace zel {

// Field n (1-based) of a sentence split at sep. Field 1 is the text before the first separator
// (the whole text when there is none); field n runs from the (n-1)-th separator to the n-th, and
// the last field to the end of the text, so it keeps a checksum suffix such as "A*1D". An empty
// field is an empty view; a sentence with fewer than n-1 separators has no field n.
std::optional<std::string_view> gps_field(std::string_view text, int n, char sep = ',');

// The number at the start of a field, as the C library's decimal conversion reads it: leading
// blanks, an optional sign, then as many characters as form a number. Nothing when no number
// starts the field, so that an empty or garbled field is never taken for zero.
std::optional<double> leading_number(std::string_view field);

}  // namespace zel
