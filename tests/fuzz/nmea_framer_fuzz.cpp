// Any byte stream: every delivered sentence starts with "$", fits the GPS sentence buffer, and
// an over-long one is always rejected by the sentence check.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "gps/nmea/nmea_checksum.h"
#include "gps/nmea/nmea_framer.h"
#include "tests/fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    zel::NmeaFramer framer;
    for (std::size_t i = 0; i < size; ++i) {
        const auto sentence = framer.feed(data[i], static_cast<zel::platform::Tick>(i));
        if (!sentence) continue;
        const std::string_view text = sentence->view();
        FUZZ_CHECK(data[i] == '\n');
        FUZZ_CHECK(!text.empty() && text[0] == '$');
        FUZZ_CHECK(text.size() <= zel::kMaxNmeaSentence + 1);
        FUZZ_CHECK(sentence->text[text.size()] == '\0');
        FUZZ_CHECK(text.find('\n') == std::string_view::npos);
        if (text.size() > zel::kMaxNmeaSentence) {
            FUZZ_CHECK(zel::check_nmea_sentence(text, zel::ChecksumTest::Skipped) == zel::SentenceCheck::Overlong);
        }
    }
    return 0;
}
