#pragma once

// The instrument a build serves and its build switches. Each executable fixes one constant
// BuildConfig in its main; nothing at run time changes it. Tests build whatever they need.

namespace zel {

// The signed instrument type of a build, -5 to 7.
enum class InstrumentType : int {
    Ferex = -5,
    Grad601 = -4,
    G823 = -3,
    Em61 = -2,
    Em61Mk2 = -1,
    Em31 = 0,
    Em38B = 1,
    Em38Dd = 2,
    Em38 = 3,
    Em34_3 = 4,
    Type5 = 5,  // a type without a model name
    Ice31 = 6,
    Em38Mk2 = 7,
};

constexpr int type_number(InstrumentType t) { return static_cast<int>(t); }

struct GpsSimulation {
    bool satellites = false;  // the satellite count always reads as 7
    bool walk = false;        // fixes are moved along a simulated walk
};

struct BuildConfig {
    InstrumentType type = InstrumentType::Grad601;
    bool em61_f3 = false;           // type -1: the EM61/F3 build
    int em61mk2_variant = 0;        // type -1: 0 to 3; 3 is the "BLU" variant
    bool grad601_simulation = false;  // type -4: the simulator thread replaces the reader
    bool alt_em38_reader = false;     // type 3: the alternative EM38 reader
    GpsSimulation gps_simulation{};

    constexpr bool below_zero() const { return type_number(type) < 0; }
    constexpr bool is_blu() const { return type == InstrumentType::Em61Mk2 && em61mk2_variant == 3; }
    constexpr bool any_simulation() const {
        return grad601_simulation || alt_em38_reader || gps_simulation.satellites || gps_simulation.walk;
    }
};

inline constexpr BuildConfig kGrad601Build{};
inline constexpr BuildConfig kGrad601SimBuild{.grad601_simulation = true};

}  // namespace zel
