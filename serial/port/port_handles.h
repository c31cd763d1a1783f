#pragma once

#include <array>
#include <string>

#include "platform/serial/serial_config.h"
#include "platform/serial/serial_port.h"
#include "serial/port/port_name.h"

namespace zel {

// The four ports of a logging run. Opened and closed on the window thread only; a port that is
// not open is the invalid handle every reader tests at the top of its loop.
class PortHandles {
public:
    platform::SerialPort& port(PortRole role) { return m_ports[index(role)]; }
    bool is_open(PortRole role) const { return m_ports[index(role)].is_open(); }

    // Opens the port at `path` and configures it; configuration errors are ignored, so a port
    // that opens is ready. On failure the port stays closed.
    bool open(PortRole role, const std::string& path, const platform::SerialConfig& config);
    // Opens port "COMn:" where the overrides, the environment or the default put it.
    bool open(PortRole role, int port_number, const PortOverrides& overrides,
              const platform::SerialConfig& config);
    // Closing releases the port's reader, which then ends by itself.
    void close(PortRole role) { port(role).close(); }
    void close_all();

private:
    static std::size_t index(PortRole role) { return static_cast<std::size_t>(role); }

    std::array<platform::SerialPort, kPortRoles> m_ports;
};

}  // namespace zel
