// Generated benchmark data: every assay is a calibration run of the ten standards, with a little
// scatter in retention time, on channels that differ by their detector response.
#include "BenchData.h"

#include "DemoLab.h"
#include "DemoRandom.h"
#include "LabData.h"
#include "components/ComponentsTable.h"

#include <cmath>
#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace fs = std::filesystem;

namespace {

constexpr double kRunMinutes = 30.0;
constexpr double kPeakWidth = 0.05;  // standard deviation of a standard's peak, minutes
constexpr double kNoise = 0.001;  // in units of a peak's height

struct Standard {
    std::string key;
    double time;  // minutes
};

std::vector<Standard> Standards(DemoRandom& random) {
    std::vector<Standard> standards;
    for (const DemoStandard& standard : DemoLab::Standards())
        standards.push_back(
            {standard.key, DemoLab::RetentionTime(std::log10(standard.molarMass)) + 0.002 * (random.Uniform() - 0.5)});
    return standards;
}

// Peaks added only within five widths of their centre, so that long runs stay quick to generate.
std::vector<float> Samples(const std::vector<Standard>& standards, double step, int32_t count, double response,
                           DemoRandom& random) {
    std::vector<float> samples(static_cast<size_t>(count));
    for (float& sample : samples) sample = static_cast<float>(kNoise * (random.Uniform() - 0.5));
    for (const Standard& standard : standards) {
        const auto first = std::max<int64_t>(0, static_cast<int64_t>((standard.time - 5 * kPeakWidth) / step));
        const auto end = std::min<int64_t>(count, static_cast<int64_t>((standard.time + 5 * kPeakWidth) / step));
        for (int64_t i = first; i < end; ++i) {
            const double z = (static_cast<double>(i) * step - standard.time) / kPeakWidth;
            samples[i] += static_cast<float>(response * std::exp(-0.5 * z * z));
        }
    }
    return samples;
}

std::vector<Channel> Channels(const BenchShape& shape, const std::vector<Standard>& standards, DemoRandom& random) {
    const double step = kRunMinutes / shape.samples;
    std::vector<Channel> channels;
    for (int32_t c = 0; c < shape.channels; ++c) {
        const double response = 1.0 / (c + 1);
        Channel channel = LabChannel(c + 1, 0.0, step, Samples(standards, step, shape.samples, response, random));
        for (const Standard& standard : standards) channel.table.push_back(LabItem(standard.key, standard.time, 0.5));
        channels.push_back(std::move(channel));
    }
    return channels;
}

void WriteFile(const std::string& path, const std::vector<Channel>& channels) {
    if (!WriteChromatogram(path, channels)) throw std::runtime_error("cannot write " + path);
}

}  // namespace

BenchSet WriteBenchSet(const std::string& folder, const BenchShape& shape, uint64_t seed) {
    fs::create_directories(folder);
    BenchSet set{shape, (fs::path(folder) / "host.db").string(), {}, {}, 0};
    fs::remove(set.databasePath);
    LabDatabase database(set.databasePath);
    database.Execute("BEGIN;");
    DemoRandom random(seed);
    for (int32_t id = 1; id <= shape.assays; ++id) {
        const std::string file = (fs::path(folder) / ("run" + std::to_string(id) + ".chr")).string();
        const std::vector<Standard> standards = Standards(random);
        WriteFile(file, Channels(shape, standards, random));
        database.AddAssay(id, file, "Стандарты ПС, серия " + std::to_string(id), "GPC-THF-1", true);
        for (const Standard& standard : standards)
            database.AddPeak(id, {standard.key, standard.time, 1, standard.time - 4 * kPeakWidth,
                                  standard.time + 4 * kPeakWidth, 0.5});
        set.ids.push_back(id);
        set.files.push_back(file);
        set.sampleBytes += uint64_t{sizeof(float)} * shape.channels * shape.samples;
    }
    database.Execute("COMMIT;");
    return set;
}

void WriteBenchComponents(const std::string& folder) {
    ComponentsTable table;
    table.filePath = (fs::path(folder) / kComponentsFileName).string();
    int32_t id = 1;
    for (const DemoStandard& standard : DemoLab::Standards())
        table.components.push_back({id++, standard.key, standard.name, standard.molarMass});
    std::ofstream(table.filePath, std::ios::binary);  // an empty file: saving writes the header first
    const Status saved = table.SaveTable();
    if (!saved) throw std::runtime_error(saved.Description());
}

std::string WriteBenchFile(const std::string& path, const BenchShape& shape, uint64_t seed) {
    DemoRandom random(seed);
    WriteFile(path, Channels(shape, Standards(random), random));
    return path;
}
