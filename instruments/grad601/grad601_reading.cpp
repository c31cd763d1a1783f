#include "instruments/grad601/grad601_reading.h"

#include "app/app_state.h"
#include "instruments/grad601/numeric_field.h"
#include "instruments/records/record_fields.h"

namespace zel {

namespace {

// Counts one recorded reading towards the next beep. ">=" rather than "==": a counter left above
// a smaller interval (Auto paused at 7, resumed in Wheel with 5) would otherwise never beep again.
bool count_towards_beep(ReadingCounters& counters) {
    ++counters.beep_counter;
    if (counters.beep_counter < counters.beep_interval) return false;
    counters.beep_counter = 0;
    return true;
}

// The Logging-only half of a reading: record, beep, station.
void record_reading(AppState& app, std::string_view sentence, platform::Tick start_tick, ViewMode view,
                    Grad601Shown& shown) {
    ReadingCounters& counters = app.readings;
    ++counters.reading_counter;
    app.records.write_reading_sentence(sentence, counters.reading_counter, start_tick);

    if (app.settings.audio == 1) shown.beep = count_towards_beep(counters);

    if (counters.station_started) app.derived.current_station += app.derived.station_increment;
    counters.station_started = true;
    shown.station_text = station_field_text(app.derived.current_station);

    shown.scroll_step = view == ViewMode::Profile;
}

}  // namespace

Grad601Readings parse_pbar(std::string_view sentence, int sensor_setting) {
    Grad601Readings readings;
    readings.sensors = sensor_setting == 2 ? 2 : 1;
    readings.values[0] = numeric_field_value(sentence, 1);
    if (readings.sensors == 2) readings.values[1] = numeric_field_value(sentence, 2);
    return readings;
}

Grad601Rows grad601_rows(const Grad601Readings& readings, RowScale profile, RowScale bar) {
    Grad601Rows rows;
    for (int sensor = 0; sensor < readings.sensors; ++sensor) {
        rows.profile[sensor] = row_of(readings.values[sensor], profile);
        rows.bar[sensor] = row_of(readings.values[sensor], bar);
    }
    return rows;
}

Grad601Shown handle_grad601_reading(AppState& app, std::string_view sentence, platform::Tick start_tick,
                                    ViewMode view) {
    Grad601Shown shown;
    shown.readings = parse_pbar(sentence, app.settings.sensors);
    const float maximum = app.settings.profile_max;
    shown.rows = grad601_rows(shown.readings, {maximum, app.derived.group1.profile_factor},
                              {maximum, app.derived.group1.bar_factor});

    const bool logging = app.run_status.state == RunState::Logging;
    if (logging) record_reading(app, sentence, start_tick, view, shown);

    shown.background = logging ? ValueBackground::Green : ValueBackground::LightGrey;
    if (shown.readings.sensors == 2) shown.reading2_text = reading_field_text(shown.readings.values[1]);
    shown.reading1_text = reading_field_text(shown.readings.values[0]);

    const platform::Tick now = app.clock.tick();
    if (battery_refresh_due(now, app.readings.last_battery_refresh)) {
        shown.refresh_battery = true;
        app.readings.last_battery_refresh = now;
    }
    return shown;
}

std::string station_field_text(double station) {
    std::string text = record_fields::fixed(station, 0, 2);
    if (text.size() < 11) text.append(11 - text.size(), ' ');
    return text;
}

std::string reading_field_text(float reading) { return record_fields::fixed(reading, 10, 3); }

}  // namespace zel
