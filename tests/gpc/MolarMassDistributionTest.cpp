// The distribution of slices: the Jacobian, the order, the normalisation, and the slices left out.
#include "gpc/MolarMassDistribution.h"

#include <gtest/gtest.h>

#include <limits>
#include <ostream>
#include <string>
#include <vector>

namespace {

// One slice as AddSlice takes it.
struct DistributionSlice {
    double lgM;
    double height;
    double slope;
};

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

// Slices 0, 1, 2, 1 at lg M 3, 2.75, 2.5, 2.25 (the line lg M = 8 - 0.5 T, 0.5 min apart): w before
// normalising 0, 2, 4, 2 over steps of 0.25, area 0.75 + 0.75 + 0.25 = 1.75.
const std::vector<double> kLineLgM = {2.25, 2.5, 2.75, 3.0};
const std::vector<double> kLineW = {8.0 / 7, 16.0 / 7, 8.0 / 7, 0.0};
const std::vector<double> kLineCumulative = {0.0, 3.0 / 7, 6.0 / 7, 1.0};

std::vector<DistributionSlice> LineSlices() {
    return {{3.0, 0.0, -0.5}, {2.75, 1.0, -0.5}, {2.5, 2.0, -0.5}, {2.25, 1.0, -0.5}};
}

std::vector<DistributionSlice> LineSlicesWith(std::vector<DistributionSlice> extra) {
    std::vector<DistributionSlice> slices = LineSlices();
    slices.insert(slices.begin() + 2, extra.begin(), extra.end());
    return slices;
}

struct DistributionCase {
    const char* name;
    std::vector<DistributionSlice> slices;
    std::vector<double> lgM;  // all three empty: no distribution
    std::vector<double> w;
    std::vector<double> cumulative;
};

std::ostream& operator<<(std::ostream& out, const DistributionCase& c) { return out << c.name; }

class Distribution : public testing::TestWithParam<DistributionCase> {};

TEST_P(Distribution, IsWorkedOutByHand) {
    const DistributionCase& c = GetParam();
    MolarMassDistribution d;
    for (const DistributionSlice& slice : c.slices) AddSlice(d, slice.lgM, slice.height, slice.slope);
    Normalise(d);
    ASSERT_EQ(d.lgM.size(), c.lgM.size());
    ASSERT_EQ(d.w.size(), c.w.size());
    ASSERT_EQ(d.cumulative.size(), c.cumulative.size());
    for (size_t i = 0; i < c.lgM.size(); ++i) {
        EXPECT_DOUBLE_EQ(d.lgM[i], c.lgM[i]) << i;
        EXPECT_NEAR(d.w[i], c.w[i], 1e-12) << i;
        EXPECT_NEAR(d.cumulative[i], c.cumulative[i], 1e-12) << i;
    }
    if (!c.lgM.empty()) {
        EXPECT_EQ(d.cumulative.front(), 0.0);
        EXPECT_EQ(d.cumulative.back(), 1.0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Distribution,
    testing::Values(DistributionCase{"FallingCalibrationComesOutAscending", LineSlices(), kLineLgM, kLineW,
                                     kLineCumulative},
                    DistributionCase{"RisingCalibrationCountsTheSlopesSize",
                                     {{2.25, 1.0, 0.5}, {2.5, 2.0, 0.5}, {2.75, 1.0, 0.5}, {3.0, 0.0, 0.5}},
                                     kLineLgM,
                                     kLineW,
                                     kLineCumulative},
                    DistributionCase{"SlicesInAnyOrderAreSorted",
                                     {{2.5, 2.0, -0.5}, {3.0, 0.0, -0.5}, {2.25, 1.0, -0.5}, {2.75, 1.0, -0.5}},
                                     kLineLgM,
                                     kLineW,
                                     kLineCumulative},
                    // lg M = 4 - u + 0.2 u^2 (u = T - 10) at u = 0, 0.5, 1, 1.5: w before normalising 0, 1.25, 10/3,
                    // 2.5 over steps 0.45, 0.35, 0.25, area 9/32 + 77/96 + 35/48 = 29/16.
                    DistributionCase{"SlopeVariesAcrossTheSlices",
                                     {{4.0, 0.0, -1.0}, {3.55, 1.0, -0.8}, {3.2, 2.0, -0.6}, {2.95, 1.0, -0.4}},
                                     {2.95, 3.2, 3.55, 4.0},
                                     {40.0 / 29, 160.0 / 87, 20.0 / 29, 0.0},
                                     {0.0, 35.0 / 87, 49.0 / 58, 1.0}},
                    DistributionCase{"ZeroOrNonFiniteSlopeAndNonFiniteLgMLeftOut",
                                     LineSlicesWith({{2.6, 100.0, 0.0},
                                                     {2.6, 100.0, -0.0},
                                                     {2.6, 100.0, kNaN},
                                                     {2.6, 100.0, -kInf},
                                                     {kNaN, 100.0, -0.5},
                                                     {kInf, 100.0, -0.5}}),
                                     kLineLgM, kLineW, kLineCumulative},
                    // Below the baseline a slice weighs negative, as it counts in the averages.
                    DistributionCase{"NegativeHeightKept",
                                     {{2.0, -1.0, -1.0}, {3.0, 3.0, -1.0}, {4.0, 1.0, -1.0}},
                                     {2.0, 3.0, 4.0},
                                     {-1.0 / 3, 1.0, 1.0 / 3},
                                     {0.0, 1.0 / 3, 1.0}},
                    DistributionCase{"NoSlice", {}, {}, {}, {}},
                    DistributionCase{"OneSliceHasNoArea", {{3.0, 1.0, -0.5}}, {}, {}, {}},
                    DistributionCase{"OneSliceLeftHasNoArea", {{3.0, 1.0, -0.5}, {2.5, 1.0, 0.0}}, {}, {}, {}},
                    DistributionCase{"ZeroHeights", {{3.0, 0.0, -0.5}, {2.5, 0.0, -0.5}}, {}, {}, {}},
                    DistributionCase{"NegativeArea", {{3.0, -1.0, -0.5}, {2.5, -1.0, -0.5}}, {}, {}, {}},
                    DistributionCase{"SameLgMEverywhere", {{3.0, 1.0, -0.5}, {3.0, 2.0, -0.5}}, {}, {}, {}}),
    [](const testing::TestParamInfo<DistributionCase>& info) { return std::string(info.param.name); });

}  // namespace
