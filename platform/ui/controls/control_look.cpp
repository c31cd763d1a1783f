#include "platform/ui/controls/control_look.h"

#include <algorithm>

#include "platform/gfx/utf8.h"

namespace zel::platform {

MnemonicText parse_mnemonic(std::string_view text) {
    MnemonicText out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '&' || i + 1 >= text.size()) {
            out.text.push_back(text[i]);
            continue;
        }
        ++i;
        if (text[i] == '&') {
            out.text.push_back('&');
            continue;
        }
        std::size_t end = i;
        next_code_point(text, end);
        if (out.mark == std::string::npos) {
            out.mark = out.text.size();
            out.mark_end = out.mark + (end - i);
        }
        out.text.append(text.substr(i, end - i));
        i = end - 1;
    }
    return out;
}

char mnemonic_key(std::string_view text) {
    MnemonicText m = parse_mnemonic(text);
    if (m.mark == std::string::npos) return 0;
    char c = m.text[m.mark];
    if (c >= 'a' && c <= 'z') return static_cast<char>(c - 'a' + 'A');
    if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) return c;
    return 0;
}

void draw_frame(Painter& p, const Rect& r, Color c, int width) {
    for (int i = 0; i < width; ++i) {
        Rect f{r.left + i, r.top + i, r.right - i, r.bottom - i};
        if (f.empty()) return;
        p.fill_rect({f.left, f.top, f.right, f.top + 1}, c);
        p.fill_rect({f.left, f.bottom - 1, f.right, f.bottom}, c);
        p.fill_rect({f.left, f.top, f.left + 1, f.bottom}, c);
        p.fill_rect({f.right - 1, f.top, f.right, f.bottom}, c);
    }
}

void draw_focus_rect(Painter& p, const Rect& r) {
    if (r.empty()) return;
    for (int x = r.left; x < r.right; x += 2) {
        p.set_pixel({x, r.top}, look::text);
        p.set_pixel({x, r.bottom - 1}, look::text);
    }
    for (int y = r.top; y < r.bottom; y += 2) {
        p.set_pixel({r.left, y}, look::text);
        p.set_pixel({r.right - 1, y}, look::text);
    }
}

int line_height(const Painter& p) { return p.font() != nullptr ? p.font()->metrics().height : 13; }

Rect label_bounds(const Painter& p, const Rect& box, const MnemonicText& text, Align align) {
    Size size = p.measure_text(text.text);
    int x = box.left;
    if (align == Align::Centre) x = box.left + (box.width() - size.width) / 2;
    if (align == Align::Right) x = box.right - size.width;
    int y = box.top + (box.height() - size.height) / 2;
    return Rect::from_size({x, y}, size);
}

// A text wider than its box keeps its start visible and is cut at the right, whatever the
// alignment, so a long label still reads from its first letter.
void draw_label(Painter& p, const Rect& box, const MnemonicText& text, Align align, Color color) {
    const Font* font = p.font();
    if (font == nullptr) return;
    Rect at = label_bounds(p, box, text, align);
    if (at.left < box.left) at = at.translated(box.left - at.left, 0);
    p.set_text_color(color);
    p.draw_text(at.top_left(), text.text, box);
    if (text.mark == std::string::npos) return;
    int x0 = at.left + font->text_width(std::string_view(text.text).substr(0, text.mark));
    int x1 = at.left + font->text_width(std::string_view(text.text).substr(0, text.mark_end));
    int y = at.top + font->metrics().ascent + 1;
    p.save();
    p.add_clip_rect(box);
    p.fill_rect({x0, y, x1, y + 1}, color);
    p.restore();
}

void draw_arrow(Painter& p, const Rect& box, Pointing pointing, Color c) {
    int size = std::max(2, std::min(box.width(), box.height()) / 3);
    int cx = box.left + box.width() / 2;
    int top = box.top + (box.height() - size) / 2;
    for (int row = 0; row < size; ++row) {
        int half = pointing == Pointing::Down ? size - 1 - row : row;
        p.fill_rect({cx - half, top + row, cx + half + 1, top + row + 1}, c);
    }
}

}  // namespace zel::platform
