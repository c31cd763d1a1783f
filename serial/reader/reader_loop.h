#pragma once

#include <cstdint>
#include <functional>

#include "platform/serial/serial_port.h"

namespace zel {

// Instrument readers start from an empty port; the NMEA reader takes what is there.
enum class ReaderStart { Purge, Keep };

enum class ReaderEnd {
    PortClosed,  // the window thread closed (or reopened) the port
    PortLost,    // the device went away; the connection watchdog notices the silence
};

// The loop every reader thread follows: at each turn end if the port is no longer the one this
// reader started on, wait for bytes, and hand each byte of the burst to the device's framing.
// A lost device ends the loop too, because its port would report data at once forever.
ReaderEnd run_reader_loop(platform::SerialPort& port, ReaderStart start,
                          const std::function<void(std::uint8_t)>& on_byte);

}  // namespace zel
