#include "gps/nmea/sentence_handler.h"

#include "app/run/logging_window.h"
#include "gps/nmea/sentence_type.h"

namespace zel {

namespace {

void write_record(AppState& app, std::string_view text, const GpsRecord& record, platform::Tick tick) {
    if (record.counted) ++app.gps.record_counter;
    app.records.write_gps_sentence(text, record.family, app.gps.record_counter, record.flag, tick,
                                   app.gps.logging_start_tick);
}

void handle_nmea_sentence(AppState& app, platform::Window logging_window) {
    const NmeaSentence& sentence = app.gps.sentence;
    const GpsSentenceDecision d =
        decide_gps_sentence(sentence.view(), sentence.start_tick, gps_sentence_context(app), app.gps.handler);
    // The fix handling runs before the record is written.
    if (const auto message = d.message()) logging_window.send(*message);
    if (d.record) write_record(app, sentence.view(), *d.record, sentence.start_tick);
}

void handle_total_station_block(AppState& app, const TotalStationBlockRing::Slot& block) {
    if (const auto record = decide_total_station_block(block.start_tick, app.run_status.state, app.gps.logging_start_tick))
        write_record(app, block.view(), *record, block.start_tick);
}

}  // namespace

GpsSentenceContext gps_sentence_context(const AppState& app) {
    GpsSentenceContext context;
    context.type = gps_sentence_type(app.settings.gps_sentence_type).value_or(kDefaultGpsSentenceType);
    apply_sentence_type_setting(app.settings.gps_sentence_type, context.layout);
    context.min_fix_interval = static_cast<platform::Tick>(app.derived.min_fix_interval_ms);
    context.run_state = app.run_status.state;
    context.logging_start_tick = app.gps.logging_start_tick;
    return context;
}

bool handle_gps_sentence(AppState& app, platform::Window logging_window) {
    // Only one GPS reader runs, so whichever hand-over holds something is the one that sent.
    if (TotalStationBlockRing::Slot block; app.gps.blocks.pop(block)) {
        handle_total_station_block(app, block);
        return true;
    }
    if (!app.run.gps.pop(app.gps.sentence)) return false;
    handle_nmea_sentence(app, logging_window);
    return true;
}

namespace logging_handler {

platform::LResult gps_sentence(platform::Window w, platform::MessageId, platform::WParam, platform::LParam) {
    if (AppState* app = w.data<AppState>()) handle_gps_sentence(*app, w);
    return 0;
}

}  // namespace logging_handler

}  // namespace zel
