// Time per sentence of the GPS input path over the real receiver captures: framing, the sentence
// decision, and both together as a reader and its handler would run them. Goal: under 2 us per
// sentence for framing plus decision.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "gps/nmea/nmea_framer.h"
#include "gps/nmea/sentence_decision.h"

namespace {

const std::string& capture_bytes() {
    static const std::string all = [] {
        std::string bytes;
        for (const auto& entry : std::filesystem::directory_iterator(ZEL_TESTDATA_DIR "/nmea")) {
            if (entry.path().extension() != ".log") continue;
            std::ifstream in(entry.path(), std::ios::binary);
            bytes.append(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        }
        return bytes;
    }();
    return all;
}

const std::vector<zel::NmeaSentence>& capture_sentences() {
    static const std::vector<zel::NmeaSentence> all = [] {
        std::vector<zel::NmeaSentence> out;
        zel::NmeaFramer framer;
        zel::platform::Tick now = 0;
        for (const char c : capture_bytes()) {
            if (auto s = framer.feed(static_cast<std::uint8_t>(c), now)) out.push_back(*s);
            now += 1;
        }
        return out;
    }();
    return all;
}

zel::GpsSentenceContext logging_context(zel::GpsSentenceType type) {
    zel::GpsSentenceContext context;
    context.type = type;
    zel::apply_sentence_type_setting(static_cast<int>(type), context.layout);
    context.run_state = zel::RunState::Logging;
    return context;
}

// Reports the time per sentence (seconds, shown with an SI prefix such as "245n").
void per_sentence(benchmark::State& state) {
    state.counters["per_sentence"] = benchmark::Counter(static_cast<double>(capture_sentences().size()),
                                                        benchmark::Counter::kIsIterationInvariantRate |
                                                            benchmark::Counter::kInvert);
}

void BM_Framing(benchmark::State& state) {
    const std::string& bytes = capture_bytes();
    for (auto _ : state) {
        zel::NmeaFramer framer;
        std::size_t count = 0;
        for (const char c : bytes) count += framer.feed(static_cast<std::uint8_t>(c), 0).has_value();
        benchmark::DoNotOptimize(count);
    }
    per_sentence(state);
}

void BM_Decision(benchmark::State& state) {
    const zel::GpsSentenceContext context = logging_context(static_cast<zel::GpsSentenceType>(state.range(0)));
    for (auto _ : state) {
        zel::GpsHandlerState handler;
        zel::platform::Tick tick = 0;
        for (const zel::NmeaSentence& s : capture_sentences()) {
            benchmark::DoNotOptimize(zel::decide_gps_sentence(s.view(), tick += 100, context, handler));
        }
    }
    per_sentence(state);
}

void BM_FramingAndDecision(benchmark::State& state) {
    const std::string& bytes = capture_bytes();
    const zel::GpsSentenceContext context = logging_context(zel::GpsSentenceType::GgaGsa);
    for (auto _ : state) {
        zel::NmeaFramer framer;
        zel::GpsHandlerState handler;
        zel::platform::Tick tick = 0;
        for (const char c : bytes) {
            if (auto s = framer.feed(static_cast<std::uint8_t>(c), tick += 1)) {
                benchmark::DoNotOptimize(zel::decide_gps_sentence(s->view(), s->start_tick, context, handler));
            }
        }
    }
    per_sentence(state);
}

BENCHMARK(BM_Framing);
BENCHMARK(BM_Decision)->Arg(0)->Arg(1)->Arg(7);
BENCHMARK(BM_FramingAndDecision);

}  // namespace

BENCHMARK_MAIN();
