#include "display/status_line/status_texts.h"

#include "app/catalogue/catalogue.h"

#include <algorithm>
#include <cstdio>

namespace zel {
namespace {

template <typename... Args>
std::string format(const char* fmt, Args... args) {
    char buffer[64];
    const int n = std::snprintf(buffer, sizeof buffer, fmt, args...);
    if (n < 0) return {};
    return std::string(buffer, static_cast<std::size_t>(std::min<int>(n, sizeof buffer - 1)));
}

}  // namespace

std::string_view run_state_text(RunState state, Orientation orientation) {
    const bool portrait = orientation == Orientation::Portrait;
    switch (state) {
        case RunState::StandBy: return portrait ? "StB" : "Stand By";
        case RunState::Logging: return portrait ? "Log" : "Logging";
        case RunState::Monitor: break;
    }
    return portrait ? "Mon" : "Monitor";
}

std::string battery_percent_text(int percent) { return format("%3d%c", percent, '%'); }

std::string instrument_battery_text(float volts) { return format("B:%5.2fV", static_cast<double>(volts)); }

std::string_view survey_mode_letter(int survey_mode) {
    switch (survey_mode) {
        case 0: return "A";
        case 1: return "W";
        case 2: return "M";
        default: return "";
    }
}

std::string file_name_text(std::string_view name) { return "F:" + std::string(name.substr(0, 8)); }

std::string station_text(double station) { return format("%-11.2f", station); }

std::string gps_count_text(long count) { return format("%6ld", count); }

std::string dop_text(float dop) {
    return format(dop >= 10.0f ? "P:%3.0f" : "P:%3.1f", static_cast<double>(dop));
}

std::string satellites_text(int satellites) { return format("Sat: %2d", satellites); }

std::string zone_text(int zone) { return format("Z%-2d", zone); }

std::string speed_maximum_text(float maximum) { return format("%.2f", static_cast<double>(maximum)); }

UnitSystem unit_system(int units_setting) { return units_setting == 0 ? UnitSystem::Metric : UnitSystem::Feet; }

std::string speed_text(float speed, UnitSystem units, int speed_unit) {
    struct Unit {
        const char* format;
        double from_metres;
        double from_feet;
    };
    static constexpr Unit kUnits[] = {
        {"Speed:%5.2f m/s", 1.0, 0.3048},
        {"Speed:%5.2f ft/s", 3.28084, 1.0},
        {"Speed:%5.2f km/h", 3.6, 1.0973},
        {"Speed:%5.2f mph", 2.2369, 0.6818},
    };
    const Unit& unit = kUnits[speed_unit >= 0 && speed_unit <= 3 ? speed_unit : 0];
    const double factor = units == UnitSystem::Metric ? unit.from_metres : unit.from_feet;
    return format(unit.format, static_cast<double>(speed) * factor);
}

std::string map_scale_text(long scale, UnitSystem units, Orientation orientation) {
    const bool feet = units == UnitSystem::Feet;
    if (orientation == Orientation::Portrait) return format(feet ? "S:%5ldft" : "S:%5ldm", scale);
    return format(feet ? "Sc:%5ld ft" : "Sc:%5ld m", scale);
}

std::string_view station_label(const BuildConfig& build, int survey_mode) {
    if (build.below_zero()) return "St :";
    constexpr int kManual = 2;
    if (survey_mode == kManual && build.type != InstrumentType::Ice31) return "S   :";
    return "St:";
}

std::array<std::string_view, 4> reading_labels(const BuildConfig& build, int em61mk2_type, bool second_coil_set) {
    switch (build.type) {
        case InstrumentType::Grad601: return {"G1:", "G2:", "", ""};
        case InstrumentType::Ferex: return {"1:", "2:", "3:", "4:"};
        case InstrumentType::Em61: return {"T:", "B:", "", ""};
        case InstrumentType::Em61Mk2:
            if (build.is_blu()) return {"1:", "2:", "D:", ""};
            if (is_minelab_f3(build, em61mk2_type)) return {"1:", "2:", "", ""};
            return {"1:", "2:", "3:", "4:"};
        case InstrumentType::Em31:
        case InstrumentType::Em38B:
        case InstrumentType::Em38: return {"C:", "I:", "", ""};
        case InstrumentType::Em38Dd: return {"V:", "H:", "", ""};
        case InstrumentType::Em38Mk2:
            if (second_coil_set) return {"C:", "I:", "c:", "i:"};
            return {"C:", "I:", "", ""};
        default: return {};
    }
}

}  // namespace zel
