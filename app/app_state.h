#pragma once

#include "app/build_config.h"
#include "app/run/run_objects.h"
#include "app/settings/derived_settings.h"
#include "app/settings/settings.h"
#include "app/startup/screen_measurements.h"
#include "display/layout/logging_layout.h"
#include "gps/nmea/gps_input.h"
#include "instruments/grad601/reading_counters.h"
#include "instruments/records/record_writer.h"
#include "platform/clock/clock.h"
#include "platform/files/record_file.h"
#include "serial/port/port_handles.h"

namespace zel {

// The program-wide state, owned by the application object and reached by every window handler
// through its window's data. Only `run` and the ports are shared with reader threads; everything
// else belongs to the window thread.
struct AppState {
    AppState(const BuildConfig& build_config, const platform::Clock& clock_source)
        : build(build_config),
          clock(clock_source),
          settings(default_settings(build_config)),
          derived(derive_settings(settings, LayoutSizes{})),
          records(data_file, build_config.type) {}

    AppState(const AppState&) = delete;
    AppState& operator=(const AppState&) = delete;

    const BuildConfig build;
    const platform::Clock& clock;

    Settings settings;
    DerivedSettings derived;

    // Measured once when the main window is created; every layout reads them.
    ScreenMeasurements screen;
    LoggingLayout layout;

    RunStatus run_status;
    RunObjects run;
    ReadingCounters readings;
    PortHandles ports;
    GpsInput gps;

    platform::RecordFile data_file;
    RecordWriter records;
};

}  // namespace zel
