#include "display/profile/profile_trace.h"

#include "app/catalogue/catalogue.h"

#include <algorithm>

namespace zel {

ScrollStep scroll_step(int x, int ph) {
    ScrollStep s;
    s.source = {2, 0, x + 1, ph};
    s.erased = {x - 1, 0, x + 2, ph};
    s.grid_from_x = x - 1;
    s.grid_to_x = x + 1;
    return s;
}

std::vector<TraceSegment> ChannelTraces::step(int x, std::span<const int> rows,
                                              const std::array<bool, kProfileChannels>& shown) {
    std::vector<TraceSegment> segments;
    const std::size_t channels = std::min(rows.size(), m_previous.size());
    for (std::size_t i = 0; i < channels; ++i) {
        if (!shown[i]) continue;
        const int y = rows[i];
        const int channel = static_cast<int>(i);
        if (m_has_previous[i]) {
            segments.push_back({channel, {x - kProfileStep, m_previous[i]}, {x, y}});
        } else {
            segments.push_back({channel, {x, y}, {x, y}});
            m_has_previous[i] = true;
        }
        m_previous[i] = y;
    }
    return segments;
}

std::vector<int> rebuilt_trace_channels(const BuildConfig& build, int em61mk2_type, int sensors,
                                        const std::array<bool, kProfileChannels>& flags) {
    std::vector<int> order;
    switch (build.type) {
        case InstrumentType::Grad601:
            if (sensors == 2) order = {1, 0};
            if (sensors == 1) order = {0};
            break;
        case InstrumentType::G823:
            if (sensors >= 1 && sensors <= 6) {
                for (int c = sensors - 1; c >= 0; --c) order.push_back(c);
            }
            break;
        case InstrumentType::Em61: order = {0, 1}; break;
        case InstrumentType::Em61Mk2:
            order = is_minelab_f3(build, em61mk2_type) ? std::vector<int>{0, 1} : std::vector<int>{0, 1, 2, 3};
            break;
        case InstrumentType::Ferex: order = {0, 1, 2, 3}; break;
        default:
            for (int c = 0; c < kProfileChannels; ++c) order.push_back(c);
            break;
    }
    std::erase_if(order, [&flags](int c) { return !flags[static_cast<std::size_t>(c)]; });
    return order;
}

}  // namespace zel
