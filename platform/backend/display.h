#pragma once

#include <chrono>
#include <optional>

#include "platform/backend/display_event.h"
#include "platform/gfx/bitmap.h"
#include "platform/gfx/geometry.h"

namespace zel::platform {

// The sounds of the system's message beep, by the value it passes.
enum class Beep { Simple, Hand, Question, Exclamation, Asterisk };

// 16 hand, 32 question, 48 exclamation, 64 asterisk; anything else the simple beep.
Beep beep_for_value(unsigned value);

// Where the framebuffer is shown and input comes from. The executable chooses the backend; the
// window loop sees only this interface. Every call but wake() belongs to the window thread.
class Display {
public:
    virtual ~Display() = default;

    virtual Size size() const = 0;
    // Shows the area of the framebuffer (clipped to it).
    virtual void present(const Framebuffer& framebuffer, const Rect& area) = 0;
    // Shows what was drawn since the last present, if anything.
    void present_damage(Framebuffer& framebuffer);

    // The next input event, without waiting.
    virtual std::optional<DisplayEvent> poll_event() = 0;
    // Waits until input is ready, wake() is called or the time-out passes; true when input is
    // ready.
    virtual bool wait_event(std::chrono::milliseconds timeout) = 0;
    // Ends a wait_event early; safe from any thread (a reader posting a message).
    virtual void wake() = 0;

    virtual void beep(Beep kind) = 0;
    // Keeps the screen from blanking; called by the keep-alive thread's owner now and then.
    virtual void keep_awake() = 0;
};

}  // namespace zel::platform
