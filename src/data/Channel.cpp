#include "data/Channel.h"

#include <cmath>
#include <limits>
#include <utility>

Channel::Channel(const Channel& other) { CopyFrom(other); }

Channel& Channel::operator=(const Channel& other) {
    if (this != &other) CopyFrom(other);
    return *this;
}

Channel::Channel(Channel&& other) noexcept { MoveFrom(other); }

Channel& Channel::operator=(Channel&& other) noexcept {
    if (this != &other) MoveFrom(other);
    return *this;
}

void Channel::CopyFrom(const Channel& other) {
    number = other.number;
    name = other.name;
    {
        std::lock_guard<std::mutex> hold(samplesLock);
        value1 = other.value1;
        value2 = other.value2;
        marker = other.marker;
        samples = other.samples;
    }
    table = other.table;
}

void Channel::MoveFrom(Channel& other) noexcept {
    number = other.number;
    name = std::move(other.name);
    {
        std::lock_guard<std::mutex> hold(samplesLock);
        value1 = other.value1;
        value2 = other.value2;
        marker = other.marker;
        samples = std::move(other.samples);
    }
    table = std::move(other.table);
}

int32_t Channel::IndexOfTime(double t) const {
    std::lock_guard<std::mutex> hold(samplesLock);
    if (value2 == 0.0 || t < value1) return 0;
    const double index = std::trunc((t - value1) / value2);
    // A NaN or an index beyond int32 (a far time, a negative step) addresses no sample; keep the
    // conversion defined and let the callers' range checks refuse it.
    if (!(index < static_cast<double>(std::numeric_limits<int32_t>::max())))
        return std::numeric_limits<int32_t>::max();
    if (index < static_cast<double>(std::numeric_limits<int32_t>::min())) return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(index);
}
