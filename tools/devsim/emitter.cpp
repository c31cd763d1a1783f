#include "tools/devsim/emitter.h"

#include <cctype>

namespace zel::devsim {

Emitter::Emitter(Options options, UtcTime start)
    : m_options(std::move(options)), m_start(start), m_random(m_options.seed) {}

std::string Emitter::emission(unsigned long epoch) {
    double seconds = static_cast<double>(epoch) / m_options.rate;
    if (m_options.device == Device::Nmea) return nmea_emission(seconds);
    Grad601Reading r = grad601_reading(m_options.grad601, seconds, m_random);
    return with_faults(pbar_sentence(r.sensor1, r.sensor2, m_options.grad601.sensors), false);
}

std::string Emitter::nmea_emission(double seconds) {
    TrackPoint p = walk_position(m_options.walk, seconds);
    FixInfo fix = m_options.fix;
    fix.time = advance(m_start, seconds);
    std::string out;
    for (NmeaForm form : m_options.forms) {
        out += with_faults(sentence(form, p, fix), form != NmeaForm::TotalStationBlock);
    }
    return out;
}

std::string Emitter::sentence(NmeaForm form, const TrackPoint& p, const FixInfo& fix) const {
    const std::string& talker = m_options.talker;
    switch (form) {
    case NmeaForm::Gga: return nmea_sentence(gga_body(talker, p, fix));
    case NmeaForm::Gsa: return nmea_sentence(gsa_body(talker, fix));
    case NmeaForm::Gll: return nmea_sentence(gll_body(talker, p, fix));
    case NmeaForm::Pos: return nmea_sentence(pashr_pos_body(p, fix));
    case NmeaForm::Ggk: return nmea_sentence(ptnl_ggk_body(p, fix));
    case NmeaForm::Llk: return nmea_sentence(llk_body(talker, p, fix));
    case NmeaForm::Llq: return nmea_sentence(llq_body(talker, p, fix));
    case NmeaForm::TotalStationGga: return nmea_sentence(total_station_gga_body(talker, p, fix));
    case NmeaForm::TotalStationBlock: return total_station_block(p, fix);
    }
    return {};
}

// Each rule is asked once per sentence, in a fixed order, so a seed replays the same stream.
std::string Emitter::with_faults(std::string sentence, bool has_checksum) {
    const Faults& f = m_options.faults;
    unsigned long n = m_sentences++;
    std::string before;
    if (f.noise.strikes(n, m_random)) before += noise_bytes(m_random);
    if (f.long_sentence.strikes(n, m_random)) before += long_sentence(f.long_length);
    bool lower = f.lower_case_checksum.strikes(n, m_random);
    bool bad = f.bad_checksum.strikes(n, m_random);
    if (has_checksum) {
        if (bad) sentence = with_bad_checksum(std::move(sentence));
        if (lower) {
            std::size_t star = sentence.rfind('*');
            for (std::size_t i = star + 1; star != std::string::npos && i < sentence.size(); ++i) {
                sentence[i] = static_cast<char>(std::tolower(static_cast<unsigned char>(sentence[i])));
            }
        }
    }
    return before + sentence;
}

}  // namespace zel::devsim
