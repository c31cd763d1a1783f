// Any byte stream: every delivered sentence is a "$PBAR" sentence that fits the instrument
// sentence buffer, NUL-terminated, without its line end.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "instruments/grad601/grad601_framer.h"
#include "tests/fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const zel::SensorCount sensors = (data[0] & 1) ? zel::SensorCount::Two : zel::SensorCount::One;
    zel::Grad601Framer framer(sensors);
    for (std::size_t i = 1; i < size; ++i) {
        const auto sentence = framer.feed(data[i], static_cast<zel::platform::Tick>(i));
        if (!sentence) continue;
        const std::string_view text = sentence->view();
        FUZZ_CHECK(data[i] == '\n');
        FUZZ_CHECK(text.size() < zel::kInstrumentSentenceSize);
        FUZZ_CHECK(text.size() + 1 >= zel::Grad601Framer::min_length(sensors));
        FUZZ_CHECK(text.substr(0, 5) == "$PBAR");
        FUZZ_CHECK(sentence->text[text.size()] == '\0');
        FUZZ_CHECK(text.find('\n') == std::string_view::npos);
        FUZZ_CHECK(sentence->start_tick < i);
    }
    return 0;
}
