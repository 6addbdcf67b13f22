// Tests of the value-to-pixel maps.
#include "chart/CAutoCoordObject.h"
#include "chart/ChartMath.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

namespace {

struct MapCase {
    const char* name;
    bool polar;
    double x, y;
    int32_t xOffset, yOffset;
    int32_t expectedX, expectedY;
};

class Maps : public testing::TestWithParam<MapCase> {};

// Plot 101 x 101 pixels at (10, 20), both axes 0 .. 10: one value unit is ten pixels.
TEST_P(Maps, PlaceValuesOnPixels) {
    const MapCase& c = GetParam();
    CAutoCoordObject object;
    object.rect = {10, 20, 111, 121};
    object.xMin = object.yMin = 0.0;
    object.xMax = object.yMax = 10.0;
    object.xOffset = c.xOffset;
    object.yOffset = c.yOffset;
    if (c.polar) {
        object.mapX = &CAutoCoordObject::MapPolarX;
        object.mapY = &CAutoCoordObject::MapPolarY;
    }
    EXPECT_EQ(object.mapX(object, c.x, c.y), c.expectedX);
    EXPECT_EQ(object.mapY(object, c.x, c.y), c.expectedY);
}

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Cases, Maps,
    testing::Values(MapCase{"LowEnds", false, 0, 0, 0, 0, 10, 120}, MapCase{"HighEnds", false, 10, 10, 0, 0, 110, 20},
                    MapCase{"HalfPixelGoesDown", false, 0.05, 0.05, 0, 0, 10, 120},
                    MapCase{"JustAboveHalfGoesUp", false, 0.051, 0.051, 0, 0, 11, 119},
                    MapCase{"OffsetsShift", false, 5, 5, 3, -2, 63, 68},
                    MapCase{"OutsideTheRangeIsNotLimited", false, -5, 20, 0, 0, -40, -80},
                    MapCase{"PolarAlongX", true, 0, 5, 0, 0, 60, 120},
                    MapCase{"PolarAlongY", true, std::numbers::pi / 2, 5, 0, 0, 10, 70},
                    MapCase{"NaNLandsFarOut", false, kNaN, kNaN, 0, 0, kFarPixel, kFarPixel},
                    MapCase{"InfinityLandsFarOut", false, kInf, kInf, 0, 0, kFarPixel, -kFarPixel}),
    [](const testing::TestParamInfo<MapCase>& info) { return std::string(info.param.name); });

TEST(Maps, EmptyRangeGivesPixelZero) {
    CAutoCoordObject object;
    object.rect = {10, 20, 111, 121};
    object.xMin = object.xMax = 3.0;
    object.yMin = object.yMax = 3.0;
    EXPECT_EQ(object.mapX(object, 3.0, 3.0), 0);
    EXPECT_EQ(object.mapY(object, 3.0, 3.0), 0);
}

TEST(Maps, FixedRangesAreDataValuesShownAsLogarithmsOnLogAxes) {
    CAutoCoordObject object;
    object.fixedXMin = 10.0;
    object.fixedXMax = 1000.0;
    object.fixedYMin = 10.0;
    object.fixedYMax = 1000.0;
    object.flags = CAutoCoordObject::kFlagLogY;
    object.UseFixedXRange();
    object.UseFixedYRange();
    EXPECT_DOUBLE_EQ(object.xMin, 10.0);
    EXPECT_DOUBLE_EQ(object.xMax, 1000.0);
    EXPECT_DOUBLE_EQ(object.yMin, 1.0);
    EXPECT_DOUBLE_EQ(object.yMax, 3.0);
    EXPECT_DOUBLE_EQ(object.DataYFromAxis(2.0), 100.0);
    EXPECT_DOUBLE_EQ(object.DataXFromAxis(2.0), 2.0);
}

}  // namespace
