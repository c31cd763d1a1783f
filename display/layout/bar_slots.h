#pragma once

// Where each level bar stands inside its bar window, and how many channels a run draws. The
// table is filled for the build when the logging window is created; instruments whose channel
// count follows a setting rebuild it at every run start.

#include "app/build_config.h"

#include <array>

namespace zel {

inline constexpr int kBarSlotCount = 6;

// Offsets and width in pixels, already scaled; slots a type does not use stay 0.
struct BarSlots {
    std::array<int, kBarSlotCount> offsets{};
    int width = 0;
    friend bool operator==(const BarSlots&, const BarSlots&) = default;
};

BarSlots bar_slots_at_creation(const BuildConfig& build, int em61mk2_type, double sx);

// The table a run starts with: rebuilt for GRAD601, G823 and EM61-MK2 builds from the sensor
// count and the EM61-MK2 type; every other build, and a G823 sensor count the table does not
// know, keeps the current table.
BarSlots bar_slots_at_run_start(const BarSlots& current, const BuildConfig& build, int em61mk2_type, int sensors,
                                double sx);

// The number of channels whose readings are drawn. A G823 sensor count outside 1 to 6 draws
// none, so that no bar or trace is ever looked up beyond its tables.
int channels_in_use(const BuildConfig& build, int em61mk2_type, int sensors);

}  // namespace zel
