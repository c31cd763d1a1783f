// Any sequence of sentences under any setting: the decisions stay consistent with each other
// and the field extractor never leaves its text.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "gps/nmea/gps_field.h"
#include "gps/nmea/sentence_decision.h"
#include "tests/fuzz/fuzz_check.h"

namespace {

void check_fields(std::string_view text) {
    for (int n = 0; n < 24; ++n) {
        const auto field = zel::gps_field(text, n);
        if (!field) continue;
        FUZZ_CHECK(field->data() >= text.data() && field->data() + field->size() <= text.data() + text.size());
        FUZZ_CHECK(field->find(',') == std::string_view::npos);
        (void)zel::leading_number(*field);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    zel::GpsSentenceContext context;
    context.type = static_cast<zel::GpsSentenceType>(data[0] % 9);
    zel::apply_sentence_type_setting(data[0] % 9, context.layout);
    context.run_state = (data[1] & 1) ? zel::RunState::Logging : zel::RunState::StandBy;
    context.min_fix_interval = (data[1] & 0x80) ? 410 : 910;
    context.logging_start_tick = (data[1] & 2) ? 5000 : 0;
    zel::GpsHandlerState state;
    const std::string_view input(reinterpret_cast<const char*>(data + 2), size - 2);
    zel::platform::Tick tick = 0;
    std::size_t start = 0;
    while (start <= input.size()) {
        const std::size_t end = std::min(input.find('\n', start), input.size());
        const std::string_view sentence = input.substr(start, end - start);
        tick += 97;  // between the 2 Hz and 1 Hz intervals, so both forward and hold back
        const zel::GpsSentenceDecision d = zel::decide_gps_sentence(sentence, tick, context, state);
        if (d.check != zel::SentenceCheck::Ok) {
            FUZZ_CHECK(d.forward == zel::GpsForward::None);
            FUZZ_CHECK(!d.record || d.record->family.first == '?');
        }
        if (d.record) {
            FUZZ_CHECK(context.run_state == zel::RunState::Logging);
            FUZZ_CHECK(!d.record->counted || d.record->family.first == '@');
            FUZZ_CHECK((d.record->flag == zel::GpsFlag::NewPosition) == (d.forward == zel::GpsForward::Fix));
        }
        if (d.forward == zel::GpsForward::Dop) FUZZ_CHECK(context.type == zel::GpsSentenceType::GgaGsa);
        if (d.forward == zel::GpsForward::Fix) FUZZ_CHECK(state.last_fix_tick == tick && state.fix_forwarded);
        check_fields(sentence);
        start = end + 1;
    }
    return 0;
}
