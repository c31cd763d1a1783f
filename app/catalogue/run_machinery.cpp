#include "app/catalogue/run_machinery.h"

#include "app/catalogue/catalogue.h"
#include "app/run/run_state.h"

#include <array>

namespace zel {
namespace {

// Per type: the message its readers deliver, the run timer and the instrument port speed.
// Type -1 covers the EM61-MK2; the MineLab F3 and the free-running mode are applied below.
struct MachineryRow {
    InstrumentType type;
    std::optional<ReaderThread> reader;
    std::optional<ReaderThread> suspended_reader;  // created suspended, resumed for the Wheel mode
    std::optional<std::uint32_t> message;
    std::optional<int> timer_ms;
    std::optional<int> port_speed;
};

namespace dm = device_message;

// clang-format off
constexpr std::array kMachinery{
    //           type                      reader                           suspended reader               device message          timer  port speed
    MachineryRow{InstrumentType::Ferex,    ReaderThread::Ferex,             {},                            dm::FerexFrame,         200,   {}},
    MachineryRow{InstrumentType::Grad601,  ReaderThread::Grad601,           {},                            dm::Grad601Sentence,    70,    9600},
    MachineryRow{InstrumentType::G823,     ReaderThread::G823,              {},                            dm::G823Sentence,       70,    {}},  // from its setting
    MachineryRow{InstrumentType::Em61,     ReaderThread::Em61,              ReaderThread::Em61Second,      dm::Em61Sentence,       70,    9600},
    MachineryRow{InstrumentType::Em61Mk2,  ReaderThread::Em61Mk2Triggered, ReaderThread::Em61Mk2Second,   dm::Em61Mk2Sentence,    70,    9600},
    MachineryRow{InstrumentType::Em31,     ReaderThread::EmFamily,          {},                            dm::EmFamilySentence,   1000,  9600},
    MachineryRow{InstrumentType::Em38B,    ReaderThread::EmFamily,          {},                            dm::EmFamilySentence,   1000,  9600},
    MachineryRow{InstrumentType::Em38Dd,   ReaderThread::EmFamily,          {},                            dm::EmFamilySentence,   1000,  9600},
    MachineryRow{InstrumentType::Em38,     ReaderThread::EmFamily,          {},                            dm::EmFamilySentence,   1000,  9600},
    MachineryRow{InstrumentType::Em34_3,   ReaderThread::EmFamily,          {},                            dm::EmFamilySentence,   1000,  {}},
    MachineryRow{InstrumentType::Type5,    ReaderThread::EmFamily,          {},                            dm::EmFamilySentence,   1000,  {}},
    MachineryRow{InstrumentType::Ice31,    {},                              {},                            {},                     {},    {}},
    MachineryRow{InstrumentType::Em38Mk2,  ReaderThread::Em38Mk2,           {},                            dm::Em38Mk2Sentence,    1000,  19200},
};

constexpr std::array<std::pair<ReaderThread, std::optional<Delivery>>, 14> kDelivery{{
    {ReaderThread::Ferex,              Delivery::Sent},
    {ReaderThread::Grad601,            Delivery::Posted},
    {ReaderThread::Grad601Simulator,   Delivery::Posted},
    {ReaderThread::G823,               Delivery::Posted},
    {ReaderThread::Em61,               Delivery::Posted},
    {ReaderThread::Em61Second,         Delivery::Posted},
    {ReaderThread::Em61Mk2Triggered,   Delivery::Sent},
    {ReaderThread::Em61Mk2FreeRunning, Delivery::Sent},
    {ReaderThread::Em61Mk2Second,      Delivery::Posted},
    {ReaderThread::MineLabF3,          Delivery::Sent},
    {ReaderThread::EmFamily,           Delivery::Sent},
    {ReaderThread::AltEm38,            Delivery::Posted},
    {ReaderThread::Em38Mk2,            Delivery::Sent},
    {ReaderThread::ExternalMarker,     std::nullopt},
}};
// clang-format on

constexpr std::array kG823Speeds{300, 600, 1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200};

const MachineryRow& row(const BuildConfig& build) {
    for (const MachineryRow& r : kMachinery)
        if (r.type == build.type) return r;
    return kMachinery[1];  // unreachable for a valid InstrumentType
}

// The build switches and the run's circumstances that replace a type's first reader.
ReaderThread first_reader(const BuildConfig& build, const RunVariant& run, ReaderThread listed) {
    if (build.grad601_simulation && listed == ReaderThread::Grad601) return ReaderThread::Grad601Simulator;
    if (build.alt_em38_reader && build.type == InstrumentType::Em38) return ReaderThread::AltEm38;
    if (listed == ReaderThread::Em61Mk2Triggered && run.em61mk2_mode == Em61Mk2Mode::FreeRunning)
        return ReaderThread::Em61Mk2FreeRunning;
    return listed;
}

}  // namespace

std::vector<ReaderStart> instrument_readers(const BuildConfig& build, const RunVariant& run) {
    if (is_minelab_f3(build, run.em61mk2_type)) return {{ReaderThread::MineLabF3, ThreadStart::Running}};
    const MachineryRow& r = row(build);
    std::vector<ReaderStart> readers;
    if (r.reader) readers.push_back({first_reader(build, run, *r.reader), ThreadStart::Running});
    if (r.suspended_reader) readers.push_back({*r.suspended_reader, ThreadStart::Suspended});
    if (build.type == InstrumentType::Em38Mk2 && run.marker_port == MarkerPort::Separate)
        readers.push_back({ReaderThread::ExternalMarker, ThreadStart::Running});
    return readers;
}

std::optional<Delivery> delivery(ReaderThread thread) {
    for (const auto& [t, d] : kDelivery)
        if (t == thread) return d;
    return std::nullopt;
}

std::optional<std::uint32_t> instrument_message(const BuildConfig& build, int em61mk2_type) {
    if (is_minelab_f3(build, em61mk2_type)) return dm::F3Sentence;
    return row(build).message;
}

std::optional<int> run_timer_interval_ms(const BuildConfig& build, const RunVariant& run) {
    if (build.type == InstrumentType::Grad601 && build.grad601_simulation) return std::nullopt;
    if (build.type == InstrumentType::Em61Mk2 &&
        (is_minelab_f3(build, run.em61mk2_type) || run.em61mk2_mode == Em61Mk2Mode::FreeRunning))
        return 1000;
    return row(build).timer_ms;
}

std::optional<int> instrument_port_speed(const BuildConfig& build, int g823_baud_index) {
    if (build.type == InstrumentType::G823) {
        if (g823_baud_index < 0 || g823_baud_index >= static_cast<int>(kG823Speeds.size())) return std::nullopt;
        return kG823Speeds[static_cast<std::size_t>(g823_baud_index)];
    }
    return row(build).port_speed;
}

}  // namespace zel
