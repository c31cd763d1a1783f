#include "platform/serial/serial_config.h"

namespace zel::platform {

std::optional<std::uint32_t> one_byte_read_wait_ms(const ReadTimeouts& t) {
    if (t.interval == kTimeoutMax && t.total_multiplier == 0 && t.total_constant == 0) {
        return 0;  // return at once with what has arrived
    }
    if (t.interval == kTimeoutMax && t.total_multiplier == kTimeoutMax &&
        t.total_constant != kTimeoutMax) {
        return t.total_constant;  // wait for the first byte up to the constant
    }
    if (t.total_multiplier == 0 && t.total_constant == 0) return std::nullopt;
    std::uint64_t total = std::uint64_t{t.total_multiplier} + t.total_constant;
    return total > kTimeoutMax ? kTimeoutMax : static_cast<std::uint32_t>(total);
}

std::optional<std::uint64_t> write_wait_ms(const WriteTimeouts& t, std::size_t n) {
    if (t.total_multiplier == 0 && t.total_constant == 0) return std::nullopt;
    return std::uint64_t{t.total_multiplier} * n + t.total_constant;
}

}  // namespace zel::platform
