#pragma once

#include <array>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>

#include "platform/serial/serial_config.h"

namespace zel::platform {

// Identifies one opening of a port: a reader keeps the session it started with, so a port closed
// and reopened under it (a reconnect) is never taken for its own.
using PortSession = std::uint32_t;
inline constexpr PortSession kNoSession = 0;

enum class WaitResult {
    Data,    // bytes are there to read
    Closed,  // the port was closed (or reopened) on the window thread
    Lost,    // the other end went away or the device failed; waiting again will not help
};

enum class CtsWaitResult { Changed, Closed, Unsupported };

struct ModemLines {
    bool cts = false;
    bool dsr = false;
    bool ring = false;
    bool dcd = false;
};

// A serial port on a Linux tty. The window thread opens, configures, writes and closes it; one
// reader thread at a time waits and reads.
//
// Closing must not pull the descriptor from under a reader blocked in poll() or read(): the
// number could be reused by the next open and the reader would read someone else's device. So
// the object lives on, close() marks the port closed and signals an eventfd that every wait polls
// beside the tty (closing a descriptor does not wake a poll in another thread on Linux), then
// waits for the readers inside a system call to leave, which they do at once, and only then
// closes the descriptors. A short mutex guards the state; it is never held across a blocking
// call.
class SerialPort {
public:
    SerialPort() = default;
    ~SerialPort();
    SerialPort(const SerialPort&) = delete;
    SerialPort& operator=(const SerialPort&) = delete;

    // Opens for reading and writing, exclusively (no second open succeeds while this one lasts),
    // without making it the controlling terminal. Fails for a missing path or one that is not a
    // terminal. Bytes that arrived before the open are dropped, as on a port just switched on.
    bool open(const std::string& path);
    // Read the current settings, change the given fields, write them back; refused calls are
    // ignored (a pseudo-terminal refuses the modem lines, for one).
    void configure(const SerialConfig& config);
    void close();

    bool is_open() const;
    bool is_open(PortSession session) const;
    PortSession session() const;  // kNoSession while closed

    // Discards what is waiting to be sent, then what has been received, in-process bytes too.
    void purge();
    std::optional<ModemLines> modem_lines() const;
    // Blocks until the CTS line changes or the port is closed.
    CtsWaitResult wait_cts_change(PortSession session);

    bool write_byte(std::uint8_t byte);
    bool write_text(std::string_view text);

    // Blocks until bytes can be read, the port is closed, or the other end is gone.
    WaitResult wait_readable(PortSession session);
    // Hands out the next byte of the current burst. With none left it makes one read() (after
    // waiting as the read time-outs say); nothing there ends the burst.
    std::optional<std::uint8_t> read_byte(PortSession session);
    // Releases a reader waiting inside read_byte() or wait_readable() without closing the port.
    void abort_read();

private:
    enum class Wake { Ready, Signalled, TimedOut, Hangup };

    bool enter(PortSession session, int& fd, int& event_fd);
    void leave();
    Wake wait_fd(int fd, int event_fd, short events, int timeout_ms);
    void drain_event_if_open(PortSession session);
    bool write_bytes(const std::uint8_t* data, std::size_t size);
    void close_descriptors();

    mutable std::mutex m_mutex;
    std::condition_variable m_left;
    int m_fd = -1;
    int m_event_fd = -1;
    PortSession m_session = kNoSession;
    PortSession m_last_session = kNoSession;
    int m_users = 0;  // threads inside a system call on m_fd
    bool m_lost = false;
    ReadTimeouts m_read_timeouts{kTimeoutMax, 0, 0};
    WriteTimeouts m_write_timeouts{};
    QueueSizes m_queues{};

    // The current burst; touched only by the reader, or by purge() under the mutex.
    std::array<std::uint8_t, 4096> m_burst{};
    std::size_t m_burst_size = 0;
    std::size_t m_burst_pos = 0;
};

}  // namespace zel::platform
