#include "instruments/grad601/grad601_reader.h"

#include <chrono>
#include <cstdio>
#include <string_view>
#include <thread>

#include "app/run/run_state.h"
#include "serial/reader/reader_loop.h"

namespace zel {

namespace {

constexpr HandOverRule kGrad601HandOver{LastDataTick::Data, true, false};

int simulated_value(int random, float span, float base) {
    return static_cast<int>(span * static_cast<float>(random) / 32767.0f + base);
}

}  // namespace

bool Grad601Reader::start(platform::SerialPort& port, SensorCount sensors) {
    return m_thread.start([this, &port, sensors] { read(port, sensors); });
}

void Grad601Reader::read(platform::SerialPort& port, SensorCount sensors) {
    Grad601Framer framer(sensors);
    const platform::PortSession session = port.session();
    const auto port_closed = [&] { return !port.is_open(session); };
    run_reader_loop(port, ReaderStart::Purge, [&](std::uint8_t byte) {
        const auto sentence = framer.feed(byte, m_clock.tick());
        if (!sentence) return;
        if (hand_over_instrument(m_run, kGrad601HandOver, sentence->view(), sentence->start_tick, m_clock.tick(),
                                 port_closed) == HandOver::Deliver)
            m_window.post(device_message::Grad601Sentence);
    });
}

std::array<char, kSimulatedSentenceLength + 1> simulated_grad601_sentence(int random1, int random2) {
    std::array<char, kSimulatedSentenceLength + 1> text{};
    std::snprintf(text.data(), text.size(), "$PBAR,%4d,%4d", simulated_value(random1, 700.0f, 1100.0f),
                  simulated_value(random2, 2400.0f, 1200.0f));
    return text;
}

bool Grad601Simulator::start() {
    if (running()) return false;
    m_keep_running.store(true);
    return m_thread.start([this] { simulate(); });
}

void Grad601Simulator::stop() {
    m_keep_running.store(false);
    m_thread.join();
}

void Grad601Simulator::simulate() {
    const auto stopped = [this] { return !m_keep_running.load(); };
    while (m_keep_running.load()) {
        const int random1 = next_random();
        const auto text = simulated_grad601_sentence(random1, next_random());
        // The sentence is made, not received: it starts when it is handed over.
        const platform::Tick now = m_clock.tick();
        if (hand_over_instrument(m_run, kGrad601HandOver, std::string_view(text.data()), now, now, stopped) ==
            HandOver::Deliver)
            m_window.post(device_message::Grad601Sentence);
        std::this_thread::sleep_for(std::chrono::milliseconds(kPeriodMs));
    }
}

}  // namespace zel
