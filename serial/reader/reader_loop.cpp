#include "serial/reader/reader_loop.h"

namespace zel {

ReaderEnd run_reader_loop(platform::SerialPort& port, ReaderStart start,
                          const std::function<void(std::uint8_t)>& on_byte) {
    const platform::PortSession session = port.session();
    if (start == ReaderStart::Purge) port.purge();
    for (;;) {
        if (!port.is_open(session)) return ReaderEnd::PortClosed;
        switch (port.wait_readable(session)) {
        case platform::WaitResult::Closed: return ReaderEnd::PortClosed;
        case platform::WaitResult::Lost: return ReaderEnd::PortLost;
        case platform::WaitResult::Data: break;
        }
        while (auto byte = port.read_byte(session)) on_byte(*byte);
    }
}

}  // namespace zel
