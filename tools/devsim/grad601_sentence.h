#pragma once

#include <random>
#include <string>

namespace zel::devsim {

// The gradiometer's readings: a slow swing across [minimum, maximum] with random jitter.
struct Grad601Signal {
    int sensors = 2;  // 1 or 2
    double minimum = -100.0;
    double maximum = 100.0;
    double jitter = 2.0;     // amplitude of the random part
    double period = 20.0;    // seconds of one swing
};

// "$PBAR,<s1>[,<s2>]" CR LF, each value with one decimal.
std::string pbar_sentence(double sensor1, double sensor2, int sensors);

// The readings at `seconds`, each within [minimum, maximum].
struct Grad601Reading {
    double sensor1;
    double sensor2;
};
Grad601Reading grad601_reading(const Grad601Signal& signal, double seconds, std::mt19937& random);

}  // namespace zel::devsim
