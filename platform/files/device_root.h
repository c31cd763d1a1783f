#pragma once

#include <filesystem>

namespace zel::platform {

// The directory that stands for the root of the device's file system. The first of: the
// directory the caller names (--root), $ZEL_ROOT, $XDG_DATA_HOME/zel, ~/.local/share/zel.
// Empty or unset variables are skipped; with no HOME either, the relative "zel" is used.
std::filesystem::path resolve_device_root(const std::filesystem::path& explicit_root = {});

}  // namespace zel::platform
