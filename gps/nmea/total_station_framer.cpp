#include "gps/nmea/total_station_framer.h"

#include <cstring>

#include "gps/nmea/gps_field.h"

namespace zel {

namespace {

constexpr std::uint8_t kLineFeed = 10;
constexpr std::uint8_t kCarriageReturn = 13;

// The value of "label=" at the start of a line of the joined block text.
std::optional<double> labelled_value(std::string_view block, std::string_view label) {
    for (std::size_t at = block.find(label); at != std::string_view::npos; at = block.find(label, at + 1)) {
        if (at == 0 || (block[at - 1] != ',' && block[at - 1] != '>')) continue;
        std::string_view value = block.substr(at + label.size());
        value = value.substr(0, value.find(','));
        if (const std::optional<double> number = leading_number(value)) return static_cast<double>(static_cast<float>(*number));
    }
    return std::nullopt;
}

}  // namespace

std::optional<TotalStationEvent> TotalStationFramer::feed(std::uint8_t byte, platform::Tick now) {
    if (byte == kCarriageReturn) return std::nullopt;
    if (byte == '>') return start_block(now);
    if (m_block == Block::None) return std::nullopt;
    if (byte == kLineFeed) return end_of_line();
    append(static_cast<char>(byte));
    return std::nullopt;
}

std::optional<TotalStationEvent> TotalStationFramer::start_block(platform::Tick now) {
    std::optional<TotalStationEvent> finished;
    if (m_block != Block::None) {
        // The comma added at the block's last line feed is not part of the record.
        const std::size_t length = m_length > 1 && m_buffer[m_length - 1] == ',' ? m_length - 1 : m_length;
        TotalStationBlock block;
        block.length = static_cast<std::uint32_t>(length);
        std::memcpy(block.text.data(), m_buffer.data(), length);
        block.text[length] = '\0';
        block.start_tick = m_block_tick;
        finished = block;
    }
    m_block = Block::Open;
    m_block_tick = now;
    m_labels = Labels::Waiting;
    m_buffer[0] = '>';
    m_length = 1;
    return finished;
}

std::optional<TotalStationEvent> TotalStationFramer::end_of_line() {
    append(',');
    if (m_block == Block::Overflowed || m_labels == Labels::Both) return std::nullopt;
    if (m_labels != Labels::NorthingSeen) {
        if (const auto northing = labelled_value(text(), "37=")) {
            m_northing = *northing;
            m_labels = m_labels == Labels::EastingSeen ? Labels::Both : Labels::NorthingSeen;
        }
    }
    if (m_labels != Labels::EastingSeen && m_labels != Labels::Both) {
        if (const auto easting = labelled_value(text(), "38=")) {
            m_easting = *easting;
            m_labels = m_labels == Labels::NorthingSeen ? Labels::Both : Labels::EastingSeen;
        }
    }
    if (m_labels != Labels::Both) return std::nullopt;
    return GridPosition{m_northing, m_easting};
}

void TotalStationFramer::append(char c) {
    if (m_length == m_buffer.size()) {
        m_block = Block::Overflowed;
        return;
    }
    m_buffer[m_length++] = c;
}

}  // namespace zel
