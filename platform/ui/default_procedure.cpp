#include "platform/ui/window.h"
#include "platform/ui/window_class.h"

namespace zel::platform {

LResult default_procedure(Window window, MessageId message, WParam, LParam) {
    if (message == msg::close) window.destroy();
    return 0;
}

}  // namespace zel::platform
