#include "platform/files/device_files.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <system_error>

namespace zel::platform {
namespace {

bool write_all(int fd, std::span<const char> bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// Reads until end of file, an error, or one byte beyond max_bytes (to tell "exactly max" from
// "more than max").
ReadOutcome read_all(int fd, std::size_t max_bytes, std::vector<char>& bytes) {
    char chunk[4096];
    for (;;) {
        ssize_t n = ::read(fd, chunk, sizeof chunk);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return ReadOutcome::ReadError;
        if (n == 0) return ReadOutcome::Complete;
        std::size_t room = max_bytes - bytes.size();
        if (static_cast<std::size_t>(n) > room) {
            bytes.insert(bytes.end(), chunk, chunk + room);
            return ReadOutcome::TooLarge;
        }
        bytes.insert(bytes.end(), chunk, chunk + n);
    }
}

}  // namespace

DeviceFiles::DeviceFiles(std::filesystem::path root) : m_root(std::move(root)) {}

std::filesystem::path DeviceFiles::host_path(std::string_view system_path) const {
    std::filesystem::path result = m_root;
    while (!system_path.empty()) {
        std::size_t cut = system_path.find_first_of("\\/");
        std::string_view part = system_path.substr(0, cut);
        if (!part.empty() && part != "." && part != "..") result /= std::string(part);
        if (cut == std::string_view::npos) break;
        system_path.remove_prefix(cut + 1);
    }
    return result;
}

bool DeviceFiles::ensure_root() const {
    std::error_code ec;
    std::filesystem::create_directories(m_root, ec);
    return std::filesystem::is_directory(m_root, ec);
}

FolderCreation DeviceFiles::create_folder(std::string_view system_path) const {
    std::error_code ec;
    bool created = std::filesystem::create_directories(host_path(system_path), ec);
    if (ec) return FolderCreation::Failed;
    return created ? FolderCreation::Created : FolderCreation::Exists;
}

bool DeviceFiles::remove_folder(std::string_view system_path) const {
    return ::rmdir(host_path(system_path).c_str()) == 0;
}

bool DeviceFiles::delete_file(std::string_view system_path) const {
    return ::unlink(host_path(system_path).c_str()) == 0;
}

bool DeviceFiles::file_exists(std::string_view system_path) const {
    struct stat st {};
    return ::stat(host_path(system_path).c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

FileContents DeviceFiles::read_file(std::string_view system_path, std::size_t max_bytes) const {
    FileContents contents;
    int fd = ::open(host_path(system_path).c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return contents;
    contents.outcome = read_all(fd, max_bytes, contents.bytes);
    ::close(fd);
    return contents;
}

bool DeviceFiles::write_file(std::string_view system_path, std::span<const char> bytes) const {
    std::filesystem::path target = host_path(system_path);
    std::filesystem::path temporary = target;
    temporary += ".new";
    int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    bool ok = write_all(fd, bytes) && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    if (ok) ok = ::rename(temporary.c_str(), target.c_str()) == 0;
    if (!ok) ::unlink(temporary.c_str());
    return ok;
}

}  // namespace zel::platform
