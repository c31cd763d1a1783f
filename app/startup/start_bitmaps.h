#pragma once

// The start screen's pictures: the build's splash, the company band and the logo, drawn by the
// program itself at the sizes the measured screen leaves for them, under the names the start
// screen asks for.

#include "app/build_config.h"
#include "app/startup/screen_measurements.h"
#include "platform/gfx/bitmap_resources.h"
#include "platform/gfx/font_library.h"

namespace zel {

struct StartBitmapSizes {
    platform::Size splash;
    platform::Size company;
    platform::Size logo;
};
// Each fits between its top-left corner on the start screen and the buttons, arcs and texts.
StartBitmapSizes start_bitmap_sizes(const ScreenMeasurements& m);

// Adds the three bitmaps for this screen's orientation and class. Text in them needs the font
// library; without one the pictures are drawn without lettering.
void add_start_bitmaps(platform::BitmapResources& resources, const BuildConfig& build, const ScreenMeasurements& m,
                       platform::FontLibrary* fonts);

}  // namespace zel
