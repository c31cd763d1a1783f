#pragma once

// Level bars and the speed bar as rectangles to paint. A new reading changes a bar with the
// least repainting: only the part between the old and the new top is filled in the channel's
// colour or erased in white, except where the bar crosses the zero line.

#include "display/layout/bar_slots.h"
#include "display/profile/profile_grid.h"
#include "platform/gfx/geometry.h"

#include <array>
#include <span>
#include <vector>

namespace zel {

// Fill: channel brush with the thin channel pen. Erase: white brush and pen, one pixel wider on
// each side than a fill, so that a bar's outline goes too.
enum class BarPaintKind { Fill, Erase };

struct BarPaint {
    BarPaintKind kind = BarPaintKind::Fill;
    platform::Rect rect;  // top above bottom; drawn outline and inside, right and bottom edges outside
    friend bool operator==(const BarPaint&, const BarPaint&) = default;
};

// One bar window's vertical scale.
struct BarScale {
    int height = 0;  // BH
    ZeroPosition zero = ZeroPosition::AboveRange;
    int zero_row = 0;  // the grid's first line
};
BarScale bar_scale(const GridTable& grid, int bar_height);

// The row bars grow from: the top edge when all values are at or below zero, the bottom edge
// when at or above, else the zero line.
int bar_base_line(const BarScale& scale);

// The paints that take a bar at x, bw wide, from row `previous` to row `value` (at most two;
// empty rectangles are left out).
std::vector<BarPaint> bar_change(const BarScale& scale, int x, int bw, int previous, int value);

// The stored top a repaint draws from: the value clamped to the window.
int stored_bar_top(int value, int bar_height);

// Whether a window's bars count as drawn once for all channels, or per channel (Ferex, whose
// probes report one at a time).
enum class DrawnFlag { Shared, PerChannel };

// The bars of one bar window: previous rows and stored tops per channel, and whether a reading
// has drawn them since the last profile rebuild.
class LevelBars {
public:
    explicit LevelBars(DrawnFlag mode = DrawnFlag::Shared) : m_mode(mode) {}

    struct Update {
        // Set by the first reading after a rebuild: the whole window is painted white first, so
        // no bar keeps a height drawn at an old scale.
        bool clear_window = false;
        platform::Rect clear_rect;
        std::vector<std::pair<int, BarPaint>> paints;  // channel and paint, in channel order
    };

    // Rows of the channels in use; channels beyond the slot table are ignored.
    Update update(std::span<const int> rows, const BarSlots& slots, const BarScale& scale, int window_width);
    // The per-channel variant: each channel clears the window on its own first reading.
    Update update_channel(int channel, int row, const BarSlots& slots, const BarScale& scale, int window_width);
    // After a profile rebuild: repaints draw only the grid until the next reading.
    void mark_not_drawn();

    bool drawn() const { return m_drawn; }
    // Fills that redraw the stored bars of the channels in use: none while not drawn; per
    // channel, only the channels read since the last rebuild.
    std::vector<std::pair<int, platform::Rect>> repaint(const BarSlots& slots, const BarScale& scale,
                                                        int channels) const;

private:
    static constexpr std::size_t kChannels = kBarSlotCount;
    platform::Rect clear_rect(int window_width, const BarScale& scale) const;
    void change(std::size_t channel, int row, const BarSlots& slots, const BarScale& scale, Update& out);

    DrawnFlag m_mode;
    bool m_drawn = false;
    std::array<bool, kChannels> m_channel_drawn{};
    std::array<int, kChannels> m_previous{};
    std::array<int, kChannels> m_stored_top{-1, -1, -1, -1, -1, -1};
};

// The speed bar: blue from the left edge to the current speed, white from there to PW.
inline constexpr float kDefaultSpeedMaximum = 10.0f;
// trunc((maximum - speed) x factor) in single precision: the white part's length in pixels.
int speed_bar_empty_length(float speed, float maximum, float factor);

struct SpeedBarPaint {
    platform::Rect blue;
    platform::Rect white;  // empty at or above the maximum
};
SpeedBarPaint speed_bar_paint(int profile_width, int speed_bar_height, int empty_length);

}  // namespace zel
