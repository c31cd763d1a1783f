#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "instruments/records/record.h"
#include "platform/clock/clock.h"

// Column writers shared by every record layout. A field wider than its columns runs on into the
// following columns, as a printf directive would, but never over the line feed: whatever comes
// later in the record (the tick field above all) is written after it and keeps its columns.
namespace zel::record_fields {

enum class Padding { Blanks, Zeros };

// "%<width>.<precision>f" with a point whatever the locale.
std::string fixed(double value, int width, int precision);
// "%<width>ld" or "%0<width>ld" of a 32-bit value.
std::string integer(std::int32_t value, int width, Padding padding = Padding::Blanks);

// A record of blanks ending in a line feed.
void clear(std::span<char> record);
// Writes text from column on; returns the column after it.
std::size_t put(std::span<char> record, std::size_t column, std::string_view text);
// Text cut after width characters and padded with blanks to width.
void put_padded(std::span<char> record, std::size_t column, std::string_view text, std::size_t width);
// One decimal digit; a value that has none shows as "?" rather than shifting the columns after it.
void put_digit(std::span<char> record, std::size_t column, int value);
// The tick field in columns R-11..R-2: "%10ld" of the tick read as a signed 32-bit value.
void put_tick(std::span<char> record, platform::Tick tick);

template <std::size_t R>
Record<R> blank_record() {
    Record<R> record;
    clear(record);
    return record;
}

}  // namespace zel::record_fields
