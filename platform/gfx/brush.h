#pragma once

#include "platform/gfx/color.h"

namespace zel::platform {

enum class BrushStyle { Solid, Null };

// Fills. A null brush leaves the inside of a shape untouched.
struct Brush {
    BrushStyle style = BrushStyle::Solid;
    Color color = colors::white;

    static constexpr Brush solid(Color c) { return {BrushStyle::Solid, c}; }
    static constexpr Brush null() { return {BrushStyle::Null, colors::white}; }
};

}  // namespace zel::platform
