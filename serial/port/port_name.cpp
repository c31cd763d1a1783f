#include "serial/port/port_name.h"

#include <charconv>
#include <cstdlib>

namespace zel {

std::optional<int> port_number(PortRole role, int list_index) {
    if (list_index < 0 || list_index >= kHighestPortNumber) return std::nullopt;
    if (role != PortRole::ExternalMarker) return list_index + 1;
    if (list_index == 0) return std::nullopt;  // "Disabled"
    return list_index <= 5 ? list_index : list_index + 1;
}

std::string port_device_name(int port_number) { return "COM" + std::to_string(port_number) + ":"; }

std::string port_device_path(int port_number, const PortOverrides& overrides) {
    if (auto it = overrides.find(port_number); it != overrides.end()) return it->second;
    std::string variable = "ZEL_COM" + std::to_string(port_number);
    if (const char* path = std::getenv(variable.c_str()); path != nullptr && *path != '\0') return path;
    return "/dev/ttyS" + std::to_string(port_number - 1);
}

std::optional<std::pair<int, std::string>> parse_port_override(std::string_view text) {
    constexpr std::string_view kPrefix = "COM";
    std::size_t equals = text.find('=');
    if (!text.starts_with(kPrefix) || equals == std::string_view::npos || equals + 1 == text.size()) {
        return std::nullopt;
    }
    std::string_view digits = text.substr(kPrefix.size(), equals - kPrefix.size());
    int number = 0;
    auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (digits.empty() || error != std::errc{} || end != digits.data() + digits.size() || number < 1 ||
        number > kHighestPortNumber) {
        return std::nullopt;
    }
    return std::pair{number, std::string(text.substr(equals + 1))};
}

}  // namespace zel
