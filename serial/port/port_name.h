#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace zel {

enum class PortRole { Instrument, Gps, Output, ExternalMarker };

inline constexpr int kPortRoles = 4;
inline constexpr int kHighestPortNumber = 18;

// The port number ("COMn:") a port setting selects: list index + 1 for the instrument, GPS and
// output ports (0..17). The external-marker list has "Disabled" at 0 and no COM6, so 1..5 are
// COM1..COM5 and 6..17 are COM7..COM18. nullopt for "Disabled" and for an index off the list.
std::optional<int> port_number(PortRole role, int list_index);

// "COM7:" for 7.
std::string port_device_name(int port_number);

// Device paths given on the command line (--port COMn=PATH), by port number.
using PortOverrides = std::map<int, std::string>;

// Where port n lives: the override, else the environment variable ZEL_COMn, else /dev/ttyS<n-1>.
std::string port_device_path(int port_number, const PortOverrides& overrides);

// "COM3=/dev/ttyUSB0" -> {3, "/dev/ttyUSB0"}; nullopt for a number outside 1..18 or no path.
std::optional<std::pair<int, std::string>> parse_port_override(std::string_view text);

}  // namespace zel
