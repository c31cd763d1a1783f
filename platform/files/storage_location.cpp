#include "platform/files/storage_location.h"

namespace zel::platform {

StorageLocation decide_storage_location(const DeviceFiles& files) {
    files.ensure_root();
    if (files.create_folder("Storage") != FolderCreation::Created) return StorageLocation::Storage;
    files.remove_folder("Storage");
    return StorageLocation::Root;
}

}  // namespace zel::platform
