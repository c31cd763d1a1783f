#pragma once

#include "platform/gfx/color.h"

namespace zel::platform {

enum class PenStyle { Solid, Null };

// Outlines and lines. A null pen draws nothing; a width below 1 draws as width 1.
struct Pen {
    PenStyle style = PenStyle::Solid;
    Color color = colors::black;
    int width = 1;

    static constexpr Pen solid(Color c, int w = 1) { return {PenStyle::Solid, c, w}; }
    static constexpr Pen null() { return {PenStyle::Null, colors::black, 1}; }
};

}  // namespace zel::platform
