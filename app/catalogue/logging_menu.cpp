#include "app/catalogue/logging_menu.h"

#include <array>

namespace zel {
namespace {

struct MenuRow {
    bool recording_states;  // Stand By or Logging; otherwise Monitor
    PositionFileKind shown;
    int em61;
    int em38mk2;
    int other;
};

// clang-format off
constexpr std::array kMenus{
    //     Stand By/Logging  position file shown         type -2  type 7  others
    MenuRow{true,            PositionFileKind::None,     97,      113,    40},
    MenuRow{true,            PositionFileKind::External, 98,      114,    92},
    MenuRow{true,            PositionFileKind::Ascii,    99,      115,    93},
    MenuRow{false,           PositionFileKind::None,     94,      110,    70},
    MenuRow{false,           PositionFileKind::External, 95,      111,    90},
    MenuRow{false,           PositionFileKind::Ascii,    96,      112,    91},
};
// clang-format on

}  // namespace

int logging_menu_id(const BuildConfig& build, RunState state, PositionFileKind shown) {
    bool recording = state != RunState::Monitor;
    for (const MenuRow& r : kMenus) {
        if (r.recording_states != recording || r.shown != shown) continue;
        if (build.type == InstrumentType::Em61) return r.em61;
        if (build.type == InstrumentType::Em38Mk2) return r.em38mk2;
        return r.other;
    }
    return kMenus[0].other;  // unreachable: the table covers every state and kind
}

}  // namespace zel
