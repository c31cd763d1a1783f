#pragma once

// Frames the labelled blocks of a robotic total station. A block begins with ">" and holds lines
// "label=value"; label 37 is the northing and label 38 the easting. The lines of a block are
// joined with commas into one text, e.g. ">,37=5000.125,38=3000.5", which is passed on when the
// next ">" starts a new block, stamped with the tick of its own ">". As soon as a block has given
// both a northing and an easting they are passed on as a position, each rounded through single
// precision as the device's values always have been.
//
// Garbage: bytes before the first ">" are ignored, carriage returns are ignored everywhere, and a
// ">" always starts a new block. A block longer than the record buffer keeps its beginning and
// drops the rest, and a value it cut is never read. A label counts only at the start of a line and with a number after it, so
// "137=" or "37=abc" never give a position.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <variant>

#include "app/run/sentence_ring.h"
#include "platform/clock/clock.h"

namespace zel {

inline constexpr std::size_t kTotalStationBlockSize = 282;

using TotalStationBlock = SentenceSlot<kTotalStationBlockSize>;

struct GridPosition {
    double northing;
    double easting;
};

// A finished block (to be recorded) or a position (to be handed to the fix handling).
using TotalStationEvent = std::variant<TotalStationBlock, GridPosition>;

class TotalStationFramer {
public:
    std::optional<TotalStationEvent> feed(std::uint8_t byte, platform::Tick now);

private:
    enum class Block {
        None,        // no ">" seen yet: bytes are ignored
        Open,        // collecting the current block
        Overflowed,  // the block outgrew the buffer: it is recorded cut, and no label is read from it
    };
    enum class Labels {
        Waiting,       // neither label found in this block yet
        NorthingSeen,  // label 37 taken, waiting for 38
        EastingSeen,   // label 38 taken, waiting for 37
        Both,          // position passed on; the rest of the block is only recorded
    };

    std::optional<TotalStationEvent> start_block(platform::Tick now);
    std::optional<TotalStationEvent> end_of_line();
    void append(char c);
    std::string_view text() const { return {m_buffer.data(), m_length}; }

    std::array<char, kTotalStationBlockSize - 1> m_buffer{};
    std::size_t m_length = 0;
    platform::Tick m_block_tick = 0;
    Block m_block = Block::None;
    Labels m_labels = Labels::Waiting;
    double m_northing = 0.0;
    double m_easting = 0.0;
};

}  // namespace zel
