#pragma once

#include <array>
#include <string_view>
#include <vector>

#include "app/build_config.h"
#include "app/catalogue/screen_kind.h"
#include "instruments/records/record.h"

// The header block that opens every data file: the tag line, the file-name line, the GPS-setup
// line and the type's further header records.
namespace zel {

enum class SurveyMode : int { Auto = 0, Wheel = 1, Manual = 2 };

// The values in force when the file is created: exactly what the header records read.
struct HeaderValues {
    // The build.
    InstrumentType type = InstrumentType::Grad601;
    int em61mk2_variant = 0;  // type -1 build switch, 0..3; non-zero values go into the tag line
    bool minelab_f3 = false;  // type -1 serving a MineLab F3
    std::string_view header_tag;      // nine characters, from the catalogue
    std::string_view version_digits;  // three digits, from the catalogue

    // Tag line.
    bool gps_enabled = false;
    int units = 0;  // 0 metres, 1 feet, 2 US survey feet
    SurveyMode survey_mode = SurveyMode::Auto;  // the working survey mode of the run
    int sensor_count = 1;  // GRAD601 1..2, G823 1..6
    int sensor_size = 0;   // Ferex, EM61, EM61-MK2
    int dipole_mode = 0;
    int em_mode = 0;
    int em31_type = 0;
    int em38mk2_type = 1;  // 1 or 2
    Orientation orientation = Orientation::Portrait;

    // File-name line.
    std::string_view base_name;  // single bytes already
    double reading_interval_s = 0.0;
    double wheel_increment = 0.0;
    double manual_increment = 0.0;
    int samples_per_reading = 0;

    // GPS-setup line.
    double gps_x_offset = 0.0;
    double gps_y_offset = 0.0;
    int storage_location = 0;    // 0 leaves the orientation column blank
    int gps_sentence_type = 1;   // 0..8
    int rts_pgga_units = 0;      // "RTS units" of sentence type 7
    int rts_trimble_units = 0;   // "RTS units" of sentence type 8
    int max_gps_display = 0;     // 0 "1 Hz", 1 "2 Hz"
    bool instrument_enabled = true;
    int f3_decimation = 1;       // MineLab F3, 1..5
    int em61mk2_output_flag = 0; // 1 when the last handshake was answered "OK", 0 for "OV"

    // Further header records.
    std::array<double, 6> g823_sensor_offsets{};  // cross-line offsets of sensors 1..6
    std::vector<double> channel_offsets;          // EM61, EM61-MK2: current offset per channel
    std::array<std::array<double, 2>, 6> em38mk2_calibration{};  // "O1".."O6"
};

template <std::size_t R>
Record<R> tag_line(const HeaderValues& values);

template <std::size_t R>
Record<R> file_name_line(const HeaderValues& values);

template <std::size_t R>
Record<R> gps_setup_line(const HeaderValues& values);

// G823: cross-line offsets of two sensors.
Record<kLongRecord> g823_offset_record(double first_sensor, double second_sensor);
// EM61, EM61-MK2: one channel's current offset.
Record<kLongRecord> header_offset_record(double current_offset);
// EM38-MK2: calibration record "O<number>", number 1..6.
Record<kLongRecord> em38mk2_calibration_record(int number, double first, double second);

// The whole header block of the values' type; R must be the type's record length.
template <std::size_t R>
RecordBlock<R> header_block(const HeaderValues& values);

}  // namespace zel
