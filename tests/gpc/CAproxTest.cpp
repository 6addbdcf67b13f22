// Least-squares fit: small exact systems, the degree limits and singular input.
#include "gpc/CAprox.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

namespace {

CAprox FitOf(const std::vector<CAprox::Point>& points, int32_t degree) {
    CAprox aprox;
    aprox.points = points;
    aprox.degree = degree;
    aprox.Fit();
    return aprox;
}

struct FitCase {
    const char* name;
    std::vector<CAprox::Point> points;
    int32_t degree;
    std::vector<double> expected;  // c0, c1, ...; every later coefficient must be exactly 0
};

class CAproxFit : public testing::TestWithParam<FitCase> {};

TEST_P(CAproxFit, GivesCoefficientsAndZeroAboveDegree) {
    const FitCase& c = GetParam();
    CAprox aprox;
    aprox.coefficients.fill(9.0);  // left over from an earlier fit
    aprox.points = c.points;
    aprox.degree = c.degree;
    aprox.Fit();
    for (size_t k = 0; k < aprox.coefficients.size(); ++k) {
        if (k < c.expected.size())
            EXPECT_NEAR(aprox.coefficients[k], c.expected[k], 1e-9) << "c" << k;
        else
            EXPECT_EQ(aprox.coefficients[k], 0.0) << "c" << k;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CAproxFit,
    testing::Values(FitCase{"TwoPointsLine", {{1, 2}, {3, 6}}, 1, {0.0, 2.0}},
                    FitCase{"SinglePointConstant", {{4, 7}}, 0, {7.0}},
                    FitCase{"SeveralPointsMean", {{1, 2}, {2, 4}, {3, 9}}, 0, {5.0}},
                    FitCase{"ExactCubic", {{1, 2.5}, {2, 5}, {3, 11.5}, {4, 25}, {5, 48.5}}, 3, {1.0, 2.0, -1.0, 0.5}},
                    // The (0, 0) slot adds pow(0, 0) = 1 to the first sum and pulls the line towards the origin.
                    FitCase{"UntouchedSlotTakesPart", {{0, 0}, {1, 3}, {3, 7}}, 1, {2.0 / 7.0, 16.0 / 7.0}},
                    FitCase{"DegreeMinusOneIsZero", {{1, 2}, {3, 6}}, -1, {}},
                    FitCase{"DegreeBelowMinusOneIsZero", {{1, 2}, {3, 6}}, -7, {}}),
    [](const testing::TestParamInfo<FitCase>& info) { return std::string(info.param.name); });

TEST(CAprox, DegreeAboveTwentyFitsAsTwenty) {
    std::vector<CAprox::Point> points;
    for (int i = 0; i < 25; ++i) points.push_back({0.1 * i, 1.0 + 0.5 * i});
    const CAprox high = FitOf(points, 25);
    const CAprox twenty = FitOf(points, 20);
    // Bit for bit, so that NaN coefficients of this ill-conditioned system compare too.
    EXPECT_EQ(std::memcmp(high.coefficients.data(), twenty.coefficients.data(), sizeof high.coefficients), 0);
}

TEST(CAprox, SharedAbscissaGivesNonFiniteLine) {
    const CAprox aprox = FitOf({{2, 1}, {2, 3}}, 1);
    EXPECT_FALSE(std::isfinite(aprox.coefficients[0]));
    EXPECT_FALSE(std::isfinite(aprox.coefficients[1]));
    EXPECT_EQ(aprox.coefficients[2], 0.0);
}

}  // namespace
