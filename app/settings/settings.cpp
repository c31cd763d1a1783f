#include "app/settings/settings.h"

namespace zel {
namespace {

struct ProfileLimits {
    float min, max, min2, max2;
};

ProfileLimits profile_limits(InstrumentType type) {
    switch (type) {
    case InstrumentType::G823: return {30000.0f, 80000.0f, -25.0f, 25.0f};
    case InstrumentType::Ice31: return {0.0f, 10.0f, 0.0f, 20.0f};
    default: return {0.0f, type_number(type) < 0 ? 2000.0f : 500.0f, -25.0f, 25.0f};
    }
}

int default_sensors(InstrumentType type) {
    return (type == InstrumentType::Grad601 || type == InstrumentType::G823) ? 2 : 0;
}

int default_em_mode(InstrumentType type) {
    return (type == InstrumentType::Em38Dd || type == InstrumentType::Em38 || type == InstrumentType::Em34_3) ? 2 : 0;
}

}  // namespace

Settings default_settings(const BuildConfig& build) {
    Settings s;
    ProfileLimits limits = profile_limits(build.type);
    s.profile_min = limits.min;
    s.profile_max = limits.max;
    s.profile2_min = limits.min2;
    s.profile2_max = limits.max2;
    s.sensors = default_sensors(build.type);
    s.em_mode = default_em_mode(build.type);
    s.dipole_mode = build.type == InstrumentType::Em38Dd ? 2 : 0;
    // The EM38-MK2 pauses on Enter where the soft keyboard takes the other keys.
    if (build.type == InstrumentType::Em38Mk2 && s.soft_keyboard == 1) s.pause_key = 2;
    if (build.is_blu()) {
        s.em61mk2_type = 1;
        s.reading_interval = 0.1f;
    }
    return s;
}

}  // namespace zel
