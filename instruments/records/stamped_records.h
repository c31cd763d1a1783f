#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "instruments/records/record.h"
#include "platform/clock/clock.h"

// Records that stamp a moment of the run with the tick of their writing: time, station, comment
// and event records. R is the record length of the build (27, or 24 for the EM family).
namespace zel {

enum class CommentKind : char {
    Comment = 'C',  // typed by the operator
    Event = 'X',    // written by the run itself
};

// Event texts; the connection-end text carries its two trailing blanks.
inline constexpr std::string_view kEventStartedProfile = "$STARTED0";
inline constexpr std::string_view kEventStartedMap = "$STARTED1";
inline constexpr std::string_view kEventPaused = "$PAUSED";
inline constexpr std::string_view kEventConnectionBreak = "$CONN BREAK";
inline constexpr std::string_view kEventConnectionEnd = "$CONN END  ";

// "$F %6ld": the number of fix sentences written as GPS sentence records.
std::string gps_record_count_event(std::int32_t gps_record_counter);
// "$P %6d": the number of positions in the GPS track store; written right after "$F".
std::string saved_position_count_event(std::int32_t saved_positions);

template <std::size_t R>
Record<R> time_record(const platform::LocalTime& time, platform::Tick tick);

template <std::size_t R>
Record<R> station_record(double station, platform::Tick tick);

// The text is UTF-8 operator text or an event text, cut after eleven characters.
template <std::size_t R>
Record<R> comment_record(CommentKind kind, std::string_view text, platform::Tick tick);

}  // namespace zel
