#pragma once

#include <optional>
#include <string_view>

namespace zel {

// The n-th numeric field (from 1) of an instrument sentence. A field starts at the first of
// "+-.0123456789" at or after the search position, everything before it skipped (separators and
// the "$PBAR" prefix alike), and runs up to the next separator or the end of the text; the next
// field is searched after that separator. Empty fields are thereby skipped: in "$PBAR,,7" field 1
// is "7" and there is no field 2.
std::optional<std::string_view> numeric_field(std::string_view text, int n, char separator = ',');

// The value of numeric field n, read as the C library's decimal conversion reads a field, with a
// point as separator whatever the locale. A missing field, a field that does not convert, and a
// value that is not finite in single precision read as 0: a reading is shown and drawn as a
// number, while the data file keeps the sentence's own text.
float numeric_field_value(std::string_view text, int n, char separator = ',');

}  // namespace zel
