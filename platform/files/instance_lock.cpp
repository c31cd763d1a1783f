#include "platform/files/instance_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <utility>

namespace zel::platform {

std::optional<InstanceLock> InstanceLock::acquire(const std::filesystem::path& root) {
    const std::filesystem::path path = root / kInstanceLockName;
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) return std::nullopt;
    // flock belongs to the open file description, so a second open in this same process is
    // refused too: tests that start two programs in one root see what two processes see.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return std::nullopt;
    }
    return InstanceLock(fd);
}

InstanceLock::InstanceLock(InstanceLock&& other) noexcept : m_fd(std::exchange(other.m_fd, -1)) {}

InstanceLock& InstanceLock::operator=(InstanceLock&& other) noexcept {
    if (this != &other) {
        if (m_fd >= 0) ::close(m_fd);
        m_fd = std::exchange(other.m_fd, -1);
    }
    return *this;
}

InstanceLock::~InstanceLock() {
    if (m_fd >= 0) ::close(m_fd);
}

}  // namespace zel::platform
