#pragma once

#include <cstddef>
#include <string_view>

namespace zel::platform {

inline constexpr char32_t kReplacementCharacter = 0xFFFD;

// Decodes the code point at text[pos] and moves pos past it. A malformed or truncated sequence,
// an overlong form or a surrogate gives U+FFFD and skips one byte, so bad text still draws and
// measures instead of stopping.
char32_t next_code_point(std::string_view text, std::size_t& pos);

}  // namespace zel::platform
