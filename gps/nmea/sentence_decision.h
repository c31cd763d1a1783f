#pragma once

// What the GPS sentence handler does with one framed sentence, decided without side effects:
// whether it becomes a fix (message 1035) or a DOP follow-up (1040), and which GPS sentence
// record, if any, goes to the data file. The caller acts on the result in this order, so that
// the fix handling runs before the record is written:
//
//     const GpsSentenceDecision d = decide_gps_sentence(text, tick, context, state);
//     if (const auto message = d.message()) send(*message);
//     if (d.record) {
//         if (d.record->counted) ++gps_record_counter;
//         write(gps_sentence_records<R>(text, d.record->family, gps_record_counter, d.record->flag, tick));
//     }

#include <cstdint>
#include <optional>
#include <string_view>

#include "app/run/run_state.h"
#include "gps/nmea/nmea_checksum.h"
#include "gps/nmea/sentence_type.h"
#include "instruments/records/sentence_records.h"
#include "platform/clock/clock.h"

namespace zel {

struct GpsRecord {
    SentenceFamily family;  // kGpsSentence or kRejectedGpsSentence
    GpsFlag flag;           // NewPosition when the sentence was forwarded as a fix
    bool counted;           // a fix sentence: the GPS record counter goes up before the record is written
};

enum class GpsForward {
    None,
    Fix,  // message 1035
    Dop,  // message 1040: a GSA sentence following a forwarded fix
};

struct GpsSentenceDecision {
    SentenceCheck check = SentenceCheck::Ok;
    GpsForward forward = GpsForward::None;
    std::optional<GpsRecord> record;

    std::optional<std::uint32_t> message() const;
};

// Kept across logging runs; both start at 0 when the program loads.
struct GpsHandlerState {
    platform::Tick last_fix_tick = 0;  // start tick of the last sentence forwarded as a fix
    bool fix_forwarded = false;        // a fix went out and no GSA has followed it yet
};

struct GpsSentenceContext {
    GpsSentenceType type = kDefaultGpsSentenceType;
    FieldLayout layout = default_field_layout();
    platform::Tick min_fix_interval = 910;  // the derived setting: 910 ms at "1 Hz", 410 ms at "2 Hz"
    RunState run_state = RunState::Monitor;
    platform::Tick logging_start_tick = 0;  // sentences that began before it are not recorded
};

GpsSentenceDecision decide_gps_sentence(std::string_view sentence, platform::Tick tick, const GpsSentenceContext& context,
                                        GpsHandlerState& state);

// A finished total-station block is always a new position; it is recorded like a fix sentence.
std::optional<GpsRecord> decide_total_station_block(platform::Tick tick, RunState run_state,
                                                    platform::Tick logging_start_tick);

}  // namespace zel
