#include "instruments/records/sentence_records.h"

#include <optional>
#include <string>

#include "instruments/records/record_fields.h"

namespace zel {

using namespace record_fields;

namespace {

template <std::size_t R>
Record<R> sentence_part(char kind, std::string_view characters) {
    auto r = blank_record<R>();
    put(r, 0, std::string(1, kind));
    put(r, 1, characters);  // at most R - 2 characters, blanks after a short last part
    return r;
}

template <std::size_t R>
Record<R> trailer(char kind, std::int32_t counter, std::optional<GpsFlag> flag, platform::Tick tick) {
    auto r = blank_record<R>();
    put(r, 0, std::string(1, kind));
    // A counter of seven digits or more runs on into the blanks; the tick field stays put.
    std::size_t column = put(r, 1, integer(counter, 6, Padding::Zeros));
    if (flag) put(r, column, std::string(1, static_cast<char>(*flag)));
    put_tick(r, tick);
    return r;
}

// A sentence of exactly k * (R - 2) characters fills k records and needs no blank-padded one.
template <std::size_t R>
RecordBlock<R> sentence_records(std::string_view sentence, SentenceFamily family, std::int32_t counter,
                                std::optional<GpsFlag> flag, platform::Tick tick) {
    constexpr std::size_t kCharacters = R - 2;
    RecordBlock<R> block;
    block.reserve(sentence.size() / kCharacters + 2);
    block.push_back(sentence_part<R>(family.first, sentence.substr(0, kCharacters)));
    for (std::size_t at = kCharacters; at < sentence.size(); at += kCharacters)
        block.push_back(sentence_part<R>(family.continuation, sentence.substr(at, kCharacters)));
    block.push_back(trailer<R>(family.trailer, counter, flag, tick));
    return block;
}

}  // namespace

template <std::size_t R>
RecordBlock<R> reading_sentence_records(std::string_view sentence, std::int32_t reading_counter,
                                        platform::Tick start_tick) {
    return sentence_records<R>(sentence, kReadingSentence, reading_counter, std::nullopt, start_tick);
}

template <std::size_t R>
RecordBlock<R> gps_sentence_records(std::string_view sentence, SentenceFamily family,
                                    std::int32_t gps_record_counter, GpsFlag flag,
                                    platform::Tick start_tick) {
    return sentence_records<R>(sentence, family, gps_record_counter, flag, start_tick);
}

template RecordBlock<kLongRecord> reading_sentence_records<kLongRecord>(std::string_view, std::int32_t, platform::Tick);
template RecordBlock<kShortRecord> reading_sentence_records<kShortRecord>(std::string_view, std::int32_t, platform::Tick);
template RecordBlock<kLongRecord> gps_sentence_records<kLongRecord>(std::string_view, SentenceFamily, std::int32_t,
                                                                    GpsFlag, platform::Tick);
template RecordBlock<kShortRecord> gps_sentence_records<kShortRecord>(std::string_view, SentenceFamily, std::int32_t,
                                                                      GpsFlag, platform::Tick);

}  // namespace zel
