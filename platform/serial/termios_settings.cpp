#include "platform/serial/termios_settings.h"

#include <cstdint>
#include <optional>

namespace zel::platform {
namespace {

struct BaudCode {
    std::uint32_t baud;
    speed_t code;
};

constexpr BaudCode kBaudCodes[] = {
    {50, B50},         {75, B75},         {110, B110},       {134, B134},     {150, B150},
    {200, B200},       {300, B300},       {600, B600},       {1200, B1200},   {1800, B1800},
    {2400, B2400},     {4800, B4800},     {9600, B9600},     {19200, B19200}, {38400, B38400},
    {57600, B57600},   {115200, B115200}, {230400, B230400}, {460800, B460800},
    {921600, B921600},
};

std::optional<speed_t> baud_code(std::uint32_t baud) {
    for (const BaudCode& b : kBaudCodes) {
        if (b.baud == baud) return b.code;
    }
    return std::nullopt;
}

void set_flag(tcflag_t& flags, tcflag_t bits, bool on) {
    if (on) {
        flags |= bits;
    } else {
        flags &= ~bits;
    }
}

tcflag_t size_bits(int data_bits) {
    switch (data_bits) {
    case 5: return CS5;
    case 6: return CS6;
    case 7: return CS7;
    default: return CS8;
    }
}

}  // namespace

// The system frames every byte itself, so nothing of the line discipline may edit, echo or
// translate them; and a port without carrier detect must still read.
void make_raw(termios& t) {
    t.c_iflag &= ~(IGNBRK | BRKINT | PARMRK | ISTRIP | INLCR | IGNCR | ICRNL | IXANY);
    t.c_oflag &= ~OPOST;
    t.c_lflag &= ~(ECHO | ECHONL | ICANON | ISIG | IEXTEN);
    t.c_cflag |= CREAD | CLOCAL;
    t.c_cc[VMIN] = 1;
    t.c_cc[VTIME] = 0;
}

void apply_line_settings(termios& t, const LineSettings& s) {
    make_raw(t);
    if (s.baud) {
        if (auto code = baud_code(*s.baud)) {
            cfsetispeed(&t, *code);
            cfsetospeed(&t, *code);
        }
    }
    if (s.parity) {
        set_flag(t.c_cflag, PARENB, *s.parity != Parity::None);
        set_flag(t.c_cflag, PARODD, *s.parity == Parity::Odd);
        set_flag(t.c_iflag, INPCK, *s.parity != Parity::None);
    }
    if (s.data_bits) t.c_cflag = (t.c_cflag & ~CSIZE) | size_bits(*s.data_bits);
    if (s.stop_bits) set_flag(t.c_cflag, CSTOPB, *s.stop_bits == StopBits::Two);
    if (s.cts_flow) set_flag(t.c_cflag, CRTSCTS, *s.cts_flow == Switch::On);
    if (s.xon_xoff_out) set_flag(t.c_iflag, IXON, *s.xon_xoff_out == Switch::On);
    if (s.xon_xoff_in) set_flag(t.c_iflag, IXOFF, *s.xon_xoff_in == Switch::On);
}

}  // namespace zel::platform
