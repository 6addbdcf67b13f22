// The calibration and distribution charts drawn into 1000 x 600 pictures, saved as PNG and checked at a
// few pixels.
#include "chart/CalibrationChart.h"
#include "chart/DistributionChart.h"
#include "chart/QtCanvas.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include <cmath>
#include <string>
#include <vector>

namespace {

// A typical column: lg M falls from about 6 to 2 over 12 .. 22 minutes.
double LgM(double minutes) { return 12.0 - 0.55 * minutes + 0.004 * minutes * minutes; }

bool IsRed(QRgb p) { return qRed(p) > 200 && qGreen(p) < 80 && qBlue(p) < 80; }
bool IsBlue(QRgb p) { return qBlue(p) > 150 && qRed(p) < 100 && qGreen(p) < 100; }
bool IsGreen(QRgb p) { return qGreen(p) > 100 && qRed(p) < 80 && qBlue(p) < 80; }

int CountPixels(const QImage& image, const QRect& area, bool (*test)(QRgb)) {
    int found = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) found += test(image.pixel(x, y));
    return found;
}

// Draws panel straight onto a 1000 x 600 image, as the report does, and saves it in the test's build
// folder under name.
QImage DrawAndSave(CAutoPanel& panel, const std::string& name) {
    QImage image(1000, 600, QImage::Format_RGB32);
    image.fill(Qt::black);
    {
        QPainter painter(&image);
        QtCanvas canvas(painter);
        panel.Draw(canvas, {0, 0, 1000, 600}, false);
    }
    const std::string path = std::string(CHART_PICTURE_DIR) + "/" + name;
    EXPECT_TRUE(image.save(QString::fromStdString(path), "PNG")) << path;
    return image;
}

// Draws the calibration chart as the report does (1000 x 600, straight onto the image), saves it
// as calibration_chart.png in the test's build folder and checks what must be where.
TEST(CalibrationPicture, ShowsTheCurveThroughTheCrossesWithCaptionsAndLabels) {
    std::vector<double> curveX, curveY;
    for (int i = 0; i <= 100; ++i) {
        curveX.push_back(12.0 + i * 0.1);
        curveY.push_back(LgM(curveX.back()));
    }
    const std::vector<double> pointX{12.5, 13.6, 14.8, 16.1, 17.3, 18.6, 19.9, 21.2};
    const std::vector<double> scatter{0.04, -0.03, 0.05, -0.02, 0.03, -0.05, 0.02, -0.04};
    std::vector<double> pointY;
    for (size_t i = 0; i < pointX.size(); ++i) pointY.push_back(LgM(pointX[i]) + scatter[i]);

    CAutoPanel panel;
    SetUpCalibrationChart(panel, "Время [мин]", "LG(MM)");
    ShowCalibration(panel, curveX, curveY, pointX, pointY);

    const QImage image = DrawAndSave(panel, "calibration_chart.png");

    const ChartRect& plot = panel.rect;
    EXPECT_GT(plot.Width(), 800);
    EXPECT_GT(plot.Height(), 450);
    const auto pixelAt = [&](double x, double y) {
        return image.pixel(panel.mapX(panel, x, y), panel.mapY(panel, x, y));
    };
    for (size_t i : {8, 32, 60, 86}) EXPECT_TRUE(IsRed(pixelAt(curveX[i], curveY[i]))) << "curve sample " << i;
    for (size_t i = 0; i < pointX.size(); ++i) EXPECT_TRUE(IsBlue(pixelAt(pointX[i], pointY[i]))) << "cross " << i;
    EXPECT_EQ(image.pixel(plot.left - 1, plot.top + 100), qRgb(0, 0, 0)) << "left side of the frame";
    EXPECT_EQ(image.pixel(plot.right, plot.top + 100), qRgb(0, 0, 0)) << "right side of the frame";
    EXPECT_EQ(image.pixel(plot.left + 300, plot.top - 1), qRgb(0, 0, 0)) << "top side of the frame";
    EXPECT_EQ(image.pixel(plot.left + 300, plot.top + 50), qRgb(255, 255, 255)) << "plot background";
    EXPECT_EQ(image.pixel(0, 0), qRgb(255, 255, 255)) << "outer background";
    EXPECT_GT(CountPixels(image, QRect(750, 570, 250, 30), IsBlue), 100) << "horizontal caption";
    EXPECT_GT(CountPixels(image, QRect(0, 0, 35, 150), IsBlue), 100) << "vertical caption";
    const auto isInk = [](QRgb p) { return qGray(p) < 100; };
    EXPECT_GT(CountPixels(image, QRect(plot.left, plot.bottom + 8, plot.Width(), 15), +isInk), 100) << "x labels";
    EXPECT_GT(CountPixels(image, QRect(plot.left - 40, plot.top, 35, plot.Height()), +isInk), 100) << "y labels";
}

// A log-normal distribution over lg M 3 .. 6: the differential line (blue) and the cumulative
// (green) pass through their own values, and the cumulative reaches the top of its 0 .. 1 range.
TEST(DistributionPicture, ShowsTheDifferentialAndTheCumulativeOnOneAxis) {
    std::vector<double> lgM, w, cumulative;
    for (int i = 0; i <= 300; ++i) {
        lgM.push_back(3.0 + i * 0.01);
        const double z = (lgM.back() - 4.5) / 0.4;
        w.push_back(std::exp(-0.5 * z * z) / (0.4 * std::sqrt(2.0 * M_PI)));
        cumulative.push_back(0.5 * std::erfc(-z / std::sqrt(2.0)));
    }
    CAutoPanel panel;
    SetUpDistributionChart(panel, kDistributionXCaption, kDistributionYCaption);
    ShowDistribution(panel, lgM, w, cumulative);
    const QImage image = DrawAndSave(panel, "distribution_chart.png");

    const auto pixelAt = [&](double x, double y) {
        return image.pixel(panel.mapX(panel, x, y), panel.mapY(panel, x, y));
    };
    for (size_t i : {60, 130, 150, 170, 240}) {
        EXPECT_TRUE(IsBlue(pixelAt(lgM[i], w[i]))) << "differential at lg M " << lgM[i];
        EXPECT_TRUE(IsGreen(pixelAt(lgM[i], cumulative[i]))) << "cumulative at lg M " << lgM[i];
    }
    const ChartRect& plot = panel.rect;
    EXPECT_GT(CountPixels(image, QRect(plot.right - 60, plot.top, 60, plot.Height() / 4), IsGreen), 30)
        << "the cumulative ends high on the right";
    EXPECT_GT(CountPixels(image, QRect(750, 570, 250, 30), IsBlue), 100) << "horizontal caption";
}

}  // namespace
