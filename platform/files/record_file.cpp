#include "platform/files/record_file.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zel::platform {

namespace {

constexpr mode_t kFileMode = 0644;

// A reopen never creates: a survey file that vanished must not come back as a headerless one.
enum class Missing { Create, Fail };

int open_appending(const std::filesystem::path& path, Missing missing = Missing::Create) {
    const int create = missing == Missing::Create ? O_CREAT : 0;
    int fd;
    do {
        fd = ::open(path.c_str(), O_RDWR | create | O_APPEND | O_CLOEXEC, kFileMode);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

}  // namespace

RecordFile::~RecordFile() { close(); }

CreateResult RecordFile::create(const std::filesystem::path& path) {
    const std::lock_guard lock(m_mutex);
    close_locked();
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_APPEND | O_CLOEXEC, kFileMode);
    if (fd < 0) return errno == EEXIST ? CreateResult::AlreadyExists : CreateResult::Failed;
    m_fd = fd;
    m_path = path;
    return CreateResult::Created;
}

bool RecordFile::open_for_append(const std::filesystem::path& path) {
    const std::lock_guard lock(m_mutex);
    close_locked();
    m_path = path;
    m_fd = open_appending(path);
    return m_fd >= 0;
}

bool RecordFile::reopen_for_append() {
    const std::lock_guard lock(m_mutex);
    if (m_path.empty()) return false;
    // The new descriptor is opened before the old one is closed: if the card refuses the open,
    // the run keeps writing through the old descriptor instead of losing every later record.
    const int reopened = open_appending(m_path, Missing::Fail);
    if (reopened < 0) {
        if (m_fd >= 0) ::fsync(m_fd);
        return false;
    }
    close_locked();
    m_fd = reopened;
    return true;
}

void RecordFile::close() {
    const std::lock_guard lock(m_mutex);
    close_locked();
}

void RecordFile::close_locked() {
    if (m_fd < 0) return;
    ::fsync(m_fd);
    ::close(m_fd);
    m_fd = -1;
}

bool RecordFile::is_open() const {
    const std::lock_guard lock(m_mutex);
    return m_fd >= 0;
}

std::filesystem::path RecordFile::path() const {
    const std::lock_guard lock(m_mutex);
    return m_path;
}

bool RecordFile::append(std::span<const char> record) {
    const std::lock_guard lock(m_mutex);
    return write_record(record);
}

bool RecordFile::append_records(std::span<const char> records, std::size_t record_length) {
    if (record_length == 0) return false;
    const std::lock_guard lock(m_mutex);
    bool all_written = true;
    for (std::size_t at = 0; at < records.size(); at += record_length)
        all_written = write_record(records.subspan(at, std::min(record_length, records.size() - at))) && all_written;
    return all_written;
}

// Called with the lock held.
bool RecordFile::write_record(std::span<const char> record) {
    if (m_fd < 0) return false;
    ssize_t written;
    do {
        written = ::write(m_fd, record.data(), record.size());
    } while (written < 0 && errno == EINTR);
    if (written == static_cast<ssize_t>(record.size())) return true;
    if (written > 0) {
        // A full storage card takes only part of the record. Cut that part off again: a file of
        // whole records is still read correctly backwards from its end, a torn one is not.
        const off_t end = ::lseek(m_fd, 0, SEEK_END);
        if (end >= written) (void)::ftruncate(m_fd, end - written);
    }
    return false;
}

}  // namespace zel::platform
