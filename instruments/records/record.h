#pragma once

#include <array>
#include <cstddef>
#include <vector>

#include "app/build_config.h"

namespace zel {

// One fixed-length record of a data file: columns 0..R-2 printable, a line feed in column R-1.
template <std::size_t R>
using Record = std::array<char, R>;

// The records of one block (header, line block, sentence family), in file order.
template <std::size_t R>
using RecordBlock = std::vector<Record<R>>;

inline constexpr std::size_t kLongRecord = 27;
inline constexpr std::size_t kShortRecord = 24;

// The EM family with a 24-byte record; every other type, the EM38-MK2 included, writes 27 bytes.
constexpr bool uses_short_records(InstrumentType type) {
    return type_number(type) >= 0 && type_number(type) <= 6;
}

constexpr std::size_t record_length(InstrumentType type) {
    return uses_short_records(type) ? kShortRecord : kLongRecord;
}

}  // namespace zel
