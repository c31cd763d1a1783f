#pragma once

#include <string_view>
#include <vector>

#include "instruments/records/record.h"
#include "platform/clock/clock.h"

// The line block written when the file is created and at every new survey line: "L", "B", "A"
// and "Z", and for the EM61 and EM61-MK2 one offset record per channel.
namespace zel {

struct ChannelOffset {
    double current = 0.0;
    double previous = 0.0;
};

// The values in force when the line starts: exactly what the line block reads.
struct LineBlockValues {
    std::string_view line_name;  // the operator's "Survey Line" text, UTF-8
    double start_station = 0.0;
    int direction = 0;  // 0 West, 1 South, 2 North, 3 East
    double station_increment = 0.0;
    std::vector<ChannelOffset> channel_offsets;  // EM61, EM61-MK2 only; empty otherwise
};

template <std::size_t R>
Record<R> line_name_record(std::string_view line_name);

template <std::size_t R>
Record<R> start_station_record(double start_station);

template <std::size_t R>
Record<R> direction_record(int direction, double station_increment);

template <std::size_t R>
Record<R> date_record(const platform::LocalTime& time);

// Also written on its own when a nulling of the offsets completes.
Record<kLongRecord> line_offset_record(const ChannelOffset& offset);

template <std::size_t R>
RecordBlock<R> line_block(const LineBlockValues& values, const platform::LocalTime& time);

}  // namespace zel
