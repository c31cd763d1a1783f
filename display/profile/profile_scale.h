#pragma once

// Readings to screen rows: a reading v of a channel group becomes the row
// trunc((maximum - v) x factor), in single precision like the stored profiles and thresholds
// that other loggers computed, with row 0 at the top. Rows outside the window are not clipped
// here; drawing clips them.

#include "app/build_config.h"

#include <optional>

namespace zel {

// Infinite products saturate to the int range and NaN gives row 0, so that no reading, however
// wild, makes an undefined conversion.
int scale_row(float value, float maximum, float factor);

// Whether the grid's first line is the zero line, drawn with the wider pen.
bool zero_strictly_inside(float minimum, float maximum);

enum class ChannelGroup { First, Second };

// The group whose limits and factors convert an EM-family channel when a profile is rebuilt;
// empty for channels the type does not draw.
std::optional<ChannelGroup> em_channel_group(InstrumentType type, int channel);

}  // namespace zel
