#include "display/bars/bar_update.h"

#include "display/profile/profile_scale.h"

#include <algorithm>

namespace zel {

using platform::Rect;

BarScale bar_scale(const GridTable& grid, int bar_height) { return {bar_height, grid.zero, grid.first_line()}; }

int bar_base_line(const BarScale& s) {
    switch (s.zero) {
        case ZeroPosition::BelowRange: return 0;
        case ZeroPosition::AboveRange: return s.height;
        case ZeroPosition::Inside: break;
    }
    return s.zero_row;
}

namespace {

struct Column {
    int x;
    int bw;
    BarPaint fill(int top, int bottom) const {
        return {BarPaintKind::Fill, Rect{x, top, x + bw, bottom}.normalized()};
    }
    BarPaint erase(int top, int bottom) const {
        return {BarPaintKind::Erase, Rect{x - 1, top, x + bw + 1, bottom}.normalized()};
    }
};

void add(std::vector<BarPaint>& paints, const BarPaint& p) {
    if (!p.rect.empty()) paints.push_back(p);
}

}  // namespace

std::vector<BarPaint> bar_change(const BarScale& s, int x, int bw, int o, int v) {
    const Column c{x, bw};
    std::vector<BarPaint> paints;
    const int z = s.zero_row;
    switch (s.zero) {
        case ZeroPosition::BelowRange:
            add(paints, o < v ? c.fill(o, v) : c.erase(o, v));
            break;
        case ZeroPosition::AboveRange:
            add(paints, v < o ? c.fill(v, o) : c.erase(o, v));
            break;
        case ZeroPosition::Inside:
            if (z < v) {  // below the zero line
                if (o < z) {
                    add(paints, c.erase(o, z));
                    add(paints, c.fill(v, z));
                } else {
                    add(paints, o >= v ? c.erase(o, v) : c.fill(v, o));
                }
            } else if (o >= z) {
                // Crossing up from below: the whole lower part goes, down to the bottom edge.
                add(paints, c.erase(z, s.height));
                add(paints, c.fill(v, z));
            } else {
                add(paints, v >= o ? c.erase(o, v) : c.fill(v, o));
            }
            break;
    }
    return paints;
}

int stored_bar_top(int value, int bar_height) { return std::clamp(value, 0, std::max(bar_height, 0)); }

Rect LevelBars::clear_rect(int window_width, const BarScale& scale) const {
    return {1, 1, window_width - 1, scale.height};
}

void LevelBars::change(std::size_t i, int row, const BarSlots& slots, const BarScale& scale, Update& out) {
    for (const BarPaint& p : bar_change(scale, slots.offsets[i], slots.width, m_previous[i], row)) {
        out.paints.emplace_back(static_cast<int>(i), p);
    }
    m_previous[i] = row;
    m_stored_top[i] = stored_bar_top(row, scale.height);
}

LevelBars::Update LevelBars::update(std::span<const int> rows, const BarSlots& slots, const BarScale& scale,
                                    int window_width) {
    Update out;
    if (!m_drawn) {
        m_drawn = true;
        out.clear_window = true;
        out.clear_rect = clear_rect(window_width, scale);
        m_previous.fill(bar_base_line(scale));
    }
    const std::size_t channels = std::min(rows.size(), kChannels);
    for (std::size_t i = 0; i < channels; ++i) change(i, rows[i], slots, scale, out);
    return out;
}

LevelBars::Update LevelBars::update_channel(int channel, int row, const BarSlots& slots, const BarScale& scale,
                                            int window_width) {
    Update out;
    if (channel < 0 || channel >= static_cast<int>(kChannels)) return out;
    const auto i = static_cast<std::size_t>(channel);
    if (!m_channel_drawn[i]) {
        m_channel_drawn[i] = true;
        m_drawn = true;
        out.clear_window = true;
        out.clear_rect = clear_rect(window_width, scale);
        m_previous[i] = bar_base_line(scale);
    }
    change(i, row, slots, scale, out);
    return out;
}

void LevelBars::mark_not_drawn() {
    m_drawn = false;
    m_channel_drawn.fill(false);
}

std::vector<std::pair<int, Rect>> LevelBars::repaint(const BarSlots& slots, const BarScale& scale,
                                                     int channels) const {
    std::vector<std::pair<int, Rect>> fills;
    const int base = bar_base_line(scale);
    const auto in_use = static_cast<std::size_t>(std::clamp(channels, 0, static_cast<int>(kChannels)));
    for (std::size_t i = 0; i < in_use; ++i) {
        const bool drawn = m_mode == DrawnFlag::PerChannel ? m_channel_drawn[i] : m_drawn;
        if (!drawn || m_stored_top[i] < 0) continue;
        const int x = slots.offsets[i];
        fills.emplace_back(static_cast<int>(i), Rect{x, m_stored_top[i], x + slots.width, base}.normalized());
    }
    return fills;
}

int speed_bar_empty_length(float speed, float maximum, float factor) { return scale_row(speed, maximum, factor); }

SpeedBarPaint speed_bar_paint(int pw, int sbh, int e) {
    SpeedBarPaint p;
    p.blue = {0, 0, pw, sbh};
    // Above the maximum the white part would lie right of the bar, outside the window.
    if (e > 0) p.white = {std::max(pw - e, 0), 0, pw, sbh};
    return p;
}

}  // namespace zel
