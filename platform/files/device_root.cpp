#include "platform/files/device_root.h"

#include <cstdlib>

namespace zel::platform {
namespace {

const char* non_empty_env(const char* name) {
    const char* value = std::getenv(name);
    return (value != nullptr && *value != '\0') ? value : nullptr;
}

}  // namespace

std::filesystem::path resolve_device_root(const std::filesystem::path& explicit_root) {
    if (!explicit_root.empty()) return explicit_root;
    if (const char* root = non_empty_env("ZEL_ROOT")) return root;
    if (const char* data = non_empty_env("XDG_DATA_HOME")) return std::filesystem::path(data) / "zel";
    if (const char* home = non_empty_env("HOME")) return std::filesystem::path(home) / ".local/share/zel";
    return "zel";
}

}  // namespace zel::platform
