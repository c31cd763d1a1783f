#include "display/layout/bar_slots.h"

#include "app/catalogue/catalogue.h"
#include "app/startup/screen_measurements.h"

#include <initializer_list>

namespace zel {
namespace {

// A row of the slot tables in base pixels.
struct BaseSlots {
    std::initializer_list<int> offsets;
    int width;
};

constexpr BaseSlots kTwoWide{{3, 17}, 10};
constexpr BaseSlots kFourNarrow{{2, 9, 16, 23}, 5};
constexpr BaseSlots kEmFamily{{1, 7}, 5};
constexpr BaseSlots kEm38Mk2{{1, 4, 7, 10}, 2};
constexpr BaseSlots kBlu{{2, 12, 20}, 8};

// By sensor count, 1 to 6, at run start.
constexpr std::array<BaseSlots, 6> kBySensors{{
    {{2}, 25},
    {{2, 16}, 12},
    {{2, 11, 20}, 7},
    {{2, 9, 16, 23}, 5},
    {{1, 7, 12, 18, 24}, 4},
    {{1, 6, 10, 15, 20, 25}, 3},
}};

BarSlots scale(const BaseSlots& base, double sx) {
    BarSlots slots;
    std::size_t i = 0;
    for (int offset : base.offsets) slots.offsets[i++] = scaled(offset, sx);
    slots.width = scaled(base.width, sx);
    return slots;
}

bool grad601_two_sensors(int sensors) { return sensors == 2; }

}  // namespace

BarSlots bar_slots_at_creation(const BuildConfig& build, int em61mk2_type, double sx) {
    switch (build.type) {
        case InstrumentType::Ferex: return scale(kFourNarrow, sx);
        case InstrumentType::Grad601:
        case InstrumentType::G823:
        case InstrumentType::Em61: return scale(kTwoWide, sx);
        case InstrumentType::Em61Mk2:
            return scale(is_minelab_f3(build, em61mk2_type) ? kTwoWide : kFourNarrow, sx);
        case InstrumentType::Em38Mk2: return scale(kEm38Mk2, sx);
        default: return scale(kEmFamily, sx);
    }
}

BarSlots bar_slots_at_run_start(const BarSlots& current, const BuildConfig& build, int em61mk2_type, int sensors,
                                double sx) {
    switch (build.type) {
        case InstrumentType::Em61Mk2:
            if (is_minelab_f3(build, em61mk2_type)) return scale(kTwoWide, sx);
            return scale(build.is_blu() ? kBlu : kFourNarrow, sx);
        case InstrumentType::Grad601: return scale(kBySensors[grad601_two_sensors(sensors) ? 1 : 0], sx);
        case InstrumentType::G823:
            if (sensors < 1 || sensors > 6) return current;
            return scale(kBySensors[static_cast<std::size_t>(sensors - 1)], sx);
        default: return current;
    }
}

int channels_in_use(const BuildConfig& build, int em61mk2_type, int sensors) {
    switch (build.type) {
        case InstrumentType::Ferex: return 4;
        case InstrumentType::Grad601: return grad601_two_sensors(sensors) ? 2 : 1;
        case InstrumentType::G823: return sensors >= 1 && sensors <= 6 ? sensors : 0;
        case InstrumentType::Em61: return 2;
        case InstrumentType::Em61Mk2:
            if (is_minelab_f3(build, em61mk2_type)) return 2;
            return build.is_blu() ? 3 : 4;
        case InstrumentType::Em38Mk2: return 4;
        default: return 2;
    }
}

}  // namespace zel
