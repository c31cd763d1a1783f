#include "platform/ui/soft_keyboard.h"

#include <array>
#include <vector>

#include "platform/backend/key_codes.h"
#include "platform/ui/controls/control_look.h"
#include "platform/ui/key_stroke_input.h"
#include "platform/ui/screen.h"

namespace zel::platform {

namespace {

enum class KeyAction {
    Type,   // types its label, in upper case while Shift holds
    Shift,  // holds for the next letter
    Named,  // presses the key of that name, as a script's key step does
};

struct SoftKey {
    std::string_view label;
    KeyAction action;
    int halves;  // width in half keys; every row is 20 halves wide
};

constexpr int kRowHalves = 20;
constexpr int kRows = 5;

constexpr SoftKey T(std::string_view label) { return {label, KeyAction::Type, 2}; }

// A US layout cut down to what the system's dialogs take: numbers, names, comments.
constexpr std::array kKeys{
    T("1"), T("2"), T("3"), T("4"), T("5"), T("6"), T("7"), T("8"), T("9"), T("0"),
    T("q"), T("w"), T("e"), T("r"), T("t"), T("y"), T("u"), T("i"), T("o"), T("p"),
    T("a"), T("s"), T("d"), T("f"), T("g"), T("h"), T("j"), T("k"), T("l"), T("-"),
    SoftKey{"Shift", KeyAction::Shift, 3}, T("z"), T("x"), T("c"), T("v"), T("b"), T("n"), T("m"),
    SoftKey{"Back", KeyAction::Named, 3},
    SoftKey{"Tab", KeyAction::Named, 3}, T("."), SoftKey{"Space", KeyAction::Named, 8}, T(","),
    SoftKey{"Enter", KeyAction::Named, 5},
};

// "Back" is the script's "Backspace".
std::string_view key_name(std::string_view label) { return label == "Back" ? "Backspace" : label; }

struct KeyboardState {
    Window button;
    Window panel;
    std::vector<Rect> keys;  // panel coordinates, one per entry of kKeys
    int pressed = -1;        // the key under a finger that is down
    bool shift = false;
    bool button_pressed = false;
};

int text_height(const Screen& screen) {
    return screen.ui_font() != nullptr ? screen.ui_font()->metrics().height : 13;
}

std::vector<Rect> key_rects(int width, int key_height) {
    int half = width / kRowHalves;
    int left = (width - half * kRowHalves) / 2;
    std::vector<Rect> rects;
    int row = 0, used = 0;
    for (const SoftKey& k : kKeys) {
        if (used == kRowHalves) {
            ++row;
            used = 0;
        }
        rects.push_back(Rect::from_size(left + used * half, 1 + row * key_height, k.halves * half, key_height));
        used += k.halves;
    }
    return rects;
}

int key_at(const KeyboardState& s, Point p) {
    for (std::size_t i = 0; i < s.keys.size(); ++i) {
        if (s.keys[i].contains(p)) return static_cast<int>(i);
    }
    return -1;
}

void press_key(KeyboardState& s, int index) {
    const SoftKey& k = kKeys[static_cast<std::size_t>(index)];
    WindowSystem& ui = *s.panel.system();
    switch (k.action) {
    case KeyAction::Shift: s.shift = !s.shift; break;
    case KeyAction::Named:
        if (auto stroke = key_for_name(key_name(k.label))) post_key_stroke(ui, *stroke);
        break;
    case KeyAction::Type: {
        char32_t c = static_cast<unsigned char>(k.label.front());
        bool letter = c >= 'a' && c <= 'z';
        if (letter && s.shift) {
            c = c - 'a' + 'A';
            s.shift = false;
        }
        if (auto stroke = key_for_character(c)) post_key_stroke(ui, *stroke);
        break;
    }
    }
}

KeyboardState* state_of(Window w) { return w.data<KeyboardState>(); }

void toggle(Window panel) {
    if (panel.visible()) {
        panel.hide();
    } else {
        panel.show();
    }
}

void draw_key(Painter& p, const Rect& r, std::string_view label, bool down) {
    Rect face{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
    p.fill_rect(face, down ? look::highlight : colors::white);
    draw_frame(p, face, look::shadow);
    draw_label(p, face, MnemonicText{std::string(label)}, Align::Centre, down ? look::highlight_text : look::text);
}

LResult panel_paint(Window w, MessageId, WParam, LParam) {
    KeyboardState* s = state_of(w);
    Screen* screen = Screen::of(w);
    if (s == nullptr || screen == nullptr) return 0;
    Painter p = screen->painter(w);
    p.fill_rect(w.client_rect(), look::face);
    draw_frame(p, w.client_rect(), look::frame);
    for (std::size_t i = 0; i < kKeys.size(); ++i) {
        bool down = static_cast<int>(i) == s->pressed || (kKeys[i].action == KeyAction::Shift && s->shift);
        draw_key(p, s->keys[i], kKeys[i].label, down);
    }
    return 0;
}

// A key types when the finger leaves it where it went down, as a button clicks.
LResult panel_pointer(Window w, MessageId m, WParam, LParam lp) {
    KeyboardState* s = state_of(w);
    if (s == nullptr) return 0;
    int under = key_at(*s, {point_x(lp), point_y(lp)});
    if (m == msg::pointer_down) {
        s->pressed = under;
    } else if (m == msg::pointer_up) {
        if (under >= 0 && under == s->pressed) press_key(*s, under);
        s->pressed = -1;
    } else if (under != s->pressed) {
        s->pressed = -1;  // slid off: the key will not type
    }
    w.invalidate();
    return 0;
}

// A little keyboard: an outline, two rows of keys and a space bar.
void draw_keyboard_icon(Painter& p, const Rect& box) {
    int w = box.width() * 2 / 3, h = box.height() / 2;
    Rect icon = Rect::from_size(box.left + (box.width() - w) / 2, box.top + (box.height() - h) / 2, w, h);
    draw_frame(p, icon, look::text);
    int step = std::max(2, (w - 4) / 5);
    for (int row = 0; row < 2; ++row) {
        for (int x = icon.left + 2; x + 1 < icon.right - 1; x += step) {
            int y = icon.top + 2 + row * 2;
            p.fill_rect({x, y, x + 1, y + 1}, look::text);
        }
    }
    p.fill_rect({icon.left + w / 4, icon.bottom - 3, icon.right - w / 4, icon.bottom - 2}, look::text);
}

LResult button_paint(Window w, MessageId, WParam, LParam) {
    KeyboardState* s = state_of(w);
    Screen* screen = Screen::of(w);
    if (s == nullptr || screen == nullptr) return 0;
    Painter p = screen->painter(w);
    p.fill_rect(w.client_rect(), s->button_pressed ? look::shadow : look::face);
    draw_frame(p, w.client_rect(), look::frame);
    draw_keyboard_icon(p, w.client_rect());
    return 0;
}

LResult button_pointer(Window w, MessageId m, WParam, LParam lp) {
    KeyboardState* s = state_of(w);
    if (s == nullptr) return 0;
    s->button_pressed = m == msg::pointer_down;
    if (m == msg::pointer_up && w.client_rect().contains({point_x(lp), point_y(lp)})) toggle(s->panel);
    w.invalidate();
    return 0;
}

LResult button_show(Window w, MessageId, WParam shown, LParam) {
    KeyboardState* s = state_of(w);
    if (s != nullptr && shown == 0) s->panel.hide();
    return 0;
}

constexpr MessageEntry kButtonTable[] = {
    {msg::paint, button_paint},
    {msg::pointer_down, button_pointer},
    {msg::pointer_up, button_pointer},
    {msg::show, button_show},
};
constexpr WindowClass kButtonClass{kSoftKeyboardButton, kButtonTable};

constexpr MessageEntry kPanelTable[] = {
    {msg::paint, panel_paint},
    {msg::pointer_down, panel_pointer},
    {msg::pointer_move, panel_pointer},
    {msg::pointer_up, panel_pointer},
};
constexpr WindowClass kPanelClass{"SoftKeyboard", kPanelTable};

}  // namespace

SoftKeyboard::SoftKeyboard(Screen& screen) {
    Size size = screen.size();
    int h = text_height(screen);
    Size button{2 * h + 6, h + 8};
    int key_height = h + 10;
    Rect button_rect = Rect::from_size(size.width - button.width, size.height - button.height, button.width, button.height);
    Rect panel_rect{0, button_rect.top - kRows * key_height - 2, size.width, button_rect.top};

    UserData data = UserData::owned<KeyboardState>();
    KeyboardState& state = *data.get<KeyboardState>();
    state.keys = key_rects(size.width, key_height);
    WindowSystem& ui = screen.ui();
    m_panel = ui.create({&kPanelClass, "", {}, panel_rect, WindowStyle::TopMost, 0, data});
    m_button = ui.create({&kButtonClass, std::string(kSoftKeyboardButton), {}, button_rect, WindowStyle::TopMost, 0, data});
    state.panel = m_panel;
    state.button = m_button;
}

SoftKeyboard::~SoftKeyboard() {
    m_button.destroy();
    m_panel.destroy();
}

void SoftKeyboard::show_button() const { m_button.show(); }
void SoftKeyboard::hide_button() const { m_button.hide(); }

void SoftKeyboard::toggle_panel() const { toggle(m_panel); }

bool SoftKeyboard::panel_open() const { return m_panel.shown(); }

std::optional<Rect> SoftKeyboard::key_area(std::string_view label) const {
    const KeyboardState* s = state_of(m_panel);
    if (s == nullptr) return std::nullopt;
    Rect panel = m_panel.rect();
    for (std::size_t i = 0; i < kKeys.size(); ++i) {
        if (kKeys[i].label == label) return s->keys[i].translated(panel.left, panel.top);
    }
    return std::nullopt;
}

}  // namespace zel::platform
