#include "display/profile/profile_scale.h"

#include <cmath>
#include <limits>

namespace zel {

int scale_row(float value, float maximum, float factor) {
    const float row = std::trunc((maximum - value) * factor);
    if (std::isnan(row)) return 0;
    // 2^31 is exact in float; the largest float below it converts safely.
    if (row >= 2147483648.0f) return std::numeric_limits<int>::max();
    if (row < -2147483648.0f) return std::numeric_limits<int>::min();
    return static_cast<int>(row);
}

bool zero_strictly_inside(float minimum, float maximum) { return minimum < 0.0f && maximum > 0.0f; }

std::optional<ChannelGroup> em_channel_group(InstrumentType type, int channel) {
    if (channel < 0 || channel > 7) return std::nullopt;
    switch (type) {
        case InstrumentType::Type5: return std::nullopt;
        case InstrumentType::Ice31:
            if (channel == 0) return ChannelGroup::First;
            if (channel == 2) return ChannelGroup::Second;
            return std::nullopt;
        case InstrumentType::Em34_3:
            return channel <= 5 ? ChannelGroup::First : ChannelGroup::Second;
        default: {
            const bool second = channel == 2 || channel == 3 || channel == 6 || channel == 7;
            return second ? ChannelGroup::Second : ChannelGroup::First;
        }
    }
}

}  // namespace zel
