#pragma once

// The settings record: every persisted setting of the system, in the order of the settings
// file. Which of them a build writes is the line table's business (settings_lines.h).

#include "app/build_config.h"

#include <array>
#include <cstdint>
#include <string>

namespace zel {

// The survey line name is typed with at most this many characters.
inline constexpr std::size_t kLineNameMaxLength = 23;

// A Windows colour value 0x00BBGGRR, kept and written as a signed 32-bit integer.
using Colour = std::int32_t;

struct Settings {
    int instrument_enabled = 1;  // 0 "Disabled", 1 "Enabled"
    // GRAD601: number of sensors (1, 2); G823: number of sensors (1..6); Ferex, EM61, EM61-MK2:
    // sensor size index.
    int sensors = 0;
    int em31_type = 0;       // 0 "Standard", 1 "Short 2 m"
    int em61mk2_type = 0;    // 0 "Standard" .. 3 "High Power NCC", 4 "MineLab F3"
    int f3_decimation = 2;   // 1 "None", 2..5
    int units = 0;           // 0 meters, 1 feet, 2 US survey feet
    int speed_units = 0;     // 0 m/s, 1 ft/s, 2 km/h, 3 mph
    int instrument_port = 0; // 0..17 for COM1..COM18
    int g823_baud_index = 5; // 0..9 for 300 .. 115200
    int audio = 1;
    int pause_key = 0;       // 0 any key, 1 space, 2 enter, 3 "S"
    int soft_keyboard = 1;

    std::array<int, 8> channel_shown{1, 1, 1, 1, 1, 1, 1, 1};
    std::array<int, 8> channel_thickness{2, 3, 4, 1, 2, 4, 3, 1};
    std::array<Colour, 8> channel_colour{16711680, 65280, 255, 16711935, 16776960, 65535, 32896, 8421376};

    int profile_amplitude = 0;  // 0 linear, 1 compressed
    float profile_min = 0.0f;
    float profile_max = 2000.0f;
    float profile2_min = -25.0f;  // the second ("Inphase") channel group
    float profile2_max = 25.0f;

    int gps_enabled = 1;
    int gps_sentence_type = 1;  // 0 "GGA/GSA" .. 8 "RTS Trimble"
    int gps_port = 1;
    int gps_baud_index = 1;     // 0..5 for 4800 .. 115200
    int gps_data_bits = 1;      // 0 for 7, 1 for 8
    int gps_parity = 0;         // 0 none, 1 even, 2 odd
    int gps_stop_bits = 0;      // 0 for 1, 1 for 2
    int max_gps_display = 0;    // 0 "1 Hz", 1 "2 Hz"

    float speed_min = 0.0f;     // always 0 once loaded
    float speed_max = 10.0f;    // in the speed units

    int survey_mode = 0;        // 0 Auto, 1 Wheel, 2 Manual
    int em_mode = 0;
    int dipole_mode = 0;        // 0 vertical, 1 horizontal, 2 both
    int manual_samples = 10;    // samples per reading in the Manual mode
    int em38mk2_type = 2;       // 1 "EM38-MK2-1", 2 "EM38-MK2"
    std::array<float, 6> em38mk2_calibration{};  // c0..c5

    std::array<double, 3> station_increment{1.0, 0.2, 2.0};  // by survey mode
    float reading_interval = 0.2f;  // seconds
    std::string line_name = "0";    // at most kLineNameMaxLength bytes of 8-bit text
    double line_increment = 1.0;
    int sequence = 0;               // 0 alternate, 1 one way
    int direction = 1;              // 0 W, 1 S, 2 N, 3 E
    double start_station = 0.0;
    int coordinates = 0;            // 0 geodetic, 1 UTM m, 2 UTM ft, 3 UTM US ft

    // Map symbols and colours of the current, the saved and the external positions.
    std::array<int, 3> map_symbol_size{5, 4, 3};
    std::array<Colour, 3> map_colour{16711680, 255, 65280};

    int ascii_north_column = 1;  // 0..9 for "Column 1" .. "Column 10"
    int ascii_east_column = 0;
    int ascii_delimiter = 0;     // 0 space, 1 comma, 2 tab, 3 semicolon
    float grid_interval = 1.5f;  // map units; 0 or less: no grid
    std::int32_t map_scale = 10; // width of the visible map in map units
    int map_scroll_margin = 1;

    int gps_warning = 1;
    int gps_min_quality = 1;     // 0 AGPS, 1 DGPS, 2..8 RTK 3..9
    int min_satellites = 5;
    float max_pdop = 4.0f;
    float gps_x_offset = 0.0f;
    float gps_y_offset = 0.0f;
    std::array<float, 6> g823_sensor_offset{0, 1, 2, 3, 4, 5};

    int soft_marker = 0;         // 0 disabled, 1 numeric keys, 2 arrow keys
    int marker_port = 0;         // 0 disabled, else a list index
    int output_enabled = 0;
    int output_tag_data = 0;
    int output_port = 1;
    int output_baud_index = 3;
    int output_data_bits = 1;
    int output_parity = 0;
    int output_stop_bits = 0;

    int rts_pgga_units = 0;      // "RTS pGGA": 0 m or ft, 1 US feet
    int rts_trimble_units = 0;   // "RTS Trimble": 0 m, 1 ft, 2 US feet
    double chd_factor = 2.7;     // BLU variant

    bool operator==(const Settings&) const = default;
};

// The settings in memory before any file is read: the defaults above with the per-type ones
// (profile limits, EM and dipole modes, sensors, pause key) and the BLU variant's presets.
Settings default_settings(const BuildConfig& build);

}  // namespace zel
