#pragma once

// A pseudo-terminal for tests that play the device end of a serial port: the test holds the
// master, the code under test opens the slave by its path.

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <string_view>

namespace zel::test {

class PseudoTerminal {
public:
    PseudoTerminal() {
        char name[256] = {};
        if (openpty(&m_master, &m_slave, name, nullptr, nullptr) == 0) m_path = name;
    }
    ~PseudoTerminal() {
        close_master();
        close_slave();
    }
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    bool ok() const { return m_master >= 0 && !m_path.empty(); }
    const std::string& path() const { return m_path; }
    int master() const { return m_master; }
    // The slave end the test itself keeps open, to look at the settings others apply.
    int slave() const { return m_slave; }

    bool send(std::string_view bytes) const {
        return ::write(m_master, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
    }

    // Reads what the other end wrote, until `count` bytes came or `timeout_ms` passed.
    std::string receive(std::size_t count, int timeout_ms = 2000) const {
        std::string out;
        auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeout_ms);
        while (out.size() < count) {
            auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                deadline - std::chrono::steady_clock::now());
            if (left.count() <= 0) break;
            pollfd p{m_master, POLLIN, 0};
            if (poll(&p, 1, static_cast<int>(left.count())) <= 0) break;
            char buf[512];
            ssize_t n = ::read(m_master, buf, sizeof buf);
            if (n <= 0) break;
            out.append(buf, static_cast<std::size_t>(n));
        }
        return out;
    }

    void close_master() {
        if (m_master >= 0) ::close(m_master);
        m_master = -1;
    }
    void close_slave() {
        if (m_slave >= 0) ::close(m_slave);
        m_slave = -1;
    }

private:
    int m_master = -1;
    int m_slave = -1;
    std::string m_path;
};

}  // namespace zel::test
