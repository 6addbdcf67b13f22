#include "SeededChoice.h"

#include <limits>

uint32_t SeededChoice::Below(uint32_t count) {
    // Draws past the last whole multiple of count are thrown away: a plain remainder would favour the
    // small numbers.
    const uint64_t range = uint64_t{std::numeric_limits<uint32_t>::max()} + 1;
    const uint64_t limit = range - range % count;
    uint64_t draw = engine_();
    while (draw >= limit) draw = engine_();
    return static_cast<uint32_t>(draw % count);
}
