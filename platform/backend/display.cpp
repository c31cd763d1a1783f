#include "platform/backend/display.h"

namespace zel::platform {

Beep beep_for_value(unsigned value) {
    switch (value) {
        case 16: return Beep::Hand;
        case 32: return Beep::Question;
        case 48: return Beep::Exclamation;
        case 64: return Beep::Asterisk;
        default: return Beep::Simple;
    }
}

void Display::present_damage(Framebuffer& framebuffer) {
    const Rect area = framebuffer.take_damage();
    if (!area.empty()) present(framebuffer, area);
}

}  // namespace zel::platform
