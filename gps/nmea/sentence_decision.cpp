#include "gps/nmea/sentence_decision.h"

#include <cstdlib>

#include "app/run/run_state.h"

namespace zel {

namespace {

// Ticks wrap after about 49.7 days, so order and distance are taken from the signed difference.
std::int64_t tick_difference(platform::Tick later, platform::Tick earlier) {
    return static_cast<std::int32_t>(later - earlier);
}

bool recorded(platform::Tick tick, RunState run_state, platform::Tick logging_start_tick) {
    return run_state == RunState::Logging && tick_difference(tick, logging_start_tick) >= 0;
}

std::optional<GpsRecord> record_if_logging(const GpsSentenceContext& context, platform::Tick tick, GpsRecord record) {
    if (!recorded(tick, context.run_state, context.logging_start_tick)) return std::nullopt;
    return record;
}

}  // namespace

std::optional<std::uint32_t> GpsSentenceDecision::message() const {
    switch (forward) {
        case GpsForward::Fix: return device_message::GpsPosition;
        case GpsForward::Dop: return device_message::GpsEvent;
        case GpsForward::None: break;
    }
    return std::nullopt;
}

platform::Tick min_fix_interval_ms(int max_gps_display_index) {
    return max_gps_display_index == 1 ? 410 : 910;
}

GpsSentenceDecision decide_gps_sentence(std::string_view sentence, platform::Tick tick, const GpsSentenceContext& context,
                                        GpsHandlerState& state) {
    GpsSentenceDecision d;
    d.check = check_nmea_sentence(sentence, sentence_type_info(context.type).checksum);
    if (d.check != SentenceCheck::Ok) {
        d.record = record_if_logging(context, tick, {kRejectedGpsRecord, kNoFlag, false});
        return d;
    }
    if (contains_tag(sentence, context.layout.tag)) {
        char flag = kNoFlag;
        if (std::llabs(tick_difference(tick, state.last_fix_tick)) > context.min_fix_interval) {
            state.last_fix_tick = tick;
            state.fix_forwarded = true;
            d.forward = GpsForward::Fix;
            flag = kNewPositionFlag;
        }
        d.record = record_if_logging(context, tick, {kAcceptedGpsRecord, flag, true});
        return d;
    }
    if (context.type == GpsSentenceType::RtsPgga) {
        d.record = record_if_logging(context, tick, {kAcceptedGpsRecord, kNoFlag, false});
        return d;
    }
    // A sentence that is itself the fix never counts as the GSA following it.
    if (context.type == GpsSentenceType::GgaGsa && state.fix_forwarded && sentence.find("GSA") != std::string_view::npos) {
        state.fix_forwarded = false;
        d.forward = GpsForward::Dop;
        d.record = record_if_logging(context, tick, {kAcceptedGpsRecord, kNoFlag, false});
    }
    return d;
}

std::optional<GpsRecord> decide_total_station_block(platform::Tick tick, RunState run_state,
                                                    platform::Tick logging_start_tick) {
    if (!recorded(tick, run_state, logging_start_tick)) return std::nullopt;
    return GpsRecord{kAcceptedGpsRecord, kNewPositionFlag, true};
}

}  // namespace zel
