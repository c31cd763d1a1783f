#include "tools/devsim/grad601_sentence.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>

namespace zel::devsim {

std::string pbar_sentence(double sensor1, double sensor2, int sensors) {
    char buffer[96];
    int n = sensors == 1 ? std::snprintf(buffer, sizeof buffer, "$PBAR,%.1f\r\n", sensor1)
                         : std::snprintf(buffer, sizeof buffer, "$PBAR,%.1f,%.1f\r\n", sensor1, sensor2);
    return std::string(buffer, static_cast<std::size_t>(std::clamp(n, 0, static_cast<int>(sizeof buffer) - 1)));
}

Grad601Reading grad601_reading(const Grad601Signal& signal, double seconds, std::mt19937& random) {
    double middle = (signal.minimum + signal.maximum) / 2.0;
    double swing = (signal.maximum - signal.minimum) / 2.0;
    std::uniform_real_distribution<double> jitter(-signal.jitter, signal.jitter);
    double phase = 2.0 * std::numbers::pi * seconds / signal.period;
    auto value = [&](double shift) {
        double v = middle + (swing - signal.jitter) * std::sin(phase + shift) + jitter(random);
        return std::clamp(v, signal.minimum, signal.maximum);
    };
    return {value(0.0), value(std::numbers::pi / 3.0)};
}

}  // namespace zel::devsim
