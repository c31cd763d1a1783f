#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

namespace zel::platform {

// A port's configuration in the terms the system states it. Every line field is optional: an
// absent field keeps what the device reported, because configuration reads the current settings,
// changes the fields given and writes them back.

inline constexpr std::uint32_t kTimeoutMax = 0xFFFFFFFFu;

// Milliseconds. For one read: interval kTimeoutMax with both totals 0 returns at once; interval
// and multiplier kTimeoutMax wait up to the constant; otherwise the total is multiplier x bytes
// + constant, and 0 there means no limit.
struct ReadTimeouts {
    std::uint32_t interval = 0;
    std::uint32_t total_multiplier = 0;
    std::uint32_t total_constant = 0;
};

// Milliseconds; multiplier x bytes + constant, both 0 meaning no limit.
struct WriteTimeouts {
    std::uint32_t total_multiplier = 0;
    std::uint32_t total_constant = 0;
};

enum class Parity { None, Even, Odd };
enum class StopBits { One, Two };
enum class LineControl { Disable, Enable };  // DTR or RTS held low or high while open
enum class Switch { Off, On };

struct LineSettings {
    std::optional<std::uint32_t> baud;
    std::optional<Parity> parity;
    std::optional<int> data_bits;  // 5 to 8
    std::optional<StopBits> stop_bits;
    // Linux ports are always set raw (no line editing, echo or CR/LF translation) because every
    // reader frames the bytes itself; the field is kept so a configuration reads like its table.
    std::optional<Switch> binary;
    // Linux has one hardware handshake (CRTSCTS) for both lines; CTS output flow maps to it.
    std::optional<Switch> cts_flow;
    // Linux has no DSR output flow control: recorded, not applied. No port of the system writes
    // where it is asked for.
    std::optional<Switch> dsr_flow;
    std::optional<LineControl> dtr;
    std::optional<LineControl> rts;
    std::optional<Switch> xon_xoff_out;
    std::optional<Switch> xon_xoff_in;
};

// Driver queue sizes. The Linux tty layer has fixed buffers, so there is no equivalent: the
// values are recorded only.
struct QueueSizes {
    std::uint32_t input = 0;
    std::uint32_t output = 0;
};

struct SerialConfig {
    ReadTimeouts read_timeouts;
    std::optional<WriteTimeouts> write_timeouts;  // absent: keep the previous ones
    LineSettings line;
    std::optional<QueueSizes> queues;
};

// How long a read of one byte waits for it when none has arrived: nullopt means until one does.
std::optional<std::uint32_t> one_byte_read_wait_ms(const ReadTimeouts& t);

// How long writing n bytes may take: nullopt means no limit.
std::optional<std::uint64_t> write_wait_ms(const WriteTimeouts& t, std::size_t n);

}  // namespace zel::platform
