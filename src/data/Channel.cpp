// The channel's time-to-sample mapping.
#include "data/Channel.h"

#include <cmath>
#include <limits>

int32_t Channel::IndexOfTime(double t) const {
    if (value2 == 0.0 || t < value1) return 0;
    const double index = std::trunc((t - value1) / value2);
    // A NaN or an index beyond int32 (a far time, a negative step) addresses no sample; keep the
    // conversion defined and let the callers' range checks refuse it.
    if (!(index < static_cast<double>(std::numeric_limits<int32_t>::max()))) return std::numeric_limits<int32_t>::max();
    if (index < static_cast<double>(std::numeric_limits<int32_t>::min())) return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(index);
}
