// Any byte stream: blocks stay within their buffer and start with ">"; positions come only from
// numbers, so they are finite.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <variant>

#include "gps/nmea/total_station_framer.h"
#include "tests/fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    zel::TotalStationFramer framer;
    for (std::size_t i = 0; i < size; ++i) {
        const auto event = framer.feed(data[i], static_cast<zel::platform::Tick>(i));
        if (!event) continue;
        if (const auto* position = std::get_if<zel::GridPosition>(&*event)) {
            FUZZ_CHECK(data[i] == '\n');
            // Values pass through single precision, so an out-of-range number becomes infinite
            // rather than undefined; anything else must be finite.
            FUZZ_CHECK(!std::isnan(position->northing) && !std::isnan(position->easting));
        } else {
            const auto& block = std::get<zel::TotalStationBlock>(*event);
            FUZZ_CHECK(data[i] == '>');
            FUZZ_CHECK(block.length < zel::kTotalStationBlockSize);
            FUZZ_CHECK(block.text[0] == '>');
            FUZZ_CHECK(block.text[block.length] == '\0');
        }
    }
    return 0;
}
