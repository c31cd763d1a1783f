#pragma once

// Frames the GRAD601's "$PBAR" sentences byte by byte: "$PBAR," then one or two readings
// separated by a comma, ended by CR LF. A sentence is delivered without its CR LF, stamped with
// the tick at which its "$" arrived.
//
// Garbage: bytes outside a sentence are ignored until the next "$", and a "$" always restarts
// collection, so noise can spoil at most the sentence it lands in. A line feed ends every
// sentence, good or bad; a bad one (too short, no CR before the LF, not "$PBAR", or too long for
// the instrument sentence buffer) is dropped whole, never cut or wrapped into something that
// could pass the checks.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

#include "app/run/run_objects.h"
#include "app/run/sentence_ring.h"
#include "platform/clock/clock.h"

namespace zel {

enum class SensorCount { One, Two };

class Grad601Framer {
public:
    using Sentence = SentenceSlot<kInstrumentSentenceSize>;

    // Shortest acceptable sentence, "$" to CR inclusive: "$PBAR,"+CR with one sensor, "$PBAR,1,"+CR
    // with two.
    static constexpr std::size_t min_length(SensorCount sensors) { return sensors == SensorCount::One ? 7 : 9; }

    // The number of sensors is read once, when the reader starts.
    explicit Grad601Framer(SensorCount sensors) : m_min_length(min_length(sensors)) {}

    std::optional<Sentence> feed(std::uint8_t byte, platform::Tick now);

private:
    enum class State {
        Idle,        // between sentences: everything but "$" is ignored
        Collecting,  // after "$": bytes are stored up to the line feed
        Overlong,    // the sentence outgrew the buffer: skip to the line feed and drop it
    };

    std::optional<Sentence> end_of_line();
    bool passes_checks() const;

    // From the "$" up to and including the CR; the text without the CR must fit the instrument
    // sentence buffer with its NUL.
    std::array<char, kInstrumentSentenceSize> m_buffer{};
    std::size_t m_length = 0;
    std::size_t m_min_length;
    platform::Tick m_start_tick = 0;
    State m_state = State::Idle;
};

}  // namespace zel
