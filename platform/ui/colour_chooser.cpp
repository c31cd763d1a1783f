#include "platform/ui/colour_chooser.h"

#include <algorithm>
#include <array>

#include "platform/ui/controls/control_look.h"
#include "platform/ui/dialogs/dialog.h"
#include "platform/ui/screen.h"

namespace zel::platform {

namespace {

constexpr std::array<Color, kPaletteColumns * kPaletteRows> kPalette{
    rgb(255, 128, 128), rgb(255, 255, 128), rgb(128, 255, 128), rgb(0, 255, 128),
    rgb(128, 255, 255), rgb(0, 128, 255),   rgb(255, 128, 192), rgb(255, 128, 255),
    rgb(255, 0, 0),     rgb(255, 255, 0),   rgb(128, 255, 0),   rgb(0, 255, 64),
    rgb(0, 255, 255),   rgb(0, 128, 192),   rgb(128, 128, 192), rgb(255, 0, 255),
    rgb(128, 64, 64),   rgb(255, 128, 64),  rgb(0, 255, 0),     rgb(0, 128, 128),
    rgb(0, 64, 128),    rgb(128, 128, 255), rgb(128, 0, 64),    rgb(255, 0, 128),
    rgb(128, 0, 0),     rgb(255, 128, 0),   rgb(0, 128, 0),     rgb(0, 128, 64),
    rgb(0, 0, 255),     rgb(0, 0, 160),     rgb(128, 0, 128),   rgb(128, 0, 255),
    rgb(64, 0, 0),      rgb(128, 64, 0),    rgb(0, 64, 0),      rgb(0, 64, 64),
    rgb(0, 0, 128),     rgb(0, 0, 64),      rgb(64, 0, 64),     rgb(64, 0, 128),
    rgb(0, 0, 0),       rgb(64, 64, 64),    rgb(128, 128, 128), rgb(160, 160, 160),
    rgb(192, 192, 192), rgb(224, 224, 224), rgb(128, 128, 0),   rgb(255, 255, 255),
};

constexpr int kMargin = 6;
constexpr int kLargestCell = 24;
constexpr int kSmallestCell = 10;

// Where things are in the dialog window, frame and caption included.
struct ChooserLayout {
    Rect grid;
    int cell = 0;
    Rect swatch;
    Rect ok;
    Rect cancel;
    Size client;  // under the caption
};

ChooserLayout layout_for(Size screen, const Font* font) {
    DialogFrame frame = dialog_frame(font);
    int text = font != nullptr ? font->metrics().height : 13;
    int button_height = text + 8;
    int button_width = 4 * text + 4;
    int across = (screen.width - 2 * frame.border - 2 * kMargin) / kPaletteColumns;
    int down = (screen.height - 2 * frame.border - frame.caption - button_height - 3 * kMargin) / kPaletteRows;
    ChooserLayout l;
    l.cell = std::clamp(std::min(across, down), kSmallestCell, kLargestCell);
    int width = kPaletteColumns * l.cell;
    l.client = {width + 2 * kMargin, kPaletteRows * l.cell + button_height + 3 * kMargin};
    Point origin{frame.border, frame.border + frame.caption};
    l.grid = Rect::from_size(origin.x + kMargin, origin.y + kMargin, width, kPaletteRows * l.cell);
    int row = l.grid.bottom + kMargin;
    l.cancel = Rect::from_size(l.grid.right - button_width, row, button_width, button_height);
    l.ok = l.cancel.translated(-button_width - kMargin, 0);
    l.swatch = {l.grid.left, row, l.ok.left - kMargin, row + button_height};
    return l;
}

struct ChooserState {
    ChooserLayout layout;
    Color colour = 0;
    int selected = -1;  // palette index, or none while the colour is not in the palette
};

Rect cell_rect(const ChooserLayout& l, int index) {
    int column = index % kPaletteColumns;
    int row = index / kPaletteColumns;
    return Rect::from_size(l.grid.left + column * l.cell, l.grid.top + row * l.cell, l.cell, l.cell);
}

void select(Window dialog, ChooserState& s, int index) {
    s.selected = index;
    s.colour = kPalette[static_cast<std::size_t>(index)];
    dialog.invalidate(s.layout.grid.united(s.layout.swatch));
}

// The arrows move over the grid, wrapping within a row or a column; with nothing selected the
// first arrow selects the top-left colour.
int moved(int index, WParam key) {
    if (index < 0) return 0;
    int column = index % kPaletteColumns;
    int row = index / kPaletteColumns;
    switch (key) {
    case key::left: column = (column + kPaletteColumns - 1) % kPaletteColumns; break;
    case key::right: column = (column + 1) % kPaletteColumns; break;
    case key::up: row = (row + kPaletteRows - 1) % kPaletteRows; break;
    case key::down: row = (row + 1) % kPaletteRows; break;
    default: break;
    }
    return row * kPaletteColumns + column;
}

void draw_cell(Painter& p, const Rect& r, Color c, bool selected) {
    Rect inner{r.left + 2, r.top + 2, r.right - 2, r.bottom - 2};
    p.fill_rect(inner, c);
    draw_frame(p, inner, look::shadow);
    if (selected) {
        draw_frame(p, r, look::frame, 2);
        draw_frame(p, {r.left + 2, r.top + 2, r.right - 2, r.bottom - 2}, colors::white);
    }
}

LResult on_paint(Window w, MessageId, WParam, LParam) {
    ChooserState* s = dialog_data<ChooserState>(w);
    Screen* screen = Screen::of(w);
    if (s == nullptr || screen == nullptr) return 0;
    Painter p = screen->painter(w);
    for (int i = 0; i < static_cast<int>(kPalette.size()); ++i) {
        draw_cell(p, cell_rect(s->layout, i), kPalette[static_cast<std::size_t>(i)], i == s->selected);
    }
    p.fill_rect(s->layout.swatch, s->colour);
    draw_frame(p, s->layout.swatch, look::frame);
    return 1;
}

LResult on_key(Window w, MessageId, WParam key, LParam) {
    ChooserState* s = dialog_data<ChooserState>(w);
    if (s == nullptr) return 0;
    switch (key) {
    case key::left:
    case key::right:
    case key::up:
    case key::down: select(w, *s, moved(s->selected, key)); return 1;
    default: return 0;
    }
}

LResult on_pointer_down(Window w, MessageId, WParam, LParam lp) {
    ChooserState* s = dialog_data<ChooserState>(w);
    Point at{point_x(lp), point_y(lp)};
    if (s == nullptr || !s->layout.grid.contains(at)) return 0;
    int column = (at.x - s->layout.grid.left) / s->layout.cell;
    int row = (at.y - s->layout.grid.top) / s->layout.cell;
    select(w, *s, row * kPaletteColumns + column);
    return 1;
}

constexpr DialogEntry kProcedure[] = {
    {msg::paint, on_paint},
    {msg::key_down, on_key},
    {msg::pointer_down, on_pointer_down},
};

int palette_index(Color c) {
    auto it = std::find(kPalette.begin(), kPalette.end(), c);
    return it != kPalette.end() ? static_cast<int>(it - kPalette.begin()) : -1;
}

}  // namespace

std::span<const Color> colour_palette() { return kPalette; }

std::optional<Color> choose_colour(Window owner, Color initial) {
    Screen* screen = Screen::of(owner);
    if (screen == nullptr) return std::nullopt;
    ChooserState state{layout_for(screen->size(), screen->ui_font()), initial, palette_index(initial)};
    DialogFrame frame = dialog_frame(screen->ui_font());
    auto to_client = [&](const Rect& r) { return r.translated(-frame.border, -frame.border - frame.caption); };
    DialogLayout layout{"Color", state.layout.client,
                        {{ControlKind::PushButton, kIdOk, "OK", to_client(state.layout.ok),
                          ControlStyle::DefaultButton},
                         {ControlKind::PushButton, kIdCancel, "Cancel", to_client(state.layout.cancel), ControlStyle::None}}};
    int answer = run_dialog(owner, layout, kProcedure, UserData::borrowed(state));
    if (answer != kIdOk) return std::nullopt;
    return state.colour;
}

}  // namespace zel::platform
