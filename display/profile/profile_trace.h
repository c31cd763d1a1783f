#pragma once

// The live profile's two-pixel step and the trace state that joins each channel's new point
// to its previous one; and which channels a profile rebuilt from the data file draws, in order.

#include "app/build_config.h"
#include "platform/gfx/geometry.h"

#include <array>
#include <span>
#include <vector>

namespace zel {

inline constexpr int kProfileChannels = 8;
inline constexpr int kProfileStep = 2;  // pixels the picture moves per reading

// Sample column: where the newest reading is drawn.
inline constexpr int kQuarterVgaSampleX = 167;
inline constexpr int kLargerSampleX = 333;

// One reading's move of the profile window, for sample column X and height PH.
struct ScrollStep {
    platform::Rect source;       // x 2 to X inclusive, the full height, moved to x 0
    int dx = -kProfileStep;
    platform::Rect erased;       // the columns X - 1 to X + 1, painted white
    int grid_from_x = 0;         // the grid is redrawn over the erased columns
    int grid_to_x = 0;           // end point, left unpainted like every line's
};
ScrollStep scroll_step(int sample_x, int profile_height);

struct TraceSegment {
    int channel = 0;
    platform::Point from;
    platform::Point to;  // end point unpainted: the column at X + 1 stays white
    friend bool operator==(const TraceSegment&, const TraceSegment&) = default;
};

// Each channel's previous row. A scale change restarts every trace, so that the next reading
// begins afresh instead of joining a point drawn at the old scale.
class ChannelTraces {
public:
    // Rows of the channels in use, channel 0 first; channels beyond kProfileChannels are ignored.
    // Only shown channels draw and advance.
    std::vector<TraceSegment> step(int sample_x, std::span<const int> rows,
                                   const std::array<bool, kProfileChannels>& shown);
    void restart() { m_has_previous.fill(false); }

private:
    std::array<int, kProfileChannels> m_previous{};
    std::array<bool, kProfileChannels> m_has_previous{};
};

// Channels a rebuilt profile draws, in drawing order. `flags` are the shown flags, or for the EM
// family the drawn-channel flags worked out at run start (which already include the shown ones).
std::vector<int> rebuilt_trace_channels(const BuildConfig& build, int em61mk2_type, int sensors,
                                        const std::array<bool, kProfileChannels>& flags);

}  // namespace zel
