#pragma once

// The texts the status line shows, each in its fixed format.

#include "app/build_config.h"
#include "app/catalogue/screen_kind.h"
#include "app/run/run_state.h"

#include <array>
#include <string>
#include <string_view>

namespace zel {

std::string_view run_state_text(RunState state, Orientation orientation);
// "%3d%c" with the percent sign.
std::string battery_percent_text(int percent);
// "B:%5.2fV".
std::string instrument_battery_text(float volts);
// "A", "W" or "M" for Auto, Wheel and Manual; empty for a mode the settings should not hold.
std::string_view survey_mode_letter(int survey_mode);
// "F:" and at most the first 8 characters of the data file's name.
std::string file_name_text(std::string_view name);
// "%-11.2f".
std::string station_text(double station);
// "%6ld".
std::string gps_count_text(long count);
// "P:%3.1f", or "P:%3.0f" from 10 upwards.
std::string dop_text(float dop);
// "Sat: %2d".
std::string satellites_text(int satellites);
// "Z%-2d".
std::string zone_text(int zone);
// "%.2f" of the speed bar's maximum.
std::string speed_maximum_text(float maximum);

enum class UnitSystem { Metric, Feet };
// Metres for setting 0, feet (international or US survey) otherwise.
UnitSystem unit_system(int units_setting);

// "Speed:%5.2f" and the unit: the stored speed, in the unit system's length per second, converted
// to the chosen speed unit (0 m/s, 1 ft/s, 2 km/h, 3 mph).
std::string speed_text(float speed, UnitSystem units, int speed_unit);
// The map scale in map view: "Sc:%5ld ft" in landscape, "S:%5ldft" in portrait.
std::string map_scale_text(long scale, UnitSystem units, Orientation orientation);

// Fixed texts of the repaint.
inline constexpr std::string_view kLineLabel = "Ln :";
inline constexpr std::string_view kPortraitGpsDisabled = "GPS Disabled";
inline constexpr std::string_view kLandscapeGpsDisabledLatitude = "     GPS Input";
inline constexpr std::string_view kLandscapeGpsDisabledLongitude = "      Disabled";
inline constexpr std::string_view kInstrumentBatteryBlank = "B:        ";

// The label left of the station: types below 0 "St :"; the EM family "St:", or in the Manual
// survey mode (except the ICE31) "S   :", which leaves room for the sequence digit.
std::string_view station_label(const BuildConfig& build, int survey_mode);

// Labels drawn left of the reading fields; an empty label leaves its field unlabelled.
std::array<std::string_view, 4> reading_labels(const BuildConfig& build, int em61mk2_type, bool second_coil_set);

}  // namespace zel
