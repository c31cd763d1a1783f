// Nanoseconds per point of our geographic-to-UTM conversion beside GeographicLib's transverse
// Mercator in the same run; the ratio is printed at the end.
#include "gps/coordinates/utm.h"

#include <GeographicLib/TransverseMercator.hpp>
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

struct Point {
    double lat, lon;
};

const std::vector<Point>& points() {
    static const std::vector<Point> all = [] {
        std::vector<Point> p;
        for (double lat = -79.5; lat < 84.0; lat += 3.7)
            for (double lon = -179.3; lon < 180.0; lon += 4.1) p.push_back({lat, lon});
        return p;
    }();
    return all;
}

double g_ours_ns = 0.0;
double g_reference_ns = 0.0;

void count_points(benchmark::State& state) {
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(points().size()));
}

void BM_OurUtm(benchmark::State& state) {
    for (auto _ : state) {
        for (const Point& p : points()) benchmark::DoNotOptimize(zel::geographic_to_utm(p.lat, p.lon));
    }
    count_points(state);
}

void BM_GeographicLibUtm(benchmark::State& state) {
    const GeographicLib::TransverseMercator& tm = GeographicLib::TransverseMercator::UTM();
    for (auto _ : state) {
        for (const Point& p : points()) {
            double x = 0.0, y = 0.0;
            tm.Forward(6.0 * zel::utm_zone(p.lon) - 183.0, p.lat, p.lon, x, y);
            benchmark::DoNotOptimize(x);
            benchmark::DoNotOptimize(y);
        }
    }
    count_points(state);
}

BENCHMARK(BM_OurUtm);
BENCHMARK(BM_GeographicLibUtm);

// Prints the ratio of the two runs after the normal report.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            const double ns = run.GetAdjustedCPUTime() / static_cast<double>(points().size());
            if (run.benchmark_name() == "BM_OurUtm") g_ours_ns = ns;
            if (run.benchmark_name() == "BM_GeographicLibUtm") g_reference_ns = ns;
        }
    }
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    if (g_ours_ns > 0.0 && g_reference_ns > 0.0) {
        std::printf("ours %.1f ns/point, GeographicLib %.1f ns/point, ratio ours/GeographicLib %.2f\n", g_ours_ns,
                    g_reference_ns, g_ours_ns / g_reference_ns);
    }
    benchmark::Shutdown();
    return 0;
}
