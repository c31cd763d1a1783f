#include "serial/port/port_handles.h"

namespace zel {

bool PortHandles::open(PortRole role, const std::string& path, const platform::SerialConfig& config) {
    platform::SerialPort& p = port(role);
    if (!p.open(path)) return false;
    p.configure(config);
    return true;
}

bool PortHandles::open(PortRole role, int port_number, const PortOverrides& overrides,
                       const platform::SerialConfig& config) {
    return open(role, port_device_path(port_number, overrides), config);
}

void PortHandles::close_all() {
    for (platform::SerialPort& p : m_ports) p.close();
}

}  // namespace zel
