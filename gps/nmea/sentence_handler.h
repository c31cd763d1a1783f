#pragma once

// The handler of the GPS sentence message, on the window thread. It takes one sentence off the
// GPS ring (or one finished total-station block), decides what it is, sends the position or DOP
// message the decision asks for, and records it while logging. The logging window's table names
// it as logging_handler::gps_sentence.

#include "app/app_state.h"
#include "gps/nmea/sentence_decision.h"
#include "platform/ui/window.h"

namespace zel {

// The decision's view of the settings, the derived values and the run.
GpsSentenceContext gps_sentence_context(const AppState& app);

// Handles the oldest waiting sentence or block; false when nothing was waiting.
bool handle_gps_sentence(AppState& app, platform::Window logging_window);

}  // namespace zel
