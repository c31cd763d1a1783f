#pragma once

#include "platform/backend/key_codes.h"
#include "platform/ui/window_system.h"

namespace zel::platform {

// Queues one key press as a keyboard reports it: key down, the character it types (when it
// types one), key up. Shift is not reported: the character already carries it, and a lone
// Shift press would count as a key of its own for handlers that act on any key.
void post_key_stroke(WindowSystem& ui, const KeyStroke& stroke);

}  // namespace zel::platform
