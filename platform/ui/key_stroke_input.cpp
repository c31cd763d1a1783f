#include "platform/ui/key_stroke_input.h"

namespace zel::platform {

void post_key_stroke(WindowSystem& ui, const KeyStroke& stroke) {
    ui.post_input(InputEvent::key_down(stroke.key_code));
    if (stroke.character != 0) ui.post_input(InputEvent::character(static_cast<std::uint32_t>(stroke.character)));
    ui.post_input(InputEvent::key_up(stroke.key_code));
}

}  // namespace zel::platform
