#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "instruments/grad601/row_conversion.h"
#include "platform/clock/clock.h"

namespace zel {

struct AppState;

enum class ViewMode { Profile, Map };

// The colour behind the reading fields: green while readings are recorded.
enum class ValueBackground { LightGrey, Green };

// One or two sensor readings of a "$PBAR" sentence; a missing field reads 0.0.
struct Grad601Readings {
    int sensors = 1;  // 1 or 2: how many readings the sentence is taken to carry
    std::array<float, 2> values{};
};

// "$PBAR,12.5,-3.25": reading 1 is numeric field 1, reading 2 numeric field 2 when the build has
// two sensors. Any sensor count other than 2 is read as one sensor.
Grad601Readings parse_pbar(std::string_view sentence, int sensor_setting);

struct Grad601Rows {
    std::array<std::int32_t, 2> profile{};
    std::array<std::int32_t, 2> bar{};
};

// Rows of the readings in use with the channel group's profile and bar scales; with one sensor
// the second rows stay 0 and are not drawn.
Grad601Rows grad601_rows(const Grad601Readings& readings, RowScale profile, RowScale bar);

// What one reading asks of the display, in the order the handler draws it.
struct Grad601Shown {
    Grad601Readings readings;
    Grad601Rows rows;
    // Present only while Logging: the station field's new text, "%-11.2f".
    std::optional<std::string> station_text;
    // Logging in the profile view: move the profile on by one step with rows.profile.
    bool scroll_step = false;
    bool beep = false;  // the stop-sound message beep
    ValueBackground background = ValueBackground::LightGrey;
    // Reading 2's field is always cleared; with two sensors this text is then drawn in it.
    std::optional<std::string> reading2_text;
    std::string reading1_text;  // "%10.3f" of the single-precision reading
    // The battery field is due: the caller reads the charge and writes "%3d%c".
    bool refresh_battery = false;
};

// The logging window's handler of one GRAD601 sentence (without its carriage return) that
// started at start_tick. While Logging it counts and records the reading, advances the station
// and decides the beep; in every state it converts the readings for the status line and bars.
Grad601Shown handle_grad601_reading(AppState& app, std::string_view sentence, platform::Tick start_tick,
                                    ViewMode view);

// "%-11.2f" and "%10.3f", with a point whatever the locale.
std::string station_field_text(double station);
std::string reading_field_text(float reading);

// The battery field is refreshed at most every three minutes: the query is slow on handhelds.
inline constexpr platform::Tick kBatteryRefreshMs = 180000;
constexpr bool battery_refresh_due(platform::Tick now, platform::Tick last_refresh) {
    return now - last_refresh > kBatteryRefreshMs;
}

}  // namespace zel
