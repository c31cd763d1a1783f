#pragma once

#include <cstddef>
#include <filesystem>
#include <mutex>
#include <span>

namespace zel::platform {

enum class CreateResult {
    Created,
    AlreadyExists,  // the name is taken; the caller asks for another
    Failed,
};

// The open data file of a run: fixed-length records appended at its end.
//
// Records are written with one write() each, and every append holds one lock for its whole
// record or whole record family, so a record written from a reader thread never lands inside
// another record or between the records of a family written by the window thread. While no file
// is open, appends do nothing and report false; callers may ignore that, as a closed data file
// is a normal state of a run.
class RecordFile {
public:
    RecordFile() = default;
    ~RecordFile();
    RecordFile(const RecordFile&) = delete;
    RecordFile& operator=(const RecordFile&) = delete;

    // Creates a new file for reading and writing; an existing file is never touched.
    CreateResult create(const std::filesystem::path& path);
    // Opens the file for appending, creating it if it is missing.
    bool open_for_append(const std::filesystem::path& path);
    // Puts everything written so far on storage, closes the file and opens it again for
    // appending. Appends from other threads wait for the reopen rather than being lost. When the
    // file cannot be opened again it stays open as it was (synced) and the answer is false.
    bool reopen_for_append();
    // Puts everything written on storage and closes the file.
    void close();

    bool is_open() const;
    std::filesystem::path path() const;

    bool append(std::span<const char> record);
    // A record family: record_length-byte records, written in order with nothing between them.
    bool append_records(std::span<const char> records, std::size_t record_length);

private:
    bool write_record(std::span<const char> record);
    void close_locked();

    mutable std::mutex m_mutex;
    int m_fd = -1;
    std::filesystem::path m_path;
};

}  // namespace zel::platform
