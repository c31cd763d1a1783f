#include "instruments/records/reading_records.h"

#include <string>

#include "instruments/records/record_fields.h"

namespace zel {

using namespace record_fields;

namespace {

std::string_view as_text(std::span<const std::uint8_t> bytes) {
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

}  // namespace

Record<kLongRecord> ferex_reading_record(int channel, std::span<const std::uint8_t> frame, double reading,
                                         platform::Tick frame_tick) {
    auto r = blank_record<kLongRecord>();
    put(r, 0, "T");
    put_digit(r, 1, channel);
    put_padded(r, 2, as_text(frame), 4);
    put(r, 6, fixed(reading, 10, 3));
    put_tick(r, frame_tick);
    return r;
}

Record<kLongRecord> em61_reading_record(std::string_view sentence, platform::Tick tick) {
    auto r = blank_record<kLongRecord>();
    put_padded(r, 0, sentence, 15);
    // column 15: blank
    put_tick(r, tick);
    return r;
}

Record<kLongRecord> em61mk2_reading_record(std::string_view sentence, platform::Tick frame_tick) {
    auto r = blank_record<kLongRecord>();
    put_padded(r, 0, sentence, 16);
    put_tick(r, frame_tick);
    return r;
}

Record<kLongRecord> f3_reading_record(std::string_view sentence, platform::Tick sentence_tick) {
    auto r = blank_record<kLongRecord>();
    put_padded(r, 0, sentence, 6);
    // columns 6..15: blanks
    put_tick(r, sentence_tick);
    return r;
}

Record<kShortRecord> em_family_reading_record(std::string_view sentence, platform::Tick data_tick) {
    auto r = blank_record<kShortRecord>();
    put_padded(r, 0, sentence, 12);
    // column 12: blank
    put_tick(r, data_tick);
    return r;
}

Record<kLongRecord> em38mk2_reading_record(std::span<const std::uint8_t, 14> reading, platform::Tick data_tick) {
    auto r = blank_record<kLongRecord>();
    put(r, 0, as_text(reading));
    // columns 14..15: blanks
    put_tick(r, data_tick);
    return r;
}

}  // namespace zel
