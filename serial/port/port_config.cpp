#include "serial/port/port_config.h"

#include <array>
#include <cstdint>
#include <optional>

namespace zel {
namespace {

using platform::kTimeoutMax;
using platform::LineControl;
using platform::Parity;
using platform::SerialConfig;
using platform::StopBits;
using platform::Switch;

constexpr std::array<std::uint32_t, 6> kLineBauds = {4800, 9600, 19200, 38400, 57600, 115200};
constexpr std::array<std::uint32_t, 10> kG823Bauds = {300,   600,   1200,  2400,  4800,
                                                      9600,  19200, 38400, 57600, 115200};
constexpr std::array<Parity, 3> kParities = {Parity::None, Parity::Even, Parity::Odd};
constexpr std::array<int, 2> kDataBits = {7, 8};
constexpr std::array<StopBits, 2> kStopBits = {StopBits::One, StopBits::Two};

template <class T, std::size_t N>
std::optional<T> pick(const std::array<T, N>& list, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= N) return std::nullopt;
    return list[static_cast<std::size_t>(index)];
}

std::optional<std::uint32_t> instrument_baud(const BuildConfig& build, int g823_baud_index) {
    switch (build.type) {
    case InstrumentType::Em38Mk2: return 19200;
    case InstrumentType::G823: return pick(kG823Bauds, g823_baud_index);
    case InstrumentType::Ferex:
    case InstrumentType::Em34_3:
    case InstrumentType::Type5:
    case InstrumentType::Ice31: return std::nullopt;  // the port driver's speed stands
    default: return 9600;
    }
}

// The fields the instrument and external-marker ports share: 8N1, binary, no CTS flow, RTS low,
// no XON/XOFF.
void set_plain_8n1(SerialConfig& c) {
    c.line.parity = Parity::None;
    c.line.data_bits = 8;
    c.line.stop_bits = StopBits::One;
    c.line.binary = Switch::On;
    c.line.cts_flow = Switch::Off;
    c.line.rts = LineControl::Disable;
    c.line.xon_xoff_out = Switch::Off;
    c.line.xon_xoff_in = Switch::Off;
}

void set_line_settings(SerialConfig& c, const LinePortSettings& s) {
    c.read_timeouts = {10, 0, 10};
    c.write_timeouts = platform::WriteTimeouts{0, 0};
    c.line.baud = pick(kLineBauds, s.baud_index);
    c.line.parity = pick(kParities, s.parity_index);
    c.line.data_bits = pick(kDataBits, s.data_bits_index);
    c.line.stop_bits = pick(kStopBits, s.stop_bits_index);
    c.line.cts_flow = Switch::Off;
    c.line.dsr_flow = Switch::Off;
    c.line.xon_xoff_out = Switch::On;
    c.line.xon_xoff_in = Switch::On;
}

}  // namespace

InstrumentPortKind instrument_port_kind(const BuildConfig& build, int em61mk2_type_setting) {
    bool f3 = build.type == InstrumentType::Em61Mk2 && build.em61_f3 && em61mk2_type_setting == 4;
    return f3 ? InstrumentPortKind::MineLabF3 : InstrumentPortKind::Standard;
}

SerialConfig instrument_port_config(const BuildConfig& build, InstrumentPortKind kind,
                                    int g823_baud_index) {
    SerialConfig c;
    set_plain_8n1(c);
    c.line.dsr_flow = Switch::Off;
    if (kind == InstrumentPortKind::MineLabF3) {
        // The F3's reads may wait a minute for a frame; its write time-outs are left at 0.
        c.read_timeouts = {kTimeoutMax, 65535, 1000};
        c.write_timeouts = platform::WriteTimeouts{0, 0};
        c.line.baud = 9600;
        c.line.dtr = LineControl::Disable;
        return c;
    }
    c.read_timeouts = {kTimeoutMax, 1000, 1000};
    c.write_timeouts = platform::WriteTimeouts{0, 0};
    c.line.baud = instrument_baud(build, g823_baud_index);
    c.line.dtr = LineControl::Enable;
    return c;
}

SerialConfig gps_port_config(const LinePortSettings& settings) {
    SerialConfig c;
    set_line_settings(c, settings);
    c.queues = platform::QueueSizes{9128, 256};
    return c;
}

SerialConfig output_port_config(const LinePortSettings& settings) {
    SerialConfig c;
    set_line_settings(c, settings);
    c.line.dtr = LineControl::Disable;
    c.line.rts = LineControl::Disable;
    return c;
}

SerialConfig external_marker_port_config(const BuildConfig& build) {
    SerialConfig c;
    set_plain_8n1(c);
    c.read_timeouts = {65535, 1000, 1000};
    c.write_timeouts = platform::WriteTimeouts{0, 0};
    c.line.baud = build.type == InstrumentType::Em38Mk2 ? 19200u : 9600u;
    c.line.dsr_flow = Switch::On;
    c.line.dtr = LineControl::Enable;
    return c;
}

}  // namespace zel
