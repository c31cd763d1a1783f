#include "platform/ui/screen.h"

#include <algorithm>
#include <mutex>
#include <vector>

namespace zel::platform {

namespace {

// How long an idle loop waits before it looks at the display again: short enough that a tap
// feels immediate, long enough to leave the processor to the readers.
constexpr std::uint32_t kIdlePollMs = 10;

// Which screen each window system is tied to, so a window procedure that has only its window
// finds its framebuffer and fonts.
struct Registry {
    std::mutex mutex;
    std::vector<std::pair<const WindowSystem*, Screen*>> screens;
};

Registry& registry() {
    static Registry r;
    return r;
}

std::optional<InputEvent> to_input(const DisplayEvent& e) {
    switch (e.kind) {
    case DisplayEventKind::KeyDown: return InputEvent::key_down(e.key_code);
    case DisplayEventKind::KeyUp: return InputEvent::key_up(e.key_code);
    case DisplayEventKind::Character: return InputEvent::character(static_cast<std::uint32_t>(e.character));
    case DisplayEventKind::PointerDown: return InputEvent::pointer_down(e.position);
    case DisplayEventKind::PointerUp: return InputEvent::pointer_up(e.position);
    case DisplayEventKind::PointerMove: return InputEvent::pointer_move(e.position);
    case DisplayEventKind::Quit: return std::nullopt;
    }
    return std::nullopt;
}

}  // namespace

Screen::Screen(WindowSystem& ui, Display& display, FontLibrary& fonts, const FontRequest& ui_font)
    : m_ui(ui), m_display(display), m_fonts(fonts), m_framebuffer(display.size(), colors::black),
      m_ui_font(fonts.font(ui_font).font), m_quit_handler([&ui] { ui.quit(0); }) {
    {
        Registry& r = registry();
        std::lock_guard lock(r.mutex);
        std::erase_if(r.screens, [&](const auto& entry) { return entry.first == &ui; });
        r.screens.emplace_back(&ui, this);
    }
    m_ui.set_idle_poll([this] { idle_turn(); }, kIdlePollMs);
}

Screen::~Screen() {
    m_ui.set_idle_poll({}, 0);
    Registry& r = registry();
    std::lock_guard lock(r.mutex);
    std::erase_if(r.screens, [&](const auto& entry) { return entry.second == this; });
}

Screen* Screen::of(const WindowSystem* ui) {
    Registry& r = registry();
    std::lock_guard lock(r.mutex);
    auto it = std::find_if(r.screens.begin(), r.screens.end(), [&](const auto& e) { return e.first == ui; });
    return it != r.screens.end() ? it->second : nullptr;
}

Screen* Screen::of(Window window) { return window.is_null() ? nullptr : of(window.system()); }

const Font* Screen::font(const FontRequest& request) { return m_fonts.font(request).font; }

Painter Screen::painter(Window window) { return painter(window, window.client_rect()); }

Painter Screen::painter(Window window, const Rect& area) {
    Rect screen = window.screen_rect();
    Painter p(m_framebuffer, screen);
    p.add_clip_rect(window.clip_rect().translated(-screen.left, -screen.top));
    p.add_clip_rect(area);
    p.set_font(m_ui_font);
    Rect painting = window.paint_rect();
    if (!painting.empty()) {
        p.add_clip_rect(painting);
        return p;
    }
    Rect visible = p.clip_rect().translated(screen.left, screen.top);
    for (const Rect& cover : window.covering_rects()) {
        if (!cover.intersected(visible).empty()) {
            p.add_clip_rect({});
            break;
        }
    }
    return p;
}

// A quit event waits until the input before it has been handled: the loop calls the handler
// on its next idle turn, and input after it stays with the display until then.
bool Screen::poll_input() {
    bool any = false;
    while (!m_quit_pending) {
        auto event = m_display.poll_event();
        if (!event) break;
        any = true;
        if (auto input = to_input(*event)) {
            m_ui.post_input(*input);
        } else {
            m_quit_pending = true;
        }
    }
    return any;
}

void Screen::handle_pending_quit() {
    if (!m_quit_pending) return;
    m_quit_pending = false;
    if (m_quit_handler) m_quit_handler();
}

std::size_t Screen::pump() {
    std::size_t handled = 0;
    while (true) {
        poll_input();
        std::size_t n = m_ui.pump();
        if (n == 0 && m_quit_pending) {
            handle_pending_quit();
            n = m_ui.pump();
        }
        if (n == 0) break;
        handled += n;
    }
    present();
    return handled;
}

void Screen::idle_turn() {
    present();
    handle_pending_quit();
    poll_input();
}

}  // namespace zel::platform
