#pragma once

#include <cstdint>

namespace zel {

// A channel group's scale for one kind of row: its maximum and pixels per unit.
struct RowScale {
    float maximum = 0.0f;
    float factor = 0.0f;
};

// The screen row of a reading: trunc((maximum - value) * factor), in single precision so that
// rows come out as the profile and bars have always drawn them. Rows are not clipped to a window
// here; a value beyond the int range saturates rather than wrapping into a wild row.
std::int32_t row_of(float value, RowScale scale);

}  // namespace zel
