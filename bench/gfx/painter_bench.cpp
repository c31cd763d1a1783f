// Drawing costs of the logging window: one status field, a whole VGA screen, a profile step.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <memory>

#include "platform/gfx/font_library.h"
#include "platform/gfx/painter.h"

namespace zel::platform {
namespace {

const Font& bench_font(int height, int weight) {
    static std::unique_ptr<FontLibrary> library = [] {
        std::string error;
        auto l = FontLibrary::open(error);
        if (!l) {
            std::fprintf(stderr, "%s\n", error.c_str());
            std::exit(2);
        }
        return l;
    }();
    const FontResult r = library->font({"MS Sans Serif", height, weight});
    if (!r.font) {
        std::fprintf(stderr, "%s\n", r.error.c_str());
        std::exit(2);
    }
    return *r.font;
}

// Write a field: fill light grey, then the text clipped at the field's top-left corner.
void write_field(Painter& p, const Rect& field, std::string_view text) {
    p.fill_rect(field, colors::light_grey);
    p.draw_text({field.left, field.top}, text, field);
}

void BM_StatusField(benchmark::State& state) {
    Framebuffer fb({240, 320}, colors::light_grey);
    Painter p(fb, Rect{0, 0, 240, 320});
    p.set_font(&bench_font(13, 700));
    const Rect field{150, 40, 240, 53};
    for (auto _ : state) {
        write_field(p, field, "  1234.567");
        benchmark::DoNotOptimize(fb.row(45));
    }
}
BENCHMARK(BM_StatusField);

void BM_FullLoggingScreen(benchmark::State& state) {
    const Size screen{480, 640};
    Framebuffer fb(screen, colors::light_grey);
    const Font& normal = bench_font(26, 400);
    const Font& bold = bench_font(26, 700);
    for (auto _ : state) {
        Painter p(fb);
        p.fill_rect({0, 0, 480, 640}, colors::light_grey);
        p.fill_rect({0, 0, 470, 430}, colors::white);
        // Thirty status fields in two columns.
        for (int i = 0; i < 30; ++i) {
            p.set_font(i % 3 == 0 ? &bold : &normal);
            const Rect field{i < 15 ? 4 : 244, 436 + (i % 15) * 13, i < 15 ? 236 : 476, 449 + (i % 15) * 13};
            write_field(p, field, i % 2 ? "St :1234.50" : "Sat: 12");
        }
        // Grid lines and trace segments of the profile.
        for (int i = 0; i < 200; ++i) {
            if (i < 40) {
                p.set_pen(Pen::solid(colors::light_grey, i == 0 ? 2 : 1));
                p.draw_line({0, 10 * i + 5}, {470, 10 * i + 5});
            } else {
                p.set_pen(Pen::solid(rgb(0, 0, 255), 1 + i % 4));
                const int x = 2 * (i - 40);
                p.draw_line({x, 200 + (i * 37) % 100}, {x + 2, 200 + (i * 53) % 100});
            }
        }
        benchmark::DoNotOptimize(fb.row(100));
    }
}
BENCHMARK(BM_FullLoggingScreen)->Unit(benchmark::kMicrosecond);

// One reading on a VGA profile: move the picture two pixels left, erase the new column, draw
// a segment per channel.
void BM_ProfileScrollStep(benchmark::State& state) {
    Framebuffer fb({480, 676}, colors::white);
    Painter p(fb, Rect{0, 0, 470, 430});
    const int x = 333;
    for (auto _ : state) {
        p.scroll({2, 0, x + 1, 430}, -2, 0);
        p.set_pen(Pen::solid(colors::white));
        for (int c = x - 1; c <= x + 1; ++c) p.draw_line({c, 0}, {c, 430});
        p.set_pen(Pen::solid(rgb(0, 0, 255), 2));
        p.draw_line({x - 2, 200}, {x, 210});
        p.set_pen(Pen::solid(rgb(0, 255, 0), 3));
        p.draw_line({x - 2, 100}, {x, 90});
        benchmark::DoNotOptimize(fb.row(200));
    }
}
BENCHMARK(BM_ProfileScrollStep)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace zel::platform

BENCHMARK_MAIN();
