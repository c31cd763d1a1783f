// Any byte stream from the GPS port, under any setting and run state, through the framers and
// the logging window's GPS sentence handler into a real data file: every record written is whole
// and ends in its line feed, the record counter only counts what the file shows, and every
// hand-over is taken off its queue by its own message.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <variant>

#include "app/app_state.h"
#include "app/build_config.h"
#include "app/run/logging_window.h"
#include "app/run/run_state.h"
#include "gps/nmea/nmea_framer.h"
#include "gps/nmea/total_station_framer.h"
#include "instruments/records/record.h"
#include "platform/ui/window_system.h"
#include "tests/fuzz/fuzz_check.h"

namespace {

using namespace zel;

constexpr platform::MessageEntry kTable[] = {{device_message::GpsSentence, logging_handler::gps_sentence}};
constexpr platform::WindowClass kFuzzWnd{"FuzzLoggingWnd", kTable};

std::string file_bytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// Every record is whole, of a GPS family, and the last trailer shows the handler's counter.
void check_records(const std::string& bytes, std::int32_t counter) {
    FUZZ_CHECK(bytes.size() % kLongRecord == 0);
    std::int32_t last_trailer_counter = 0;
    for (std::size_t at = 0; at < bytes.size(); at += kLongRecord) {
        const char kind = bytes[at];
        FUZZ_CHECK(kind == '@' || kind == '#' || kind == '?' || kind == '"' || kind == '!');
        FUZZ_CHECK(bytes[at + kLongRecord - 1] == '\n');
        if (kind == '!') last_trailer_counter = std::stoi(bytes.substr(at + 1, 6));
    }
    FUZZ_CHECK(last_trailer_counter == counter);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    static const std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("zel-fuzz-gps-" + std::to_string(::getpid()) + ".601");
    std::filesystem::remove(path);

    platform::ManualClock clock{1000};
    platform::WindowSystem ui{clock};
    AppState app{kGrad601Build, clock};
    const platform::Window window =
        ui.create({&kFuzzWnd, "", {}, {0, 0, 10, 10}, platform::WindowStyle::None, 0, platform::UserData::borrowed(app)});
    FUZZ_CHECK(!window.is_null());
    app.settings.gps_sentence_type = data[0] % 9;
    app.run_status.state = (data[1] & 1) ? RunState::Logging : RunState::StandBy;
    app.gps.logging_start_tick = (data[1] & 2) ? 5000 : 0;
    FUZZ_CHECK(app.data_file.open_for_append(path));

    NmeaFramer nmea;
    TotalStationFramer total_station;
    const bool blocks = app.settings.gps_sentence_type == 8;
    std::int32_t last_counter = 0;
    for (std::size_t i = 2; i < size; ++i) {
        clock.advance(97);
        if (blocks) {
            const auto event = total_station.feed(data[i], clock.tick());
            const auto* block = event ? std::get_if<TotalStationBlock>(&*event) : nullptr;
            if (!block) continue;
            FUZZ_CHECK(app.gps.blocks.try_push(block->view(), block->start_tick));
        } else {
            const auto sentence = nmea.feed(data[i], clock.tick());
            if (!sentence) continue;
            FUZZ_CHECK(app.run.gps.try_push(sentence->view(), sentence->start_tick));
        }
        window.send(device_message::GpsSentence);
        FUZZ_CHECK(app.run.gps.waiting() == 0 && app.gps.blocks.waiting() == 0);
        FUZZ_CHECK(app.gps.record_counter >= last_counter && app.gps.record_counter <= last_counter + 1);
        last_counter = app.gps.record_counter;
    }
    app.data_file.close();
    const std::string bytes = file_bytes(path);
    check_records(bytes, app.gps.record_counter);
    if (app.run_status.state != RunState::Logging) FUZZ_CHECK(bytes.empty() && app.gps.record_counter == 0);
    std::filesystem::remove(path);
    return 0;
}
