#include "platform/ui/dialogs/message_box.h"

#include <algorithm>
#include <memory>

#include "platform/gfx/utf8.h"
#include "platform/ui/controls/control_look.h"
#include "platform/ui/dialogs/dialog.h"
#include "platform/ui/screen.h"
#include "platform/ui/window_system.h"

namespace zel::platform {

namespace {

constexpr int kMargin = 8;
constexpr int kGap = 6;

struct MessageBoxData {
    MessageButtons buttons = MessageButtons::Ok;
    MessageIcon icon = MessageIcon::None;
    Rect icon_rect;
};

struct ButtonSpec {
    int id;
    const char* text;
};

std::vector<ButtonSpec> buttons_of(MessageButtons buttons) {
    switch (buttons) {
    case MessageButtons::Ok: return {{kIdOk, "OK"}};
    case MessageButtons::OkCancel: return {{kIdOk, "OK"}, {kIdCancel, "Cancel"}};
    case MessageButtons::YesNo: return {{kIdYes, "&Yes"}, {kIdNo, "&No"}};
    }
    return {};
}

Beep beep_of(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Exclamation: return Beep::Exclamation;
    case MessageIcon::Information: return Beep::Asterisk;
    case MessageIcon::Question: return Beep::Question;
    case MessageIcon::Stop: return Beep::Hand;
    case MessageIcon::None: return Beep::Simple;
    }
    return Beep::Simple;
}

// Icons are our own shapes: a yellow warning triangle, blue circles with "i" and "?", and a
// red circle with a cross.
void paint_icon(Painter& p, const Rect& r, MessageIcon icon) {
    const Font* font = p.font();
    auto mark = [&](std::string_view glyph, Color c) {
        if (font == nullptr) return;
        Size s = p.measure_text(glyph);
        p.set_text_color(c);
        p.draw_text({r.left + (r.width() - s.width) / 2, r.top + (r.height() - s.height) / 2 + 1}, glyph);
    };
    switch (icon) {
    case MessageIcon::Exclamation:
        for (int row = 0; row < r.height(); ++row) {
            int half = row * r.width() / (2 * r.height());
            int cx = r.left + r.width() / 2;
            p.fill_rect({cx - half - 1, r.top + row, cx + half + 1, r.top + row + 1}, rgb(255, 204, 0));
        }
        mark("!", look::text);
        return;
    case MessageIcon::Information:
    case MessageIcon::Question:
        p.set_pen(Pen::solid(look::text));
        p.set_brush(Brush::solid(rgb(0, 64, 192)));
        p.draw_ellipse(r);
        mark(icon == MessageIcon::Question ? "?" : "i", colors::white);
        return;
    case MessageIcon::Stop: {
        p.set_pen(Pen::solid(look::text));
        p.set_brush(Brush::solid(rgb(208, 0, 0)));
        p.draw_ellipse(r);
        int inset = r.width() / 4;
        p.set_pen(Pen::solid(colors::white, 3));
        p.draw_line({r.left + inset, r.top + inset}, {r.right - inset, r.bottom - inset});
        p.draw_line({r.right - inset - 1, r.top + inset}, {r.left + inset - 1, r.bottom - inset});
        return;
    }
    case MessageIcon::None: return;
    }
}

LResult on_paint(Window w, MessageId, WParam, LParam) {
    MessageBoxData* d = dialog_data<MessageBoxData>(w);
    Screen* screen = Screen::of(w);
    if (d == nullptr || screen == nullptr || d->icon == MessageIcon::None) return 0;
    Painter p = screen->painter(w);
    if (const Font* mark = screen->font({"MS Sans Serif", d->icon_rect.height() * 3 / 4, 700})) p.set_font(mark);
    paint_icon(p, d->icon_rect, d->icon);
    return 0;
}

LResult on_init(Window w, MessageId, WParam, LParam) {
    MessageBoxData* d = dialog_data<MessageBoxData>(w);
    if (Screen* screen = Screen::of(w); screen != nullptr && d != nullptr) screen->beep(beep_of(d->icon));
    return 1;
}

// Escape presses Cancel; a box without Cancel takes it as its way out.
LResult on_command(Window w, MessageId, WParam wparam, LParam) {
    MessageBoxData* d = dialog_data<MessageBoxData>(w);
    if (d == nullptr || high_word(wparam) != notify::clicked) return 0;
    int id = low_word(wparam);
    if (id == kIdCancel && d->buttons == MessageButtons::YesNo) id = kIdNo;
    if (id == kIdCancel && d->buttons == MessageButtons::Ok) id = kIdOk;
    end_dialog(w, id);
    return 1;
}

LResult on_key_down(Window w, MessageId, WParam key, LParam) {
    MessageBoxData* d = dialog_data<MessageBoxData>(w);
    if (d == nullptr || d->buttons != MessageButtons::YesNo) return 0;
    if (key == key::letter('Y')) end_dialog(w, kIdYes);
    else if (key == key::letter('N')) end_dialog(w, kIdNo);
    else return 0;
    return 1;
}

constexpr DialogEntry kMessageBoxProcedure[] = {
    {dlg::init, on_init},
    {msg::paint, on_paint},
    {msg::command, on_command},
    {msg::key_down, on_key_down},
};

int icon_size(const Font* font) { return 2 * (font != nullptr ? font->metrics().height : 13); }

}  // namespace

