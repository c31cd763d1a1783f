#include "gps/nmea/nmea_framer.h"

#include <cstring>

namespace zel {

namespace {
constexpr std::uint8_t kLineFeed = 10;
constexpr char kCarriageReturn = 13;
}  // namespace

std::optional<NmeaSentence> NmeaFramer::feed(std::uint8_t byte, platform::Tick now) {
    if (byte == '$') {
        m_start_tick = now;
        m_buffer[0] = '$';
        m_length = 1;
        m_state = State::Collecting;
        return std::nullopt;
    }
    if (byte == kLineFeed) {
        if (m_state == State::Idle) return std::nullopt;
        return end_of_line();
    }
    if (m_state != State::Collecting) return std::nullopt;
    if (m_length == m_buffer.size()) {
        m_state = State::Overlong;
        return std::nullopt;
    }
    m_buffer[m_length++] = static_cast<char>(byte);
    return std::nullopt;
}

NmeaSentence NmeaFramer::end_of_line() {
    std::size_t length = m_length;
    if (m_state == State::Overlong) {
        length = m_buffer.size();  // kMaxNmeaSentence + 1: rejected by its length downstream
    } else if (m_buffer[length - 1] == kCarriageReturn) {
        --length;
    }
    m_state = State::Idle;
    NmeaSentence sentence;
    sentence.length = static_cast<std::uint32_t>(length);
    std::memcpy(sentence.text.data(), m_buffer.data(), length);
    sentence.text[length] = '\0';
    sentence.start_tick = m_start_tick;
    return sentence;
}

}  // namespace zel
