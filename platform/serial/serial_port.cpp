#include "platform/serial/serial_port.h"

#include "platform/serial/termios_settings.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <linux/serial.h>

#include <cerrno>
#include <chrono>
#include <climits>

namespace zel::platform {
namespace {

void apply_modem_line(int fd, int bit, LineControl control) {
    ioctl(fd, control == LineControl::Enable ? TIOCMBIS : TIOCMBIC, &bit);
}

int poll_timeout(std::optional<std::uint64_t> ms) {
    if (!ms) return -1;
    return *ms > INT_MAX ? INT_MAX : static_cast<int>(*ms);
}

}  // namespace

SerialPort::~SerialPort() { close(); }

bool SerialPort::open(const std::string& path) {
    std::lock_guard lock(m_mutex);
    if (m_fd >= 0) return false;  // one opening at a time
    int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return false;
    // The exclusive flag keeps out other users (root excepted); the lock keeps out every other
    // opener of the port through this layer, root included.
    if (!isatty(fd) || flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return false;
    }
    int event_fd = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (event_fd < 0) {
        ::close(fd);
        return false;
    }
    ioctl(fd, TIOCEXCL);
    termios t{};
    if (tcgetattr(fd, &t) == 0) {
        make_raw(t);
        tcsetattr(fd, TCSANOW, &t);
    }
    tcflush(fd, TCIFLUSH);
    m_fd = fd;
    m_event_fd = event_fd;
    m_session = ++m_last_session == kNoSession ? ++m_last_session : m_last_session;
    m_lost = false;
    m_burst_size = m_burst_pos = 0;
    return true;
}

void SerialPort::configure(const SerialConfig& config) {
    int fd = -1;
    int event_fd = -1;
    if (!enter(session(), fd, event_fd)) return;
    {
        std::lock_guard lock(m_mutex);
        m_read_timeouts = config.read_timeouts;
        if (config.write_timeouts) m_write_timeouts = *config.write_timeouts;
        if (config.queues) m_queues = *config.queues;
    }
    termios t{};
    if (tcgetattr(fd, &t) == 0) {
        apply_line_settings(t, config.line);
        tcsetattr(fd, TCSANOW, &t);
    }
    if (config.line.dtr) apply_modem_line(fd, TIOCM_DTR, *config.line.dtr);
    if (config.line.rts) apply_modem_line(fd, TIOCM_RTS, *config.line.rts);
    leave();
}

void SerialPort::close() {
    std::unique_lock lock(m_mutex);
    if (m_fd < 0) return;
    m_session = kNoSession;
    std::uint64_t one = 1;
    [[maybe_unused]] ssize_t n = ::write(m_event_fd, &one, sizeof one);
    m_left.wait(lock, [this] { return m_users == 0; });
    close_descriptors();
}

void SerialPort::close_descriptors() {
    // Another holder of the tty (a simulator keeping its slave open) would otherwise inherit the
    // exclusive flag and lock everyone but root out.
    ioctl(m_fd, TIOCNXCL);
    ::close(m_fd);
    ::close(m_event_fd);
    m_fd = m_event_fd = -1;
    m_burst_size = m_burst_pos = 0;
}

bool SerialPort::is_open() const {
    std::lock_guard lock(m_mutex);
    return m_session != kNoSession;
}

bool SerialPort::is_open(PortSession session) const {
    std::lock_guard lock(m_mutex);
    return session != kNoSession && m_session == session;
}

PortSession SerialPort::session() const {
    std::lock_guard lock(m_mutex);
    return m_session;
}

bool SerialPort::enter(PortSession session, int& fd, int& event_fd) {
    std::lock_guard lock(m_mutex);
    if (session == kNoSession || m_session != session) return false;
    ++m_users;
    fd = m_fd;
    event_fd = m_event_fd;
    return true;
}

void SerialPort::leave() {
    std::lock_guard lock(m_mutex);
    if (--m_users == 0) m_left.notify_all();
}

SerialPort::Wake SerialPort::wait_fd(int fd, int event_fd, short events, int timeout_ms) {
    pollfd fds[2] = {{fd, events, 0}, {event_fd, POLLIN, 0}};
    int n = 0;
    do {
        n = poll(fds, 2, timeout_ms);
    } while (n < 0 && errno == EINTR);
    if (n < 0) return Wake::Hangup;
    if (n == 0) return Wake::TimedOut;
    if (fds[1].revents & POLLIN) return Wake::Signalled;
    if (fds[0].revents & events) return Wake::Ready;
    return Wake::Hangup;  // POLLHUP, POLLERR or POLLNVAL without data
}

// An abort is consumed by the waiter it woke; a close is left signalled for everyone.
void SerialPort::drain_event_if_open(PortSession session) {
    std::lock_guard lock(m_mutex);
    if (m_session != session || m_event_fd < 0) return;
    std::uint64_t count = 0;
    [[maybe_unused]] ssize_t n = ::read(m_event_fd, &count, sizeof count);
}

void SerialPort::purge() {
    int fd = -1;
    int event_fd = -1;
    if (!enter(session(), fd, event_fd)) return;
    tcflush(fd, TCOFLUSH);
    tcflush(fd, TCIFLUSH);
    {
        std::lock_guard lock(m_mutex);
        m_burst_size = m_burst_pos = 0;
    }
    leave();
}

std::optional<ModemLines> SerialPort::modem_lines() const {
    std::lock_guard lock(m_mutex);
    int bits = 0;
    if (m_fd < 0 || ioctl(m_fd, TIOCMGET, &bits) != 0) return std::nullopt;
    return ModemLines{(bits & TIOCM_CTS) != 0, (bits & TIOCM_DSR) != 0, (bits & TIOCM_RNG) != 0,
                      (bits & TIOCM_CAR) != 0};
}

// TIOCMIWAIT cannot be used: a thread blocked in it holds the file open, so neither close() nor
// an eventfd releases it. Instead we poll the close eventfd on a short tick and read the driver's
// CTS transition counter, which counts every edge, so a pulse shorter than the tick is not lost.
// Drivers without the counter are sampled through the line states.
CtsWaitResult SerialPort::wait_cts_change(PortSession session) {
    constexpr int kTickMs = 10;
    int fd = -1;
    int event_fd = -1;
    if (!enter(session, fd, event_fd)) return CtsWaitResult::Closed;
    serial_icounter_struct start{};
    bool counted = ioctl(fd, TIOCGICOUNT, &start) == 0;
    int start_bits = 0;
    if (!counted && ioctl(fd, TIOCMGET, &start_bits) != 0) {
        leave();
        return CtsWaitResult::Unsupported;
    }
    CtsWaitResult result = CtsWaitResult::Closed;
    for (;;) {
        Wake wake = wait_fd(event_fd, event_fd, POLLIN, kTickMs);
        if (wake == Wake::Signalled || wake == Wake::Ready) break;  // closed
        if (counted) {
            serial_icounter_struct now{};
            if (ioctl(fd, TIOCGICOUNT, &now) != 0) {
                result = CtsWaitResult::Unsupported;
                break;
            }
            if (now.cts != start.cts) {
                result = CtsWaitResult::Changed;
                break;
            }
        } else {
            int bits = 0;
            if (ioctl(fd, TIOCMGET, &bits) != 0) {
                result = CtsWaitResult::Unsupported;
                break;
            }
            if ((bits ^ start_bits) & TIOCM_CTS) {
                result = CtsWaitResult::Changed;
                break;
            }
        }
    }
    leave();
    return result;
}

bool SerialPort::write_byte(std::uint8_t byte) { return write_bytes(&byte, 1); }

bool SerialPort::write_text(std::string_view text) {
    return write_bytes(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
}

bool SerialPort::write_bytes(const std::uint8_t* data, std::size_t size) {
    int fd = -1;
    int event_fd = -1;
    if (!enter(session(), fd, event_fd)) return false;
    WriteTimeouts timeouts;
    {
        std::lock_guard lock(m_mutex);
        timeouts = m_write_timeouts;
    }
    using Clock = std::chrono::steady_clock;
    std::optional<std::uint64_t> limit = write_wait_ms(timeouts, size);
    Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(limit.value_or(0));
    std::size_t done = 0;
    while (done < size) {
        ssize_t n = ::write(fd, data + done, size - done);
        if (n > 0) {
            done += static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && errno != EAGAIN && errno != EINTR) break;
        std::optional<std::uint64_t> left;
        if (limit) {
            auto remaining = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
            if (remaining.count() <= 0) break;
            left = static_cast<std::uint64_t>(remaining.count());
        }
        if (wait_fd(fd, event_fd, POLLOUT, poll_timeout(left)) != Wake::Ready) break;
    }
    leave();
    return done == size;
}

WaitResult SerialPort::wait_readable(PortSession session) {
    {
        std::lock_guard lock(m_mutex);
        if (session == kNoSession || m_session != session) return WaitResult::Closed;
        if (m_burst_pos < m_burst_size) return WaitResult::Data;
        if (m_lost) return WaitResult::Lost;
    }
    int fd = -1;
    int event_fd = -1;
    if (!enter(session, fd, event_fd)) return WaitResult::Closed;
    Wake wake = wait_fd(fd, event_fd, POLLIN, -1);
    leave();
    switch (wake) {
    case Wake::Signalled:
        if (!is_open(session)) return WaitResult::Closed;
        drain_event_if_open(session);
        return WaitResult::Data;  // an abort: the read that follows finds nothing and waits again
    case Wake::Hangup: {
        std::lock_guard lock(m_mutex);
        m_lost = true;
        return WaitResult::Lost;
    }
    case Wake::Ready:
    case Wake::TimedOut: break;
    }
    return WaitResult::Data;
}

std::optional<std::uint8_t> SerialPort::read_byte(PortSession session) {
    std::optional<std::uint32_t> wait_ms;
    {
        std::lock_guard lock(m_mutex);
        if (session == kNoSession || m_session != session) return std::nullopt;
        if (m_burst_pos < m_burst_size) return m_burst[m_burst_pos++];
        if (m_lost) return std::nullopt;
        wait_ms = one_byte_read_wait_ms(m_read_timeouts);
    }
    int fd = -1;
    int event_fd = -1;
    if (!enter(session, fd, event_fd)) return std::nullopt;
    Wake wake = wait_fd(fd, event_fd, POLLIN, poll_timeout(wait_ms));
    ssize_t n = -1;
    int error = 0;
    if (wake == Wake::Ready || wake == Wake::Hangup) {
        n = ::read(fd, m_burst.data(), m_burst.size());
        error = errno;
    }
    leave();
    if (wake == Wake::Signalled) {
        drain_event_if_open(session);
        return std::nullopt;
    }
    std::lock_guard lock(m_mutex);
    if (m_session != session) return std::nullopt;
    if (n > 0) {
        m_burst_size = static_cast<std::size_t>(n);
        m_burst_pos = 1;
        return m_burst[0];
    }
    // End of file or EIO: the other end of a pseudo-terminal, or a USB adapter, has gone.
    if (n == 0 || (n < 0 && error != EAGAIN && error != EINTR && wake != Wake::TimedOut)) m_lost = true;
    return std::nullopt;
}

void SerialPort::abort_read() {
    std::lock_guard lock(m_mutex);
    if (m_event_fd < 0 || m_session == kNoSession) return;
    std::uint64_t one = 1;
    [[maybe_unused]] ssize_t n = ::write(m_event_fd, &one, sizeof one);
}

}  // namespace zel::platform
