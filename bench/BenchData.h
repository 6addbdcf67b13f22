// The benchmark's data sets, generated deterministically into a folder: host databases whose assays are
// calibration runs of the demo laboratory's ten polystyrene standards, their chromatogram files (30-minute
// runs, samples in detector units), the components table, and one large chromatogram file.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct BenchShape {
    const char* name;
    int32_t assays;
    int32_t included;  // every other assay from the first, this many
    int32_t channels;
    int32_t samples;  // per channel
};

struct BenchSet {
    BenchShape shape;
    std::string databasePath;
    std::vector<int32_t> ids;  // in database order
    std::vector<std::string> files;  // one chromatogram per assay, in the same order
    uint64_t sampleBytes = 0;  // bytes of all float32 samples of the files
};

// Writes the set's database and files under folder (created if missing); the same seed gives the
// same bytes. Throws std::runtime_error when something cannot be written.
BenchSet WriteBenchSet(const std::string& folder, const BenchShape& shape, uint64_t seed);

// Writes the components table of the ten standards into folder. Throws std::runtime_error on failure.
void WriteBenchComponents(const std::string& folder);

// Writes one chromatogram file of the shape's channels and samples (its assay count is ignored) and
// returns its path. Throws std::runtime_error on failure.
std::string WriteBenchFile(const std::string& path, const BenchShape& shape, uint64_t seed);
