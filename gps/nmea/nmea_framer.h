#pragma once

// Frames the GPS port's byte stream into sentences from "$" to line feed. A CR before the line
// feed is dropped; receivers that end lines with a bare LF keep their last character. Each
// sentence is stamped with the tick at which its "$" arrived. The framer does not check
// sentences: everything between "$" and LF is passed on, and the sentence check decides.
//
// Garbage: a "$" always starts a new sentence, discarding what came before it; bytes outside a
// sentence are ignored, and a line feed outside a sentence delivers nothing. A sentence longer
// than the GPS sentence buffer holds is passed on cut to kMaxNmeaSentence + 1 characters, a
// length no whole sentence has, so the sentence check rejects it and the data file still shows
// that something arrived.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

#include "app/run/run_objects.h"
#include "app/run/sentence_ring.h"
#include "platform/clock/clock.h"

namespace zel {

using NmeaSentence = SentenceSlot<kGpsSentenceSize>;

// The longest sentence passed on whole: one less than the GPS sentence buffer's text room.
inline constexpr std::size_t kMaxNmeaSentence = kGpsSentenceSize - 2;

class NmeaFramer {
public:
    std::optional<NmeaSentence> feed(std::uint8_t byte, platform::Tick now);

private:
    enum class State {
        Idle,        // between sentences: everything but "$" is ignored
        Collecting,  // after "$": bytes are stored up to the line feed
        Overlong,    // the sentence outgrew the buffer: further bytes are dropped until the line feed
    };

    NmeaSentence end_of_line();

    // The sentence from its "$", with room for a CR after the longest whole sentence.
    std::array<char, kMaxNmeaSentence + 1> m_buffer{};
    std::size_t m_length = 0;
    platform::Tick m_start_tick = 0;
    State m_state = State::Idle;
};

}  // namespace zel
