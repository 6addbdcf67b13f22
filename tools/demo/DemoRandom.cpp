#include "DemoRandom.h"

#include <cmath>
#include <numbers>

uint64_t DemoRandom::Next() {
    // splitmix64
    uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

double DemoRandom::Uniform() { return static_cast<double>(Next() >> 11) * 0x1.0p-53; }

double DemoRandom::Gaussian() {
    // Box-Muller; 1 - Uniform() lies in (0, 1], so the logarithm is finite.
    const double radius = std::sqrt(-2.0 * std::log(1.0 - Uniform()));
    return radius * std::cos(2.0 * std::numbers::pi * Uniform());
}
