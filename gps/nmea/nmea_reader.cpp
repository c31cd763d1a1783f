#include "gps/nmea/nmea_reader.h"

#include <chrono>
#include <thread>
#include <variant>

#include "app/run/run_state.h"
#include "gps/nmea/nmea_framer.h"
#include "gps/nmea/total_station_framer.h"
#include "serial/reader/reader_loop.h"

namespace zel {

bool GpsReaderThread::start(platform::SerialPort& port, GpsReader kind) {
    if (m_thread.running()) return false;
    // Marked before the thread exists, so a run end that follows at once still waits for it.
    m_run.gps_reader_state.store(GpsReaderState::Running);
    const bool started = m_thread.start([this, &port, kind] {
        if (kind == GpsReader::Nmea)
            read_nmea(port);
        else
            read_total_station(port);
        m_run.gps_reader_state.store(GpsReaderState::Ended);
    });
    if (!started) m_run.gps_reader_state.store(GpsReaderState::Ended);
    return started;
}

GpsReaderEnd GpsReaderThread::end(platform::SerialPort& port, platform::WindowSystem& ui) {
    port.close();
    const auto reader_left = [this] { return m_run.gps_reader_state.load() != GpsReaderState::Running; };
    if (ui.wait_serving(reader_left, kEndWaitMs) == platform::WaitEnd::Satisfied) {
        m_thread.join();
        return GpsReaderEnd::Ended;
    }
    m_thread.abandon();
    return GpsReaderEnd::GaveUp;
}

void GpsReaderThread::read_nmea(platform::SerialPort& port) {
    NmeaFramer framer;
    const platform::PortSession session = port.session();
    const auto port_closed = [&] { return !port.is_open(session); };
    run_reader_loop(port, ReaderStart::Keep, [&](std::uint8_t byte) {
        const auto sentence = framer.feed(byte, m_clock.tick());
        if (!sentence) return;
        if (m_run.gps.push(sentence->view(), sentence->start_tick, port_closed))
            m_window.send(device_message::GpsSentence);
    });
}

void GpsReaderThread::read_total_station(platform::SerialPort& port) {
    std::this_thread::sleep_for(std::chrono::milliseconds(kTotalStationSettleMs));
    TotalStationFramer framer;
    platform::Tick block_tick = 0;
    const platform::PortSession session = port.session();
    const auto port_closed = [&] { return !port.is_open(session); };
    run_reader_loop(port, ReaderStart::Keep, [&](std::uint8_t byte) {
        const platform::Tick now = m_clock.tick();
        const auto event = framer.feed(byte, now);
        // A position is stamped with the start of its own block, as a sentence is with its "$".
        if (byte == '>') block_tick = now;
        if (!event) return;
        if (const auto* block = std::get_if<TotalStationBlock>(&*event)) {
            if (m_input.blocks.push(block->view(), block->start_tick, port_closed))
                m_window.send(device_message::GpsSentence);
        } else if (const auto* position = std::get_if<GridPosition>(&*event)) {
            if (m_input.positions.push({*position, block_tick}, port_closed))
                m_window.post(device_message::AltGpsSentence);
        }
    });
}

}  // namespace zel
