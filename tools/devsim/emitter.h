#pragma once

#include <random>
#include <string>

#include "tools/devsim/options.h"

namespace zel::devsim {

// Produces the bytes a device sends at each tick of its rate, faults included.
class Emitter {
public:
    Emitter(Options options, UtcTime start);

    // The bytes of emission number `epoch` (0, 1, 2, ...), sent 1 / rate seconds apart.
    std::string emission(unsigned long epoch);

private:
    std::string nmea_emission(double seconds);
    std::string sentence(NmeaForm form, const TrackPoint& p, const FixInfo& fix) const;
    std::string with_faults(std::string sentence, bool has_checksum);

    Options m_options;
    UtcTime m_start;
    std::mt19937 m_random;
    unsigned long m_sentences = 0;
};

}  // namespace zel::devsim
