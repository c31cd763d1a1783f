#pragma once

// A logging window for GPS tests: the real GPS sentence handler, with the position, DOP and
// total-station messages recorded instead of handled, and a data file in a temporary folder.

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/app_state.h"
#include "app/build_config.h"
#include "app/run/logging_window.h"
#include "app/run/run_state.h"
#include "platform/ui/window_system.h"

namespace zel::test {

struct GpsMessages {
    int gps_sentences = 0;
    std::vector<std::string> positions;  // the sentence in hand when 1035 came
    std::vector<std::string> dops;       // the same for 1040
    std::vector<TimedGridPosition> grid_positions;
    platform::ManualClock* advance_clock = nullptr;  // moved on after each sentence when set
    platform::Tick advance_ms = 0;
};

inline GpsMessages g_messages;

inline platform::LResult on_gps_sentence(platform::Window w, platform::MessageId m, platform::WParam wp,
                                         platform::LParam lp) {
    const platform::LResult result = logging_handler::gps_sentence(w, m, wp, lp);
    ++g_messages.gps_sentences;
    if (g_messages.advance_clock) g_messages.advance_clock->advance(g_messages.advance_ms);
    return result;
}

inline platform::LResult on_position(platform::Window w, platform::MessageId, platform::WParam, platform::LParam) {
    g_messages.positions.emplace_back(w.data<AppState>()->gps.sentence.view());
    return 0;
}

inline platform::LResult on_dop(platform::Window w, platform::MessageId, platform::WParam, platform::LParam) {
    g_messages.dops.emplace_back(w.data<AppState>()->gps.sentence.view());
    return 0;
}

inline platform::LResult on_grid_position(platform::Window w, platform::MessageId, platform::WParam, platform::LParam) {
    if (auto p = w.data<AppState>()->gps.positions.pop()) g_messages.grid_positions.push_back(*p);
    return 0;
}

inline constexpr platform::MessageEntry kGpsTestTable[] = {
    {device_message::GpsSentence, on_gps_sentence},
    {device_message::GpsPosition, on_position},
    {device_message::GpsEvent, on_dop},
    {device_message::AltGpsSentence, on_grid_position},
};
inline constexpr platform::WindowClass kGpsTestWnd{"GpsTestWnd", kGpsTestTable};

class GpsWindowFixture : public ::testing::Test {
protected:
    void SetUp() override {
        g_messages = {};
        folder = std::filesystem::temp_directory_path() /
                 ("zel-gps-" + std::to_string(::getpid()) + "-" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
        ASSERT_FALSE(window.is_null());
    }
    void TearDown() override {
        app.data_file.close();
        std::filesystem::remove_all(folder);
        g_messages = {};
    }

    void start_logging(platform::Tick logging_start_tick = 0) {
        ASSERT_TRUE(app.data_file.open_for_append(folder / "survey.601"));
        app.run_status.state = RunState::Logging;
        app.gps.logging_start_tick = logging_start_tick;
    }

    std::string file_bytes() const {
        std::ifstream in(folder / "survey.601", std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    platform::ManualClock clock{100000};
    platform::WindowSystem ui{clock};
    AppState app{kGrad601Build, clock};
    platform::Window window = ui.create({&kGpsTestWnd, "", {}, {0, 0, 10, 10}, platform::WindowStyle::None, 0,
                                         platform::UserData::borrowed(app)});
    std::filesystem::path folder;
};

}  // namespace zel::test
