#pragma once

#include "platform/ui/message.h"

#include <span>
#include <string_view>

namespace zel::platform {

class Window;

using MessageHandler = LResult (*)(Window window, MessageId message, WParam wparam, LParam lparam);

struct MessageEntry {
    MessageId message;
    MessageHandler handler;
};

// A window class: a name to find windows by and a constant table searched in order; the first
// entry whose message matches handles it, and a message found nowhere gets default_procedure.
struct WindowClass {
    std::string_view name;
    std::span<const MessageEntry> table;
};

// Default processing: close destroys the window; everything else is answered with 0. A paint
// needs nothing more, because delivering it has already validated the window.
LResult default_procedure(Window window, MessageId message, WParam wparam, LParam lparam);

}  // namespace zel::platform
