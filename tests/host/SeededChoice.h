// The random user's dice: a std::mt19937 seeded once, whose outputs the standard fixes, turned into
// choices by code of our own (the standard library's distributions differ between libraries), so that
// a seed replays the same actions everywhere.
#pragma once

#include <cstdint>
#include <random>
#include <vector>

class SeededChoice {
public:
    explicit SeededChoice(uint32_t seed) : engine_(seed) {}

    // A whole number from 0 to count - 1, every one equally likely; count > 0.
    uint32_t Below(uint32_t count);
    // True in percent cases of a hundred.
    bool Chance(uint32_t percent) { return Below(100) < percent; }
    // One element of a non-empty list, every one equally likely.
    template <typename T>
    const T& Pick(const std::vector<T>& items) {
        return items[Below(static_cast<uint32_t>(items.size()))];
    }

private:
    std::mt19937 engine_;
};
