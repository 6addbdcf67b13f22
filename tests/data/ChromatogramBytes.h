// Building the bytes of chromatogram files by hand (little-endian, as the format fixes), so that tests
// and fuzz seeds can shape valid and damaged files byte by byte.
#pragma once

#include <bit>
#include <cstdint>
#include <string>
#include <vector>

namespace ChromatogramBytes {

inline std::string Little(uint64_t value, int width) {
    std::string bytes;
    for (int i = 0; i < width; ++i) bytes += static_cast<char>(value >> (8 * i));
    return bytes;
}

inline std::string Header(const std::string& signature, uint8_t version, uint64_t xmlOffset) {
    return signature + static_cast<char>(version) + Little(0, 4) + Little(xmlOffset, 8);
}

// A block header announcing count samples, followed by the samples given (which may be fewer).
inline std::string Block(uint8_t number, double value1, double value2, uint64_t count,
                         const std::vector<float>& samples) {
    std::string bytes = static_cast<char>(number) + std::string(7, '\0') + Little(std::bit_cast<uint64_t>(value1), 8) +
                        Little(std::bit_cast<uint64_t>(value2), 8) + Little(count, 8);
    for (float sample : samples) bytes += Little(std::bit_cast<uint32_t>(sample), 4);
    return bytes;
}

}  // namespace ChromatogramBytes
