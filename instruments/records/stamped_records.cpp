#include "instruments/records/stamped_records.h"

#include "instruments/records/record_fields.h"
#include "instruments/records/single_byte_text.h"

namespace zel {

using namespace record_fields;

std::string gps_record_count_event(std::int32_t gps_record_counter) {
    return "$F " + integer(gps_record_counter, 6);
}

std::string saved_position_count_event(std::int32_t saved_positions) {
    return "$P " + integer(saved_positions, 6);
}

template <std::size_t R>
Record<R> time_record(const platform::LocalTime& time, platform::Tick tick) {
    auto r = blank_record<R>();
    put(r, 0, "*");
    put(r, 1, integer(time.hour, 2, Padding::Zeros) + ":" + integer(time.minute, 2, Padding::Zeros) + ":" +
                  integer(time.second, 2, Padding::Zeros) + "." + integer(time.millisecond, 3, Padding::Zeros));
    // columns 13..R-12: blanks (none in a 24-byte record)
    put_tick(r, tick);
    return r;
}

template <std::size_t R>
Record<R> station_record(double station, platform::Tick tick) {
    auto r = blank_record<R>();
    put(r, 0, "S");
    put(r, 1, fixed(station, 11, 2));
    // columns 12..R-12: separator blanks, four or one
    put_tick(r, tick);
    return r;
}

template <std::size_t R>
Record<R> comment_record(CommentKind kind, std::string_view text, platform::Tick tick) {
    auto r = blank_record<R>();
    put(r, 0, std::string(1, static_cast<char>(kind)));
    put_padded(r, 1, to_single_byte(text, 11), 11);
    // columns 12..R-12: separator blanks, four or one
    put_tick(r, tick);
    return r;
}

template Record<kLongRecord> time_record<kLongRecord>(const platform::LocalTime&, platform::Tick);
template Record<kShortRecord> time_record<kShortRecord>(const platform::LocalTime&, platform::Tick);
template Record<kLongRecord> station_record<kLongRecord>(double, platform::Tick);
template Record<kShortRecord> station_record<kShortRecord>(double, platform::Tick);
template Record<kLongRecord> comment_record<kLongRecord>(CommentKind, std::string_view, platform::Tick);
template Record<kShortRecord> comment_record<kShortRecord>(CommentKind, std::string_view, platform::Tick);

}  // namespace zel
