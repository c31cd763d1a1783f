#pragma once

#include "app/build_config.h"
#include "platform/serial/serial_config.h"

namespace zel {

// The line settings of the GPS and output ports, as the settings record holds them: list indices.
struct LinePortSettings {
    int baud_index = 1;       // 0..5: 4800, 9600, 19200, 38400, 57600, 115200
    int data_bits_index = 1;  // 0: 7, 1: 8
    int parity_index = 0;     // 0 "No", 1 "Even", 2 "Odd"
    int stop_bits_index = 0;  // 0: 1, 1: 2
};

enum class InstrumentPortKind { Standard, MineLabF3 };

// The MineLab F3 is type -1 with the EM61/F3 switch on and EM61-MK2 type setting 4.
InstrumentPortKind instrument_port_kind(const BuildConfig& build, int em61mk2_type_setting);

// The configuration of each port. A setting index off its list leaves that field as the device
// has it rather than reading past the list.
platform::SerialConfig instrument_port_config(const BuildConfig& build, InstrumentPortKind kind,
                                              int g823_baud_index);
platform::SerialConfig gps_port_config(const LinePortSettings& settings);
platform::SerialConfig output_port_config(const LinePortSettings& settings);
platform::SerialConfig external_marker_port_config(const BuildConfig& build);

}  // namespace zel
