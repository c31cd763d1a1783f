#pragma once

// The menu resource of the logging window's popup menu.

#include "app/build_config.h"
#include "app/run/run_state.h"

namespace zel {

// Which position file, if any, the map shows.
enum class PositionFileKind { None, External, Ascii };

int logging_menu_id(const BuildConfig& build, RunState state, PositionFileKind shown);

}  // namespace zel
