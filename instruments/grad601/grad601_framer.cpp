#include "instruments/grad601/grad601_framer.h"

#include <cstring>
#include <string_view>

namespace zel {

namespace {
constexpr std::uint8_t kLineFeed = 10;
constexpr char kCarriageReturn = 13;
}  // namespace

std::optional<Grad601Framer::Sentence> Grad601Framer::feed(std::uint8_t byte, platform::Tick now) {
    if (byte == '$') {
        m_start_tick = now;
        m_buffer[0] = '$';
        m_length = 1;
        m_state = State::Collecting;
        return std::nullopt;
    }
    if (byte == kLineFeed) return end_of_line();
    if (m_state != State::Collecting) return std::nullopt;
    if (m_length == m_buffer.size()) {
        m_state = State::Overlong;
        return std::nullopt;
    }
    m_buffer[m_length++] = static_cast<char>(byte);
    return std::nullopt;
}

std::optional<Grad601Framer::Sentence> Grad601Framer::end_of_line() {
    const bool deliver = m_state == State::Collecting && passes_checks();
    m_state = State::Idle;
    if (!deliver) return std::nullopt;
    Sentence sentence;
    sentence.length = static_cast<std::uint32_t>(m_length - 1);  // without the CR
    std::memcpy(sentence.text.data(), m_buffer.data(), sentence.length);
    sentence.text[sentence.length] = '\0';
    sentence.start_tick = m_start_tick;
    return sentence;
}

bool Grad601Framer::passes_checks() const {
    return m_length >= m_min_length && m_buffer[m_length - 1] == kCarriageReturn &&
           std::string_view(m_buffer.data() + 1, 4) == "PBAR";
}

}  // namespace zel
