#include "serial/port/port_config.h"

#include <gtest/gtest.h>

namespace zel {
namespace {

using platform::kTimeoutMax;
using platform::LineControl;
using platform::Parity;
using platform::ReadTimeouts;
using platform::SerialConfig;
using platform::StopBits;
using platform::Switch;

void expect_read_timeouts(const SerialConfig& c, ReadTimeouts expected) {
    EXPECT_EQ(c.read_timeouts.interval, expected.interval);
    EXPECT_EQ(c.read_timeouts.total_multiplier, expected.total_multiplier);
    EXPECT_EQ(c.read_timeouts.total_constant, expected.total_constant);
    ASSERT_TRUE(c.write_timeouts);
    EXPECT_EQ(c.write_timeouts->total_multiplier, 0u);
    EXPECT_EQ(c.write_timeouts->total_constant, 0u);
}

TEST(InstrumentPortConfig, BaudRatePerType) {
    struct Case {
        InstrumentType type;
        int g823_index;
        std::optional<std::uint32_t> baud;
    };
    const Case cases[] = {
        {InstrumentType::Grad601, 0, 9600}, {InstrumentType::Em61, 0, 9600},
        {InstrumentType::Em61Mk2, 0, 9600}, {InstrumentType::Em31, 0, 9600},
        {InstrumentType::Em38, 0, 9600},    {InstrumentType::Em38Mk2, 0, 19200},
        {InstrumentType::G823, 0, 300},     {InstrumentType::G823, 5, 9600},
        {InstrumentType::G823, 9, 115200},  {InstrumentType::G823, 10, {}},
        {InstrumentType::Ferex, 0, {}},     {InstrumentType::Em34_3, 0, {}},
        {InstrumentType::Type5, 0, {}},     {InstrumentType::Ice31, 0, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "type " << type_number(c.type) << " g823 " << c.g823_index);
        SerialConfig config =
            instrument_port_config(BuildConfig{.type = c.type}, InstrumentPortKind::Standard, c.g823_index);
        EXPECT_EQ(config.line.baud, c.baud);
    }
}

TEST(InstrumentPortConfig, StandardAndMineLabF3Lines) {
    SerialConfig standard = instrument_port_config(kGrad601Build, InstrumentPortKind::Standard, 0);
    expect_read_timeouts(standard, {kTimeoutMax, 1000, 1000});
    EXPECT_EQ(standard.line.parity, Parity::None);
    EXPECT_EQ(standard.line.data_bits, 8);
    EXPECT_EQ(standard.line.stop_bits, StopBits::One);
    EXPECT_EQ(standard.line.binary, Switch::On);
    EXPECT_EQ(standard.line.cts_flow, Switch::Off);
    EXPECT_EQ(standard.line.dsr_flow, Switch::Off);
    EXPECT_EQ(standard.line.dtr, LineControl::Enable);
    EXPECT_EQ(standard.line.rts, LineControl::Disable);
    EXPECT_EQ(standard.line.xon_xoff_out, Switch::Off);
    EXPECT_EQ(standard.line.xon_xoff_in, Switch::Off);
    EXPECT_FALSE(standard.queues);

    BuildConfig f3_build{.type = InstrumentType::Em61Mk2, .em61_f3 = true};
    ASSERT_EQ(instrument_port_kind(f3_build, 4), InstrumentPortKind::MineLabF3);
    EXPECT_EQ(instrument_port_kind(f3_build, 3), InstrumentPortKind::Standard);
    EXPECT_EQ(instrument_port_kind(BuildConfig{.type = InstrumentType::Em61Mk2}, 4),
              InstrumentPortKind::Standard);
    SerialConfig f3 = instrument_port_config(f3_build, InstrumentPortKind::MineLabF3, 0);
    expect_read_timeouts(f3, {kTimeoutMax, 65535, 1000});
    EXPECT_EQ(f3.line.baud, 9600u);
    EXPECT_EQ(f3.line.dtr, LineControl::Disable);
    EXPECT_EQ(f3.line.rts, LineControl::Disable);
    EXPECT_EQ(f3.line.data_bits, 8);
    EXPECT_EQ(f3.line.binary, Switch::On);
}

TEST(GpsPortConfig, FourThousandEightHundredEvenSevenTwoWithXonXoff) {
    SerialConfig c = gps_port_config({.baud_index = 0, .data_bits_index = 0, .parity_index = 1,
                                      .stop_bits_index = 1});
    expect_read_timeouts(c, {10, 0, 10});
    EXPECT_EQ(c.line.baud, 4800u);
    EXPECT_EQ(c.line.parity, Parity::Even);
    EXPECT_EQ(c.line.data_bits, 7);
    EXPECT_EQ(c.line.stop_bits, StopBits::Two);
    EXPECT_EQ(c.line.xon_xoff_out, Switch::On);
    EXPECT_EQ(c.line.xon_xoff_in, Switch::On);
    EXPECT_EQ(c.line.cts_flow, Switch::Off);
    EXPECT_EQ(c.line.dsr_flow, Switch::Off);
    // Not changed on the GPS port.
    EXPECT_FALSE(c.line.binary);
    EXPECT_FALSE(c.line.dtr);
    EXPECT_FALSE(c.line.rts);
    ASSERT_TRUE(c.queues);
    EXPECT_EQ(c.queues->input, 9128u);
    EXPECT_EQ(c.queues->output, 256u);
}

TEST(LinePortConfig, SettingIndicesMapToTheirListsAndOffListLeavesTheField) {
    SerialConfig c = output_port_config({.baud_index = 5, .data_bits_index = 1, .parity_index = 2,
                                         .stop_bits_index = 0});
    expect_read_timeouts(c, {10, 0, 10});
    EXPECT_EQ(c.line.baud, 115200u);
    EXPECT_EQ(c.line.data_bits, 8);
    EXPECT_EQ(c.line.parity, Parity::Odd);
    EXPECT_EQ(c.line.stop_bits, StopBits::One);
    EXPECT_EQ(c.line.dtr, LineControl::Disable);
    EXPECT_EQ(c.line.rts, LineControl::Disable);
    EXPECT_EQ(c.line.xon_xoff_in, Switch::On);
    EXPECT_FALSE(c.queues);

    SerialConfig off = gps_port_config({.baud_index = 6, .data_bits_index = 2, .parity_index = -1,
                                        .stop_bits_index = 2});
    EXPECT_FALSE(off.line.baud);
    EXPECT_FALSE(off.line.data_bits);
    EXPECT_FALSE(off.line.parity);
    EXPECT_FALSE(off.line.stop_bits);
}

TEST(ExternalMarkerPortConfig, DsrFlowAndTypeBaud) {
    SerialConfig mk2 = external_marker_port_config(BuildConfig{.type = InstrumentType::Em38Mk2});
    expect_read_timeouts(mk2, {65535, 1000, 1000});
    EXPECT_EQ(mk2.line.baud, 19200u);
    EXPECT_EQ(mk2.line.dsr_flow, Switch::On);
    EXPECT_EQ(mk2.line.cts_flow, Switch::Off);
    EXPECT_EQ(mk2.line.dtr, LineControl::Enable);
    EXPECT_EQ(mk2.line.rts, LineControl::Disable);
    EXPECT_EQ(mk2.line.parity, Parity::None);
    EXPECT_EQ(mk2.line.xon_xoff_out, Switch::Off);
    EXPECT_EQ(external_marker_port_config(kGrad601Build).line.baud, 9600u);
}

}  // namespace
}  // namespace zel
