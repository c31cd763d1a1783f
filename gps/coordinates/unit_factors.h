#pragma once

namespace zel {

// Exact decimal factors used everywhere between metres, international feet and US survey feet.
// Conversions from metres come in two forms (divide by a *_to_metres factor, or multiply by a
// metres_to_* factor); each caller keeps the form it has always used, since the results differ
// in the last digits and those digits reach files and the screen.
inline constexpr double kFeetToMetres = 0.3048;
inline constexpr double kUsSurveyFeetToMetres = 0.304800609601219;
inline constexpr double kMetresToFeet = 3.28084;
inline constexpr double kMetresToUsSurveyFeet = 3.2808333333333355;

}  // namespace zel
