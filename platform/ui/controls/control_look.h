#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "platform/gfx/painter.h"

namespace zel::platform {

// The colours every control and dialog draws with.
namespace look {
inline constexpr Color face = colors::light_grey;     // dialogs, buttons, statics
inline constexpr Color field = colors::white;          // edits, lists
inline constexpr Color text = colors::black;
inline constexpr Color grey_text = rgb(128, 128, 128);  // disabled
inline constexpr Color frame = colors::black;
inline constexpr Color shadow = rgb(128, 128, 128);
inline constexpr Color highlight = rgb(0, 0, 128);      // selected item
inline constexpr Color highlight_text = colors::white;
}  // namespace look

// Text with its "&" marks resolved: "&&" is one "&", a single "&" underlines what follows.
struct MnemonicText {
    std::string text;
    std::size_t mark = std::string::npos;  // byte offset of the underlined character
    std::size_t mark_end = std::string::npos;
};
MnemonicText parse_mnemonic(std::string_view text);

// The character an "&" marks, as an upper-case letter or digit; 0 when none.
char mnemonic_key(std::string_view text);

// A frame of the given width inside r.
void draw_frame(Painter& p, const Rect& r, Color c, int width = 1);
// Every other pixel, as the focus is shown.
void draw_focus_rect(Painter& p, const Rect& r);
// Text inside box, centred vertically; horizontally by align. Clipped to box.
enum class Align { Left, Centre, Right };
void draw_label(Painter& p, const Rect& box, const MnemonicText& text, Align align, Color color);
// Where label text starts, for a caller that draws around it (a focus rectangle).
Rect label_bounds(const Painter& p, const Rect& box, const MnemonicText& text, Align align);
// A small solid triangle pointing down (or up) centred in box, as scroll arrows show.
enum class Pointing { Up, Down };
void draw_arrow(Painter& p, const Rect& box, Pointing pointing, Color c);
// The font's cell height, or a fallback without a font.
int line_height(const Painter& p);

}  // namespace zel::platform
