#include "app/catalogue/run_machinery.h"

#include <gtest/gtest.h>

#include <string>

namespace zel {
namespace {

using R = ReaderThread;
constexpr auto kRun = ThreadStart::Running;
constexpr auto kSus = ThreadStart::Suspended;

struct MachineryCase {
    const char* name;
    BuildConfig build;
    RunVariant run;
    std::vector<ReaderStart> readers;
    std::optional<std::uint32_t> message;
    std::optional<int> timer_ms;
    std::optional<int> port_speed;  // with the G823 speed index 5
};

BuildConfig build_of(InstrumentType type) { return BuildConfig{.type = type}; }

constexpr BuildConfig kF3{.type = InstrumentType::Em61Mk2, .em61_f3 = true};

TEST(RunMachinery, EachBuildStartsItsReadersMessageTimerAndPortSpeed) {
    const RunVariant plain{};
    const RunVariant free_running{.em61mk2_mode = Em61Mk2Mode::FreeRunning};
    const RunVariant marker{.marker_port = MarkerPort::Separate};
    // clang-format off
    const MachineryCase cases[] = {
        {"Ferex",             build_of(InstrumentType::Ferex),   plain, {{R::Ferex, kRun}},                                     1044, 200,  {}},
        {"GRAD601",           kGrad601Build,                     plain, {{R::Grad601, kRun}},                                   1042, 70,   9600},
        {"GRAD601 simulator", kGrad601SimBuild,                  plain, {{R::Grad601Simulator, kRun}},                          1042, {},   9600},
        {"G823",              build_of(InstrumentType::G823),    plain, {{R::G823, kRun}},                                      1038, 70,   9600},
        {"EM61",              build_of(InstrumentType::Em61),    plain, {{R::Em61, kRun}, {R::Em61Second, kSus}},               1037, 70,   9600},
        {"EM61-MK2 OK",       build_of(InstrumentType::Em61Mk2), plain, {{R::Em61Mk2Triggered, kRun}, {R::Em61Mk2Second, kSus}}, 1034, 70, 9600},
        {"EM61-MK2 OV",       build_of(InstrumentType::Em61Mk2), free_running, {{R::Em61Mk2FreeRunning, kRun}, {R::Em61Mk2Second, kSus}}, 1034, 1000, 9600},
        {"F3 switch, type 3", kF3,                               {.em61mk2_type = 3}, {{R::Em61Mk2Triggered, kRun}, {R::Em61Mk2Second, kSus}}, 1034, 70, 9600},
        {"MineLab F3",        kF3,                               {.em61mk2_type = 4}, {{R::MineLabF3, kRun}},                  1045, 1000, 9600},
        {"EM31",              build_of(InstrumentType::Em31),    plain, {{R::EmFamily, kRun}},                                  1036, 1000, 9600},
        {"EM38B",             build_of(InstrumentType::Em38B),   plain, {{R::EmFamily, kRun}},                                  1036, 1000, 9600},
        {"EM38-DD",           build_of(InstrumentType::Em38Dd),  plain, {{R::EmFamily, kRun}},                                  1036, 1000, 9600},
        {"EM38",              build_of(InstrumentType::Em38),    plain, {{R::EmFamily, kRun}},                                  1036, 1000, 9600},
        {"EM38 alternative",  BuildConfig{.type = InstrumentType::Em38, .alt_em38_reader = true}, plain, {{R::AltEm38, kRun}}, 1036, 1000, 9600},
        {"EM34-3",            build_of(InstrumentType::Em34_3),  plain, {{R::EmFamily, kRun}},                                  1036, 1000, {}},
        {"type 5",            build_of(InstrumentType::Type5),   plain, {{R::EmFamily, kRun}},                                  1036, 1000, {}},
        {"ICE31",             build_of(InstrumentType::Ice31),   plain, {},                                                     {},   {},   {}},
        {"EM38-MK2",          build_of(InstrumentType::Em38Mk2), plain, {{R::Em38Mk2, kRun}},                                   1043, 1000, 19200},
        {"EM38-MK2 marker",   build_of(InstrumentType::Em38Mk2), marker, {{R::Em38Mk2, kRun}, {R::ExternalMarker, kRun}},       1043, 1000, 19200},
    };
    // clang-format on
    for (const MachineryCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(instrument_readers(c.build, c.run), c.readers);
        EXPECT_EQ(instrument_message(c.build, c.run.em61mk2_type), c.message);
        EXPECT_EQ(run_timer_interval_ms(c.build, c.run), c.timer_ms);
        EXPECT_EQ(instrument_port_speed(c.build, 5), c.port_speed);
    }
}

TEST(RunMachinery, ReadersSendOrPostAsTheirHandlersExpect) {
    const std::pair<ReaderThread, std::optional<Delivery>> cases[] = {
        {R::Ferex, Delivery::Sent},
        {R::Grad601, Delivery::Posted},
        {R::Grad601Simulator, Delivery::Posted},
        {R::G823, Delivery::Posted},
        {R::Em61, Delivery::Posted},
        {R::Em61Second, Delivery::Posted},
        {R::Em61Mk2Triggered, Delivery::Sent},
        {R::Em61Mk2FreeRunning, Delivery::Sent},
        {R::Em61Mk2Second, Delivery::Posted},
        {R::MineLabF3, Delivery::Sent},
        {R::EmFamily, Delivery::Sent},
        {R::AltEm38, Delivery::Posted},
        {R::Em38Mk2, Delivery::Sent},
        {R::ExternalMarker, std::nullopt},
    };
    for (const auto& [thread, expected] : cases) {
        SCOPED_TRACE(static_cast<int>(thread));
        EXPECT_EQ(delivery(thread), expected);
    }
}

TEST(RunMachinery, G823PortSpeedComesFromItsSettingAndAnIndexOutsideIsLeftAlone) {
    const BuildConfig g823 = build_of(InstrumentType::G823);
    const int speeds[] = {300, 600, 1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200};
    for (int i = 0; i < 10; ++i) EXPECT_EQ(instrument_port_speed(g823, i), speeds[i]) << i;
    EXPECT_EQ(instrument_port_speed(g823, -1), std::nullopt);
    EXPECT_EQ(instrument_port_speed(g823, 10), std::nullopt);
    // Other types ignore the G823 setting.
    EXPECT_EQ(instrument_port_speed(kGrad601Build, 0), 9600);
}

}  // namespace
}  // namespace zel
