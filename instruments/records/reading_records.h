#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "instruments/records/record.h"
#include "platform/clock/clock.h"

// One record per reading for the types that do not write sentence records: the first characters
// of the instrument sentence (its first character is then the record kind) and a tick. A
// sentence shorter than its columns is padded with blanks.
namespace zel {

// Ferex: "T", the channel digit (0 for a frame the reader writes itself), up to four raw frame
// bytes and the reading (0.0 for a reader-written frame); the instrument frame tick.
Record<kLongRecord> ferex_reading_record(int channel, std::span<const std::uint8_t> frame, double reading,
                                         platform::Tick frame_tick);

// EM61: the first 15 characters; the tick at writing.
Record<kLongRecord> em61_reading_record(std::string_view sentence, platform::Tick tick);

// EM61-MK2: the first 16 characters; the instrument frame tick.
Record<kLongRecord> em61mk2_reading_record(std::string_view sentence, platform::Tick frame_tick);

// MineLab F3: the first 6 characters; the F3 sentence tick.
Record<kLongRecord> f3_reading_record(std::string_view sentence, platform::Tick sentence_tick);

// EM family, types 0 to 5: the first 12 characters; the instrument data tick.
Record<kShortRecord> em_family_reading_record(std::string_view sentence, platform::Tick data_tick);

// EM38-MK2: the 14 binary record bytes of the reading; the instrument data tick.
Record<kLongRecord> em38mk2_reading_record(std::span<const std::uint8_t, 14> reading, platform::Tick data_tick);

}  // namespace zel
