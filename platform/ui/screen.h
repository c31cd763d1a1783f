#pragma once

#include <functional>
#include <memory>

#include "platform/backend/display.h"
#include "platform/gfx/bitmap.h"
#include "platform/gfx/font_library.h"
#include "platform/gfx/painter.h"
#include "platform/ui/window_system.h"

namespace zel::platform {

// The font controls, dialogs and message boxes draw with unless told otherwise.
inline const FontRequest kDefaultUiFont{"MS Sans Serif", 13, 400};

// Ties the window system to one screen: a framebuffer of the display's size that every window
// draws into, the display that shows it and delivers input, and the fonts. Belongs to the window
// thread; there is at most one screen per window system.
//
// Immediate drawing and windows above: a painter obtained outside a paint draws nothing when any
// window above covers the area it was asked for (a dialog over the logging window), so it never
// paints over a dialog. Callers that draw small areas ask for just that area (a status field), so
// the parts a dialog leaves uncovered go on updating. During a paint the covering windows are
// ignored: the window system paints them again afterwards, on top.
class Screen {
public:
    // The screen installs itself as the window system's idle poll: each idle turn turns display
    // events into input and presents what was drawn.
    Screen(WindowSystem& ui, Display& display, FontLibrary& fonts,
           const FontRequest& ui_font = kDefaultUiFont);
    ~Screen();
    Screen(const Screen&) = delete;
    Screen& operator=(const Screen&) = delete;

    // The screen a window's system is tied to, or nullptr.
    static Screen* of(Window window);
    static Screen* of(const WindowSystem* ui);

    WindowSystem& ui() { return m_ui; }
    Display& display() { return m_display; }
    Framebuffer& framebuffer() { return m_framebuffer; }
    FontLibrary& fonts() { return m_fonts; }
    Size size() const { return m_framebuffer.size(); }

    // Null when the font could not be opened; text is then not drawn.
    const Font* ui_font() const { return m_ui_font; }
    const Font* font(const FontRequest& request);

    // Origin at the window's top-left, clipped to its visible part (and during its paint to the
    // paint rectangle), the UI font selected. Empty clip while covered, as the class comment says.
    Painter painter(Window window);
    // The same, further clipped to `area` in client coordinates; covered only if `area` is.
    Painter painter(Window window, const Rect& area);

    void beep(Beep kind) { m_display.beep(kind); }
    // The system's message beep by its numeric value (16 hand, 32 question, ...).
    void message_beep(unsigned value) { m_display.beep(beep_for_value(value)); }

    // What a quit event of the display (the desktop window closed) does; by default it asks the
    // window system to quit with code 0. The program replaces it with its own exit command.
    void set_quit_handler(std::function<void()> handler) { m_quit_handler = std::move(handler); }

    // Display events into window-system input; true when there were any.
    bool poll_input();
    // Shows what was drawn since the last present.
    void present() { m_display.present_damage(m_framebuffer); }
    // Handles input, messages, paints and due timers until nothing is left, then presents: the
    // idle turn of the loops, callable from tests without waiting.
    std::size_t pump();

private:
    void idle_turn();
    void handle_pending_quit();

    WindowSystem& m_ui;
    Display& m_display;
    FontLibrary& m_fonts;
    Framebuffer m_framebuffer;
    const Font* m_ui_font = nullptr;
    std::function<void()> m_quit_handler;
    bool m_quit_pending = false;
};

}  // namespace zel::platform
