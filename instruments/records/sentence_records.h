#pragma once

#include <cstdint>
#include <string_view>

#include "instruments/records/record.h"
#include "platform/clock/clock.h"

// A sentence record family carries one whole sentence, from its "$" to the character before
// the carriage return, spread over records of R - 2 sentence characters each (first record,
// continuation records), and closes with a trailer holding a counter and the sentence start tick.
namespace zel {

struct SentenceFamily {
    char first;         // K1
    char continuation;  // K2
    char trailer;       // K3
};

inline constexpr SentenceFamily kReadingSentence{'T', '=', '>'};   // GRAD601 and G823 readings
inline constexpr SentenceFamily kGpsSentence{'@', '#', '!'};       // accepted GPS sentences
inline constexpr SentenceFamily kRejectedGpsSentence{'?', '"', '!'};  // rejected GPS sentences

// The character after the counter in a GPS trailer.
enum class GpsFlag : char {
    None = ' ',
    NewPosition = 'p',  // the sentence was taken as a new position
};

// A reading's family: "T", "=" records and the ">" trailer with the reading counter.
template <std::size_t R>
RecordBlock<R> reading_sentence_records(std::string_view sentence, std::int32_t reading_counter,
                                        platform::Tick start_tick);

// A GPS sentence's family with the GPS record counter and the flag after it.
template <std::size_t R>
RecordBlock<R> gps_sentence_records(std::string_view sentence, SentenceFamily family,
                                    std::int32_t gps_record_counter, GpsFlag flag,
                                    platform::Tick start_tick);

// A GPS sentence that started before logging did is not written. Ticks wrap after about 49.7
// days, so "before" is the sign of the wrapped difference: a run that starts just before the
// wrap keeps writing the sentences that follow it.
constexpr bool started_before_logging(platform::Tick sentence_start_tick, platform::Tick logging_start_tick) {
    return static_cast<std::int32_t>(sentence_start_tick - logging_start_tick) < 0;
}

}  // namespace zel
