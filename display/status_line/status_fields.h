#pragma once

// The status line's fields: fixed rectangles on the logging window's own surface, laid out once
// around the child windows. Sizes come from the widths of sizing texts in the window's fonts, so
// the layout takes a text measure rather than a surface.

#include "app/build_config.h"
#include "app/startup/screen_measurements.h"
#include "display/layout/logging_layout.h"
#include "platform/gfx/font.h"
#include "platform/gfx/geometry.h"

#include <array>
#include <functional>
#include <string_view>

namespace zel {

enum class StatusField : int {
    MapScale,
    BatteryPercent,
    RunState,
    InstrumentBattery,
    SurveyMode,
    FileName,
    Dipole,  // EM38-MK2 only; empty for other builds
    Reading1,
    Reading2,
    Reading3,
    Reading4,
    FourthRowLabel,
    Line,
    Station,
    SequenceDigit,
    Marker,
    Quality,
    FirstFix,
    SecondFix,
    GpsCount,
    Dop,
    Satellites,
    North,
    Latitude,
    East,
    Longitude,
    Zone,
    Speed,
    SpeedMaximum,
    Message,
};
inline constexpr int kStatusFieldCount = static_cast<int>(StatusField::Message) + 1;

using TextWidth = std::function<int(std::string_view)>;

struct TextMeasure {
    TextWidth normal;
    TextWidth bold;
    // Height of the font the platform uses for text drawn with no font chosen; it sets the pitch.
    int system_text_height = 13;
};
TextMeasure text_measure(const platform::Font& normal, const platform::Font& bold, int system_text_height);

// Tops of the field rows; rows a variant does not use are 0.
struct StatusRows {
    int pitch = 0;  // L
    int t = 0, t2 = 0, a = 0, b = 0, c = 0, d = 0, e = 0, f = 0, g = 0, hr = 0, i = 0, j = 0, k = 0;
};

struct StatusLayout {
    StatusRows rows;
    int x1 = 0;  // the column right of the profile (landscape) or right of the bars (portrait)
    int xr = 0;  // the GPS block's column in portrait
    std::array<platform::Rect, kStatusFieldCount> fields{};

    const platform::Rect& operator[](StatusField f) const { return fields[static_cast<std::size_t>(f)]; }
    platform::Rect& operator[](StatusField f) { return fields[static_cast<std::size_t>(f)]; }
};

int status_line_pitch(const ScreenMeasurements& m, int system_text_height);
StatusLayout status_layout(const ScreenMeasurements& m, const LoggingLayout& layout, const BuildConfig& build,
                           const TextMeasure& measure);

}  // namespace zel
