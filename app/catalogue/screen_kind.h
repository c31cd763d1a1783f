#pragma once

namespace zel {

// How the screen is held: portrait when the client height is at least its width.
enum class Orientation { Portrait, Landscape };

// The size class of the screen; several names and layouts are chosen by it.
enum class ScreenClass : int {
    QuarterVga = 1,
    Vga = 2,
    Larger = 3,
};

}  // namespace zel
