#include "instruments/records/line_block.h"

#include <string>

#include "instruments/records/record_fields.h"
#include "instruments/records/single_byte_text.h"

namespace zel {

using namespace record_fields;

namespace {

// Indexed by the direction setting.
constexpr std::string_view kDirectionLetters = "WSNE";

std::string direction_letter(int direction) {
    if (direction < 0 || direction >= static_cast<int>(kDirectionLetters.size())) return "?";
    return std::string(1, kDirectionLetters[static_cast<std::size_t>(direction)]);
}

std::string two_digits(int value) { return integer(value, 2, Padding::Zeros); }

}  // namespace

template <std::size_t R>
Record<R> line_name_record(std::string_view line_name) {
    auto r = blank_record<R>();
    put(r, 0, "L");
    put_padded(r, 1, to_single_byte(line_name, 8), 8);
    // then blanks up to column R-2
    return r;
}

template <std::size_t R>
Record<R> start_station_record(double start_station) {
    auto r = blank_record<R>();
    put(r, 0, "B");
    put(r, 1, fixed(start_station, 11, 2));
    // then blanks up to column R-2
    return r;
}

template <std::size_t R>
Record<R> direction_record(int direction, double station_increment) {
    auto r = blank_record<R>();
    put(r, 0, "A");
    put(r, 1, direction_letter(direction));
    // columns 2..7: blanks
    put(r, 8, fixed(station_increment, 11, 3));
    // then blanks up to column R-2
    return r;
}

template <std::size_t R>
Record<R> date_record(const platform::LocalTime& t) {
    auto r = blank_record<R>();
    put(r, 0, "Z");
    put(r, 1, two_digits(t.day) + two_digits(t.month) + integer(t.year, 4, Padding::Zeros));
    // column 9: blank
    put(r, 10, two_digits(t.hour) + ":" + two_digits(t.minute) + ":" + two_digits(t.second));
    // then blanks up to column R-2
    return r;
}

Record<kLongRecord> line_offset_record(const ChannelOffset& offset) {
    auto r = blank_record<kLongRecord>();
    put(r, 0, "O");
    put(r, 1, fixed(offset.current, 9, 2));
    // column 10: blank
    put(r, 11, fixed(offset.previous, 9, 2));
    // columns 20..25: blanks
    return r;
}

template <std::size_t R>
RecordBlock<R> line_block(const LineBlockValues& v, const platform::LocalTime& time) {
    RecordBlock<R> block{line_name_record<R>(v.line_name), start_station_record<R>(v.start_station),
                         direction_record<R>(v.direction, v.station_increment), date_record<R>(time)};
    // Only the 27-byte EM61 types carry channel offsets.
    if constexpr (R == kLongRecord)
        for (const ChannelOffset& offset : v.channel_offsets) block.push_back(line_offset_record(offset));
    return block;
}

template Record<kLongRecord> line_name_record<kLongRecord>(std::string_view);
template Record<kShortRecord> line_name_record<kShortRecord>(std::string_view);
template Record<kLongRecord> start_station_record<kLongRecord>(double);
template Record<kShortRecord> start_station_record<kShortRecord>(double);
template Record<kLongRecord> direction_record<kLongRecord>(int, double);
template Record<kShortRecord> direction_record<kShortRecord>(int, double);
template Record<kLongRecord> date_record<kLongRecord>(const platform::LocalTime&);
template Record<kShortRecord> date_record<kShortRecord>(const platform::LocalTime&);
template RecordBlock<kLongRecord> line_block<kLongRecord>(const LineBlockValues&, const platform::LocalTime&);
template RecordBlock<kShortRecord> line_block<kShortRecord>(const LineBlockValues&, const platform::LocalTime&);

}  // namespace zel
