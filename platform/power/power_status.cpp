#include "platform/power/power_status.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string_view>
#include <vector>

namespace zel::platform {

namespace {

std::optional<std::string> first_line(const std::filesystem::path& path) {
    std::ifstream in(path);
    std::string line;
    if (!in || !std::getline(in, line)) return std::nullopt;
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) line.pop_back();
    return line;
}

template <class T>
std::optional<T> whole_number(std::string_view text) {
    T value{};
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc{} || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::optional<int> supply_charge(const std::filesystem::path& supply) {
    if (first_line(supply / "type") != "Battery") return std::nullopt;
    if (first_line(supply / "present") == "0") return std::nullopt;
    const auto capacity = first_line(supply / "capacity");
    if (!capacity) return std::nullopt;
    const auto percent = whole_number<int>(*capacity);
    if (!percent || *percent < 0 || *percent > 100) return std::nullopt;
    return percent;
}

}  // namespace

std::optional<int> battery_percent(const std::string& power_supply_folder) {
    std::error_code ec;
    std::vector<std::filesystem::path> supplies;
    for (const auto& entry : std::filesystem::directory_iterator(power_supply_folder, ec)) {
        supplies.push_back(entry.path());
    }
    std::sort(supplies.begin(), supplies.end());
    for (const auto& supply : supplies) {
        if (const auto charge = supply_charge(supply)) return charge;
    }
    return std::nullopt;
}

// A line reads "MemAvailable:    1234567 kB".
std::optional<std::uint64_t> free_memory_bytes(const std::string& meminfo) {
    std::ifstream in(meminfo);
    std::optional<std::uint64_t> available;
    std::optional<std::uint64_t> free;
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::string key, number, unit;
        fields >> key >> number >> unit;
        const auto kib = whole_number<std::uint64_t>(number);
        if (!kib || unit != "kB" || *kib > UINT64_MAX / 1024) continue;
        if (key == "MemAvailable:") available = *kib * 1024;
        if (key == "MemFree:") free = *kib * 1024;
    }
    return available ? available : free;
}

}  // namespace zel::platform