namespace {

bool single_character(std::string_view text) {
    std::size_t pos = 0;
    next_code_point(text, pos);
    return pos >= text.size();
}

std::string without_trailing_spaces(std::string line) {
    while (!line.empty() && line.back() == ' ') line.pop_back();
    return line;
}

// Cuts the longest head that fits (at least one character) off a line that is too wide.
std::string cut_head(const Font& font, std::string& line, int width) {
    std::size_t cut = 0;
    std::size_t next = 0;
    while (next < line.size()) {
        std::size_t after = next;
        next_code_point(line, after);
        if (cut > 0 && font.text_width(std::string_view(line).substr(0, after)) > width) break;
        cut = next = after;
    }
    std::string head = line.substr(0, cut);
    line.erase(0, cut);
    return head;
}

void wrap_paragraph(const Font& font, std::string_view paragraph, int width, std::vector<std::string>& lines) {
    std::string line;
    std::size_t pos = 0;
    while (true) {
        std::size_t space = paragraph.find(' ', pos);
        std::string_view word = paragraph.substr(pos, space == std::string_view::npos ? std::string_view::npos : space - pos);
        std::string candidate = line.empty() ? std::string(word) : line + " " + std::string(word);
        if (line.empty() || font.text_width(candidate) <= width) {
            line = std::move(candidate);
        } else {
            lines.push_back(without_trailing_spaces(line));
            line = std::string(word);  // an empty word of a double space starts nothing
        }
        // A word wider than the box alone is broken between its characters.
        while (font.text_width(line) > width && !single_character(line)) lines.push_back(cut_head(font, line, width));
        if (space == std::string_view::npos) break;
        pos = space + 1;
    }
    lines.push_back(line);
}

}  // namespace

std::vector<std::string> wrap_text(const Font& font, std::string_view text, int width) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (true) {
        std::size_t end = text.find('\n', start);
        wrap_paragraph(font, text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start),
                       width, lines);
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
    return lines;
}

int message_box(Window owner, std::string_view text, std::string_view caption, MessageButtons buttons,
                MessageIcon icon) {
    Screen* screen = Screen::of(owner);
    if (screen == nullptr) return kDialogFailed;
    const Font* font = screen->ui_font();
    int line = font != nullptr ? font->metrics().height : 13;
    int average = font != nullptr ? font->metrics().average_char_width : 7;
    DialogFrame frame = dialog_frame(font);
    int widest_client = screen->size().width - 8 - 2 * frame.border;
    int icon_area = icon == MessageIcon::None ? 0 : icon_size(font) + kMargin;
    int text_width = std::max(average, widest_client - 2 * kMargin - icon_area);

    std::vector<std::string> lines;
    int used_width = 0;
    if (font != nullptr) {
        lines = wrap_text(*font, text, text_width);
        for (const std::string& l : lines) used_width = std::max(used_width, font->text_width(l));
    }
    std::vector<ButtonSpec> specs = buttons_of(buttons);
    int button_width = 10 * average;
    int button_height = line + 10;
    int row_width = static_cast<int>(specs.size()) * button_width + (static_cast<int>(specs.size()) - 1) * kGap;
    int text_height = std::max(static_cast<int>(lines.size()) * line, icon == MessageIcon::None ? 0 : icon_size(font));

    DialogLayout layout;
    layout.caption = std::string(caption);
    layout.client = {std::max(icon_area + used_width, row_width) + 2 * kMargin,
                     kMargin + text_height + kMargin + button_height + kMargin};
    int text_top = kMargin + (text_height - static_cast<int>(lines.size()) * line) / 2;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        // "&" in a message is text, not a mnemonic.
        std::string shown;
        for (char c : lines[i]) {
            shown.push_back(c);
            if (c == '&') shown.push_back('&');
        }
        layout.controls.push_back({ControlKind::Static, 0, shown,
                                   Rect::from_size(kMargin + icon_area, text_top + static_cast<int>(i) * line,
                                                   used_width + 1, line)});
    }
    int x = (layout.client.width - row_width) / 2;
    int y = layout.client.height - kMargin - button_height;
    for (std::size_t i = 0; i < specs.size(); ++i) {
        ControlStyle style = i == 0 ? ControlStyle::DefaultButton : ControlStyle::None;
        layout.controls.push_back({ControlKind::PushButton, specs[i].id, specs[i].text,
                                   Rect::from_size(x, y, button_width, button_height), style});
        x += button_width + kGap;
    }
    auto data = UserData::owned<MessageBoxData>();
    MessageBoxData* d = data.get<MessageBoxData>();
    d->buttons = buttons;
    d->icon = icon;
    d->icon_rect = Rect::from_size(frame.border + kMargin, frame.border + frame.caption + kMargin,
                                   icon_size(font), icon_size(font));
    return run_dialog(owner, layout, kMessageBoxProcedure, std::move(data));
}

}  // namespace zel::platform
