// The published chromatogram of Gavrilov and Monteiro (Eur. Polym. J. 65 (2015) 191) through the whole
// calculation: eight narrow standards on the published calibration, cubic fit, averages of the sample.
#include "gpc/CCalibration.h"

#include "AssayBuilder.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <fstream>
#include <string>
#include <vector>

namespace {

struct Chromatogram {
    double value1 = 0.0;
    double value2 = 0.0;
    std::vector<float> samples;
};

double ParseNumber(const std::string& text) {
    double value = 0.0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    EXPECT_EQ(result.ec, std::errc{}) << text;
    return value;
}

double HeaderValue(const std::string& header, const std::string& key) {
    const size_t at = header.find(key + "=");
    EXPECT_NE(at, std::string::npos) << key;
    const size_t start = at + key.size() + 1;
    return ParseNumber(header.substr(start, header.find(' ', start) - start));
}

// First line "# value1=... value2=... count=...", then the column title, then one sample a line.
Chromatogram ReadUniformSignal(const std::string& path) {
    std::ifstream in(path);
    EXPECT_TRUE(in) << path;
    Chromatogram chromatogram;
    std::string line;
    std::getline(in, line);
    chromatogram.value1 = HeaderValue(line, "value1");
    chromatogram.value2 = HeaderValue(line, "value2");
    const double count = HeaderValue(line, "count");
    std::getline(in, line);
    while (std::getline(in, line))
        if (!line.empty()) chromatogram.samples.push_back(static_cast<float>(ParseNumber(line)));
    EXPECT_EQ(chromatogram.samples.size(), static_cast<size_t>(count));
    return chromatogram;
}

TEST(Validation, PublishedChromatogramGivesKnownAverages) {
    const Chromatogram signal = ReadUniformSignal(QUORVEL_TEST_DATA "/gavrilov2015_uniform.csv");
    ASSERT_EQ(signal.samples.size(), 321u);

    // Molar masses of the published curve at the standards' times, rounded to 2 decimals.
    const double times[] = {14.2, 14.9, 15.6, 16.3, 17.0, 17.7, 18.4, 19.1};
    const double masses[] = {38618.19, 19962.09, 11742.16, 7257.45, 4389.54, 2481.78, 1306.74, 677.02};
    std::vector<TableItem> standards;
    for (int i = 0; i < 8; ++i) standards.push_back(Standard("PS" + std::to_string(i), times[i], masses[i]));
    const Assay calibrationRun = MakeAssay(14.0, 0.1, {0.0f}, standards);
    const Assay sample = MakeAssay(signal.value1, signal.value2, signal.samples, {},
                                   {RangePeak(signal.value1, signal.value1 + 320 * signal.value2)});

    CCalibration calibration;
    calibration.SetInputs(1.0, 0.0, CCalibration::kMonodisperse, 2, 0, {calibrationRun, sample}, {});
    const CalculationStatus status = calibration.Run();

    // The calibration run has no database peak to slice; the sample's averages are computed.
    EXPECT_EQ(status.assays, (std::vector<AssayOutcome>{AssayOutcome::NoPeaks, AssayOutcome::Calculated}));
    EXPECT_NEAR(calibration.results.Mn, 3340.38, 0.005);
    EXPECT_NEAR(calibration.results.Mw, 9787.92, 0.005);
    EXPECT_NEAR(calibration.results.Mn, 3298.23, 3298.23 * 0.02);
    EXPECT_NEAR(calibration.results.Mw, 9602.17, 9602.17 * 0.03);
    EXPECT_DOUBLE_EQ(calibration.results.MwMn, calibration.results.Mw / calibration.results.Mn);
}

}  // namespace
