// The demo data's random numbers: the same sequence for the same seed on every machine and library
// (the standard distributions may differ between library versions).
#pragma once

#include <cstdint>

class DemoRandom {
public:
    explicit DemoRandom(uint64_t seed) : state_(seed) {}

    // Uniform in [0, 1).
    double Uniform();
    // Normal with mean 0 and standard deviation 1.
    double Gaussian();

private:
    uint64_t Next();

    uint64_t state_;
};
