#pragma once

// Pens and brushes of the display: the fixed ones every display window shares, and three per
// profile channel made from the channel's colour and thickness.

#include "app/settings/settings.h"
#include "display/profile/profile_trace.h"
#include "platform/gfx/brush.h"
#include "platform/gfx/pen.h"

#include <array>

namespace zel {

struct SharedResources {
    platform::Pen zero_line;
    platform::Pen grid;
    platform::Brush silver;
    platform::Pen dark_grey;
    platform::Pen mid_grey;
    platform::Pen black;
    platform::Pen white;
    platform::Brush white_brush;
    platform::Pen green;
    platform::Brush green_brush;
    platform::Pen red;
    platform::Brush red_brush;
    platform::Pen blue;
    platform::Brush blue_brush;
};

inline constexpr SharedResources kSharedResources{
    platform::Pen::solid(platform::rgb(192, 192, 192), 2),
    platform::Pen::solid(platform::rgb(192, 192, 192)),
    platform::Brush::solid(platform::rgb(192, 192, 192)),
    platform::Pen::solid(platform::rgb(64, 64, 64)),
    platform::Pen::solid(platform::rgb(160, 160, 160)),
    platform::Pen::solid(platform::rgb(0, 0, 0)),
    platform::Pen::solid(platform::rgb(255, 255, 255)),
    platform::Brush::solid(platform::rgb(255, 255, 255)),
    platform::Pen::solid(platform::rgb(0, 255, 0)),
    platform::Brush::solid(platform::rgb(0, 255, 0)),
    platform::Pen::solid(platform::rgb(255, 0, 0)),
    platform::Brush::solid(platform::rgb(255, 0, 0)),
    platform::Pen::solid(platform::rgb(0, 0, 255)),
    platform::Brush::solid(platform::rgb(0, 0, 255)),
};

struct ChannelResources {
    platform::Pen pen;       // the channel's colour at its thickness: traces
    platform::Pen thin_pen;  // width 1: bar outlines
    platform::Brush brush;   // bar fills
};

// Made again whenever the profile options change a colour or a thickness.
std::array<ChannelResources, kProfileChannels> channel_resources(const std::array<Colour, kProfileChannels>& colours,
                                                                 const std::array<int, kProfileChannels>& thickness);

}  // namespace zel
