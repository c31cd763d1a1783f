#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace zel::platform {

inline constexpr const char* kPowerSupplyFolder = "/sys/class/power_supply";
inline constexpr const char* kMemInfoFile = "/proc/meminfo";

// Charge of the first present battery (by supply name) in percent, 0..100; empty when the
// machine has no battery or reports none readable ("unknown" to the operator).
std::optional<int> battery_percent(const std::string& power_supply_folder = kPowerSupplyFolder);

// Physical memory available to a new program in bytes (MemAvailable, or MemFree on kernels
// without it); empty when the file cannot be read.
std::optional<std::uint64_t> free_memory_bytes(const std::string& meminfo = kMemInfoFile);

}  // namespace zel::platform
