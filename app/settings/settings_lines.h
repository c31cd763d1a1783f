#pragma once

// The lines of the settings file after its version line: one table that the reader and the
// writer both walk, so the two cannot drift apart. A line exists in a build when its presence
// condition holds, for reading and writing alike.

#include "app/build_config.h"
#include "app/settings/settings.h"

#include <span>
#include <string_view>
#include <variant>

namespace zel {

enum class LineFormat {
    Integer,     // "%d"
    Long,        // "%ld" of a 32-bit value: the same digits as Integer
    RealFloat,   // "%f" of the float widened to double
    RealDouble,  // "%f"
    Text,        // "%s"
};

using SettingRef = std::variant<int*, float*, double*, std::string*>;

enum class CheckKind {
    None,
    Range,  // an integer within low..high
    Above,  // a real greater than the setting named by lower_limit
};

struct LineCheck {
    CheckKind kind = CheckKind::None;
    int low = 0;
    int high = 0;
    float Settings::*lower_limit = nullptr;
};

// What loading does with the value once it is read.
enum class OnLoad {
    Keep,
    Discard,  // read, then set back to 0: the speed-bar minimum
};

struct SettingsLine {
    std::string_view name;
    bool (*present)(const BuildConfig&);
    LineFormat format;
    SettingRef (*field)(Settings&);
    LineCheck check;
    OnLoad on_load = OnLoad::Keep;
};

std::span<const SettingsLine> settings_lines();

bool passes_check(const LineCheck& check, const Settings& settings, SettingRef value);

}  // namespace zel
