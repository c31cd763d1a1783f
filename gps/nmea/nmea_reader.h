#pragma once

// The GPS reader thread of a logging run: the NMEA reader, or for total-station blocks the
// total-station reader. Either marks its life in the GPS reader state and ends by itself when
// the GPS port is closed.
//
// The NMEA reader pushes every sentence onto the GPS ring and sends the GPS sentence message, so
// it waits until the sentence handler is done with it. The total-station reader sends each
// finished block the same way, to be recorded, and posts the alternative GPS sentence message
// for each position, which carries its own northing and easting on the position queue.

#include <cstdint>

#include "app/run/run_objects.h"
#include "gps/nmea/gps_input.h"
#include "gps/nmea/sentence_type.h"
#include "platform/clock/clock.h"
#include "platform/serial/serial_port.h"
#include "platform/ui/window.h"
#include "platform/ui/window_system.h"
#include "serial/reader/reader_thread.h"

namespace zel {

enum class GpsReaderEnd {
    Ended,   // the reader left after the port was closed
    GaveUp,  // it had not left in time; the run end goes on without it
};

class GpsReaderThread {
public:
    // How long the run end waits for the reader after closing the port.
    static constexpr platform::Tick kEndWaitMs = 5001;
    // The total-station reader lets the device settle before it reads.
    static constexpr platform::Tick kTotalStationSettleMs = 100;

    GpsReaderThread(RunObjects& run, GpsInput& input, const platform::Clock& clock, platform::Window logging_window)
        : m_run(run), m_input(input), m_clock(clock), m_window(logging_window) {}

    // Run start, with the GPS port open. False while a reader started earlier still runs.
    bool start(platform::SerialPort& port, GpsReader kind);

    // Run end, on the window thread: closes the port and waits until the reader has left, giving
    // up kEndWaitMs after the close. Messages sent meanwhile are served, so a reader waiting in
    // its send finishes at once instead of holding the wait.
    GpsReaderEnd end(platform::SerialPort& port, platform::WindowSystem& ui);

    bool running() const { return m_thread.running(); }

private:
    void read_nmea(platform::SerialPort& port);
    void read_total_station(platform::SerialPort& port);

    RunObjects& m_run;
    GpsInput& m_input;
    const platform::Clock& m_clock;
    platform::Window m_window;
    ReaderThread m_thread;
};

}  // namespace zel
