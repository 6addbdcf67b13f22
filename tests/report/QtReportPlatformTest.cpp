// The chart picture drawn with Qt and saved as PNG, and a whole report written with it.
#include "ReportTestSupport.h"
#include "report/QtReportPlatform.h"

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QString>

#include <gtest/gtest.h>

namespace {

// The bytes of the picture the page's index-th data: URI carries; "" when there is none.
std::string DataUriBytes(const std::string& page, int index) {
    const std::string prefix = "src=\"data:image/png;base64,";
    std::string::size_type at = 0;
    for (int i = 0; i <= index; ++i) {
        at = page.find(prefix, i == 0 ? 0 : at + 1);
        if (at == std::string::npos) return {};
    }
    const std::string::size_type start = at + prefix.size();
    const QByteArray text = QByteArray::fromStdString(page.substr(start, page.find('"', start) - start));
    const auto decoded = QByteArray::fromBase64Encoding(text, QByteArray::AbortOnBase64DecodingErrors);
    return decoded ? decoded.decoded.toStdString() : std::string();
}

class QtReport : public testing::Test {
protected:
    QtReport() {
        builder.calibration = &report.calibration;
        builder.assays = &report.assays;
        builder.pointsList = &report.rows;
        report.calibration.curveX = {5.0, 10.0, 15.0};
        report.calibration.curveY = {5.5, 3.0, 0.5};
        report.calibration.pointX = {10.0, 12.0};
        report.calibration.pointY = {3.0, 2.0};
    }

    // How many pixels of the picture have exactly the colour.
    static int Count(const QImage& image, QColor colour) {
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixelColor(x, y) == colour) ++count;
        return count;
    }

    TempFolder folder;
    PreparedReport report;
    QtReportPlatform platform;
    ReportBuilder builder{platform, NoDocumentsFolder()};
};

TEST_F(QtReport, PictureIsThePngOfTheChart) {
    const std::string path = folder / "TempGraph.png";
    ASSERT_TRUE(platform.SavePicture(
        ReportBuilder::kPictureWidth, ReportBuilder::kPictureHeight,
        [&](Canvas& surface) { builder.RenderChart(surface); }, path));
    QImage picture;
    ASSERT_TRUE(picture.load(QString::fromStdString(path), "PNG"));
    EXPECT_EQ(picture.width(), 1000);
    EXPECT_EQ(picture.height(), 600);
    EXPECT_GT(Count(picture, QColor(255, 0, 0)), 500) << "the red curve";
    EXPECT_GT(Count(picture, QColor(0, 0, 255)), 100) << "blue crosses and captions";
    EXPECT_GT(Count(picture, QColor(255, 255, 255)), 400000) << "white background";
}

TEST_F(QtReport, PictureThatCannotBeSavedIsReported) {
    EXPECT_FALSE(platform.SavePicture(
        1000, 600, [](Canvas&) {}, folder / "missing/TempGraph.png"));
    EXPECT_FALSE(platform.SavePicture(
        0, 600, [](Canvas&) {}, folder / "empty.png"));
}

TEST_F(QtReport, WholeReportWithItsPicture) {
    report.assays = {ListedAssay(1, "/data/ps1000.chr", "ГПХ ТГФ", 1700000000)};
    report.rows = {PointsListRow{{"1 / ПС 1000", "10.00", "1000.00", "", ""}, true}};
    EXPECT_TRUE(builder.WriteReport(folder / "report.html", ShippedStylesheet()));
    QImage picture;
    ASSERT_TRUE(picture.load(QString::fromStdString(folder / "report.png"), "PNG"));
    EXPECT_EQ(picture.size(), QSize(1000, 600));
    const std::string page = FileBytes(folder / "report.html");
    EXPECT_EQ(page.find("file://"), std::string::npos) << "the page needs no picture file";
    EXPECT_EQ(DataUriBytes(page, 0), FileBytes(folder / "report.png"));
}

// The calibration picture and the last sample's distribution, both carried in the page as the very PNG
// files written beside it.
TEST_F(QtReport, PageCarriesBothPicturesAsTheirFiles) {
    SetCalculatedRun(report, "PS standards", "PS broad");
    ASSERT_TRUE(builder.WriteReport(folder / "report.html", ShippedStylesheet()));
    const std::string page = FileBytes(folder / "report.html");
    const std::string calibrationPicture = FileBytes(folder / "report.png");
    const std::string distributionPicture = FileBytes(folder / "report-distribution.png");
    EXPECT_EQ(DataUriBytes(page, 0), calibrationPicture);
    EXPECT_EQ(DataUriBytes(page, 1), distributionPicture);
    QImage picture;
    ASSERT_TRUE(picture.loadFromData(QByteArray::fromStdString(distributionPicture), "PNG"));
    EXPECT_EQ(picture.size(), QSize(1000, 600));
    EXPECT_GT(Count(picture, QColor(0, 0, 255)), 500) << "the blue differential and the captions";
    EXPECT_GT(Count(picture, QColor(0, 128, 0)), 500) << "the green cumulative";
}

}  // namespace
