// Checks shared by the fuzz targets: a failed check aborts, which libFuzzer reports as a finding.
#pragma once

#include "data/Channel.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

inline void Require(bool condition, const char* what) {
    if (condition) return;
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
}

// Tables written under a channel number that occurs twice are read back into the first channel only,
// so a write followed by a read is compared only when every number is unique.
inline bool NumbersUnique(const std::vector<Channel>& channels) {
    std::vector<int32_t> numbers;
    for (const Channel& channel : channels) numbers.push_back(channel.number);
    std::sort(numbers.begin(), numbers.end());
    return std::adjacent_find(numbers.begin(), numbers.end()) == numbers.end();
}

// strtol of the C library with the result clamped to int32, as stored identifiers and marks are read.
inline int32_t ClampedStrtol(const std::string& text) {
    const long long value = std::strtoll(text.c_str(), nullptr, 10);
    return static_cast<int32_t>(std::clamp<long long>(value, INT32_MIN, INT32_MAX));
}
