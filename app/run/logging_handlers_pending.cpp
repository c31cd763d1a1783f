// Logging-window handlers whose subsystems are not built yet. Each answers as default processing
// would; when its subsystem lands, the definition moves there and leaves this file. The device
// sentence handlers already take their sentence (or position) off its queue, so a run in a build
// without the handler never stalls its reader on a full queue.
#include "app/app_state.h"
#include "app/run/logging_window.h"
#include "platform/ui/window.h"

namespace zel::logging_handler {

namespace {

using platform::LParam;
using platform::LResult;
using platform::MessageId;
using platform::WParam;
using platform::Window;

LResult not_yet(Window w, MessageId m, WParam wp, LParam lp) { return platform::default_procedure(w, m, wp, lp); }

LResult drop_instrument_sentence(Window w) {
    if (AppState* app = w.data<AppState>()) {
        InstrumentRing::Slot slot;
        app->run.instrument.pop(slot);
    }
    return 0;
}

LResult drop_total_station_position(Window w) {
    if (AppState* app = w.data<AppState>()) app->gps.positions.pop();
    return 0;
}

}  // namespace

LResult create(Window w, MessageId m, WParam wp, LParam lp) { return not_yet(w, m, wp, lp); }
LResult paint(Window w, MessageId m, WParam wp, LParam lp) { return not_yet(w, m, wp, lp); }
LResult run_timer(Window w, MessageId m, WParam wp, LParam lp) { return not_yet(w, m, wp, lp); }
LResult command(Window w, MessageId m, WParam wp, LParam lp) { return not_yet(w, m, wp, lp); }
LResult key_up(Window w, MessageId m, WParam wp, LParam lp) { return not_yet(w, m, wp, lp); }
LResult gps_position(Window w, MessageId m, WParam wp, LParam lp) { return not_yet(w, m, wp, lp); }
LResult gps_event(Window w, MessageId m, WParam wp, LParam lp) { return not_yet(w, m, wp, lp); }
LResult alt_gps_sentence(Window w, MessageId, WParam, LParam) { return drop_total_station_position(w); }

LResult em61mk2_sentence(Window w, MessageId, WParam, LParam) { return drop_instrument_sentence(w); }
LResult em61_sentence(Window w, MessageId, WParam, LParam) { return drop_instrument_sentence(w); }
LResult em_family_sentence(Window w, MessageId, WParam, LParam) { return drop_instrument_sentence(w); }
LResult g823_sentence(Window w, MessageId, WParam, LParam) { return drop_instrument_sentence(w); }
LResult grad601_sentence(Window w, MessageId, WParam, LParam) { return drop_instrument_sentence(w); }
LResult em38mk2_sentence(Window w, MessageId, WParam, LParam) { return drop_instrument_sentence(w); }
LResult ferex_frame(Window w, MessageId, WParam, LParam) { return drop_instrument_sentence(w); }
LResult f3_sentence(Window w, MessageId, WParam, LParam) { return drop_instrument_sentence(w); }

}  // namespace zel::logging_handler
