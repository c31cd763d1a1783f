#include "app/run/run_objects.h"

namespace zel {

void RunObjects::reset_for_run(platform::Tick now) {
    instrument.clear();
    gps.clear();
    instrument_data_tick.store(now);
    instrument_frame_tick.store(now);
    no_data_counter.store(0);
    decimation_counter.store(0);
    gps_reader_state.store(GpsReaderState::NotStarted);
    pacing.reset();
}

}  // namespace zel
