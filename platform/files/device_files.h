#pragma once

#include <cstddef>
#include <filesystem>
#include <span>
#include <string_view>
#include <vector>

namespace zel::platform {

enum class FolderCreation {
    Created,  // the folder did not exist and now does
    Exists,   // it was there already
    Failed,   // it could not be created (a file of that name, no permission, ...)
};

enum class ReadOutcome {
    Complete,    // every byte of the file was read
    CannotOpen,  // the file could not be opened (usually: it does not exist)
    ReadError,   // the file opened but a read failed; the bytes before the failure are kept
    TooLarge,    // the file holds more than was asked for; the first bytes are kept
};

struct FileContents {
    ReadOutcome outcome = ReadOutcome::CannotOpen;
    std::vector<char> bytes;
};

// The device's file system below a root directory. The system names its files as on its original
// platform ("Storage\BRUINI\Z601CX.INI", "\BRUINI"); they are mapped below the root with "/" for
// "\". Empty, "." and ".." components are dropped, so no name can reach outside the root.
class DeviceFiles {
public:
    explicit DeviceFiles(std::filesystem::path root);

    const std::filesystem::path& root() const { return m_root; }
    std::filesystem::path host_path(std::string_view system_path) const;

    // Creates the root itself (with its parents); the system takes the root for granted.
    bool ensure_root() const;

    // Creates the folder and any missing parents below the root.
    FolderCreation create_folder(std::string_view system_path) const;
    // Removes an empty folder.
    bool remove_folder(std::string_view system_path) const;
    bool delete_file(std::string_view system_path) const;
    bool file_exists(std::string_view system_path) const;

    // Reads a small file whole, at most max_bytes of it.
    FileContents read_file(std::string_view system_path, std::size_t max_bytes) const;
    // Replaces the file's contents. The new contents are written to a temporary file beside it
    // and renamed over it, so a failure part-way leaves the old file intact.
    bool write_file(std::string_view system_path, std::span<const char> bytes) const;

private:
    std::filesystem::path m_root;
};

}  // namespace zel::platform
