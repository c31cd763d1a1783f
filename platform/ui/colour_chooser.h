#pragma once

#include <optional>
#include <span>

#include "platform/gfx/color.h"
#include "platform/ui/window.h"

namespace zel::platform {

inline constexpr int kPaletteColumns = 8;
inline constexpr int kPaletteRows = 6;

// The colours the chooser offers, row by row; the system's default pen and symbol colours are
// among them.
std::span<const Color> colour_palette();

// Our colour chooser: a modal dialog over `owner` with the palette, the current colour beside
// OK and Cancel. It starts on `initial` (selected in the palette when it is there). A tap or
// the arrow keys choose a colour, Enter or OK accept it, Escape or Cancel leave it. Returns the
// accepted colour; nothing when cancelled or when it could not run, so the caller keeps its
// colour. Device messages and timers go on being handled meanwhile.
std::optional<Color> choose_colour(Window owner, Color initial);

}  // namespace zel::platform
