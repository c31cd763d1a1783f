#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "tools/devsim/faults.h"
#include "tools/devsim/grad601_sentence.h"
#include "tools/devsim/nmea_sentence.h"
#include "tools/devsim/walk.h"

namespace zel::devsim {

enum class Device { Grad601, Nmea };

enum class NmeaForm { Gga, Gsa, Gll, Pos, Ggk, Llk, Llq, TotalStationGga, TotalStationBlock };

struct Options {
    Device device = Device::Nmea;
    std::string link;
    double rate = 1.0;  // emissions per second
    unsigned seed = 1;
    Grad601Signal grad601;
    Walk walk;
    FixInfo fix;
    std::string talker = "GP";
    std::vector<NmeaForm> forms = {NmeaForm::Gga, NmeaForm::Gsa};
    std::optional<UtcTime> start_time;  // the clock's time when not given
    Faults faults;
};

struct ParsedOptions {
    std::optional<Options> options;  // absent on an error or for --help
    std::string error;
    bool help = false;
};

// The arguments after the program name.
ParsedOptions parse_options(std::span<const std::string_view> args);
std::string usage();

}  // namespace zel::devsim
