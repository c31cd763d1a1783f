#pragma once

#include <filesystem>
#include <optional>

namespace zel::platform {

// One running copy per device root: an exclusive lock on a file in the root, held while this
// object lives and dropped by the kernel if the process dies, so a crash never leaves a stale lock.
class InstanceLock {
public:
    // Empty when another holder has the lock (or the lock file cannot be opened at all).
    static std::optional<InstanceLock> acquire(const std::filesystem::path& root);

    InstanceLock(InstanceLock&& other) noexcept;
    InstanceLock& operator=(InstanceLock&& other) noexcept;
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;
    ~InstanceLock();

private:
    explicit InstanceLock(int fd) : m_fd(fd) {}
    int m_fd = -1;
};

inline constexpr const char* kInstanceLockName = ".zel.lock";

}  // namespace zel::platform
