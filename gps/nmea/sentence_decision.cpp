#include "gps/nmea/sentence_decision.h"

#include <cstdlib>

#include "app/run/run_state.h"

namespace zel {

namespace {

// Ticks wrap after about 49.7 days, so the distance is taken from the signed difference.
std::int64_t tick_distance(platform::Tick a, platform::Tick b) {
    return std::llabs(static_cast<std::int64_t>(static_cast<std::int32_t>(a - b)));
}

// The counter only counts what reaches the file, so the logging-start rule is applied here.
bool recorded(platform::Tick tick, RunState run_state, platform::Tick logging_start_tick) {
    return run_state == RunState::Logging && !started_before_logging(tick, logging_start_tick);
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

GpsSentenceDecision decide_gps_sentence(std::string_view sentence, platform::Tick tick, const GpsSentenceContext& context,
                                        GpsHandlerState& state) {
    GpsSentenceDecision d;
    d.check = check_nmea_sentence(sentence, sentence_type_info(context.type).checksum);
    if (d.check != SentenceCheck::Ok) {
        d.record = record_if_logging(context, tick, {kRejectedGpsSentence, GpsFlag::None, false});
        return d;
    }
    if (contains_tag(sentence, context.layout.tag)) {
        GpsFlag flag = GpsFlag::None;
        if (tick_distance(tick, state.last_fix_tick) > context.min_fix_interval) {
            state.last_fix_tick = tick;
            state.fix_forwarded = true;
            d.forward = GpsForward::Fix;
            flag = GpsFlag::NewPosition;
        }
        d.record = record_if_logging(context, tick, {kGpsSentence, flag, true});
        return d;
    }
    if (context.type == GpsSentenceType::RtsPgga) {
        d.record = record_if_logging(context, tick, {kGpsSentence, GpsFlag::None, false});
        return d;
    }
    // A sentence that is itself the fix never counts as the GSA following it.
    if (context.type == GpsSentenceType::GgaGsa && state.fix_forwarded && sentence.find("GSA") != std::string_view::npos) {
        state.fix_forwarded = false;
        d.forward = GpsForward::Dop;
        d.record = record_if_logging(context, tick, {kGpsSentence, GpsFlag::None, false});
    }
    return d;
}

std::optional<GpsRecord> decide_total_station_block(platform::Tick tick, RunState run_state,
                                                    platform::Tick logging_start_tick) {
    if (!recorded(tick, run_state, logging_start_tick)) return std::nullopt;
    return GpsRecord{kGpsSentence, GpsFlag::NewPosition, true};
}

}  // namespace zel
