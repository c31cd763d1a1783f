#pragma once

#include "platform/files/device_files.h"

namespace zel::platform {

// Where the settings and data folders live, decided once at start.
enum class StorageLocation : int {
    Storage = 1,  // a "Storage" folder exists at the root and holds them
    Root = 2,     // no "Storage": they live at the root
};

// Tries to create "Storage" at the root: if that works it did not exist, so it is removed again
// and the root is the location; otherwise "Storage" is taken to exist. Creates the root first,
// so a fresh device root does not pass for an existing "Storage".
StorageLocation decide_storage_location(const DeviceFiles& files);

}  // namespace zel::platform
