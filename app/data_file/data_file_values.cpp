#include "app/data_file/data_file_values.h"

#include "app/catalogue/catalogue.h"

namespace zel {

HeaderValues header_values(const BuildConfig& build, const Settings& s, const DerivedSettings& derived,
                           const RunFacts& facts, std::string_view base_name) {
    HeaderValues v;
    v.type = build.type;
    v.em61mk2_variant = build.em61mk2_variant;
    v.minelab_f3 = is_minelab_f3(build, s.em61mk2_type);
    v.header_tag = header_tag(build, s.em61mk2_type).value_or("");
    v.version_digits = header_version_digits(build).value_or("");

    v.gps_enabled = s.gps_enabled == 1;
    v.units = s.units;
    // The working survey mode: a run may have changed it from the stored one.
    v.survey_mode = static_cast<SurveyMode>(derived.working_survey_mode);
    // One setting holds the sensor count (GRAD601, G823) or the sensor size (the others).
    v.sensor_count = s.sensors;
    v.sensor_size = s.sensors;
    v.dipole_mode = s.dipole_mode;
    v.em_mode = s.em_mode;
    v.em31_type = s.em31_type;
    v.em38mk2_type = s.em38mk2_type;
    v.orientation = facts.orientation;

    v.base_name = base_name;
    v.reading_interval_s = s.reading_interval;
    v.wheel_increment = s.station_increment[1];
    v.manual_increment = s.station_increment[2];
    v.samples_per_reading = s.manual_samples;

    v.gps_x_offset = s.gps_x_offset;
    v.gps_y_offset = s.gps_y_offset;
    v.storage_location = static_cast<int>(facts.storage);
    v.gps_sentence_type = s.gps_sentence_type;
    v.rts_pgga_units = s.rts_pgga_units;
    v.rts_trimble_units = s.rts_trimble_units;
    v.max_gps_display = s.max_gps_display;
    v.instrument_enabled = s.instrument_enabled == 1;
    v.f3_decimation = s.f3_decimation;
    v.em61mk2_output_flag = facts.em61mk2_output_flag;

    for (std::size_t sensor = 0; sensor < v.g823_sensor_offsets.size(); ++sensor)
        v.g823_sensor_offsets[sensor] = s.g823_sensor_offset[sensor];
    for (const ChannelOffset& offset : facts.channel_offsets) v.channel_offsets.push_back(offset.current);
    return v;
}

LineBlockValues line_block_values(const Settings& s, const DerivedSettings& derived, const RunFacts& facts) {
    LineBlockValues v;
    v.line_name = s.line_name;
    v.start_station = s.start_station;
    v.direction = s.direction;
    // The increment in force: its sign flips on alternate lines.
    v.station_increment = derived.station_increment;
    v.channel_offsets = facts.channel_offsets;
    return v;
}

}  // namespace zel
