// Tests of the Qt canvas on images: pixel rules, colours, fonts and turned text.
#include "chart/QtCanvas.h"

#include <gtest/gtest.h>

#include <QFontInfo>
#include <QImage>
#include <QPainter>

#include <string>

namespace {

// The box of all pixels that are not white; empty for a blank image.
QRect InkBox(const QImage& image) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255)) box |= QRect(x, y, 1, 1);
    return box;
}

// A white image with a canvas painting on it.
class QtCanvasTest : public testing::Test {
protected:
    void SetUp() override {
        image.fill(Qt::white);
        painter = std::make_unique<QPainter>(&image);
        canvas = std::make_unique<QtCanvas>(*painter);
    }

    // Finishes painting so that the pixels can be read.
    const QImage& Result() {
        canvas.reset();
        painter->end();
        return image;
    }

    QImage image{200, 200, QImage::Format_RGB32};
    std::unique_ptr<QPainter> painter;
    std::unique_ptr<QtCanvas> canvas;
};

TEST_F(QtCanvasTest, ColoursAreBlueGreenRed) {
    EXPECT_EQ(QtCanvas::ToQColor(0x0000FF), QColor(255, 0, 0));
    EXPECT_EQ(QtCanvas::ToQColor(0xFF0000), QColor(0, 0, 255));
    EXPECT_EQ(QtCanvas::ToQColor(0xBFBFBF), QColor(191, 191, 191));
    canvas->FillRect({10, 10, 20, 20}, 0xFF0000);
    const QImage& result = Result();
    EXPECT_EQ(result.pixel(10, 10), qRgb(0, 0, 255));
    EXPECT_EQ(result.pixel(19, 19), qRgb(0, 0, 255));
    EXPECT_EQ(result.pixel(20, 20), qRgb(255, 255, 255)) << "right and bottom are exclusive";
}

TEST_F(QtCanvasTest, LinesLeaveOutTheirEndPixel) {
    canvas->SelectPen(PenSolid, 0, 0x0000FF);
    canvas->MoveTo(2, 5);
    canvas->LineTo(10, 5);
    canvas->MoveTo(2, 20);
    canvas->LineTo(8, 26);
    canvas->SelectPen(PenNull, 1, 0);
    canvas->MoveTo(2, 40);
    canvas->LineTo(10, 40);
    const QImage& result = Result();
    EXPECT_EQ(result.pixel(2, 5), qRgb(255, 0, 0));
    EXPECT_EQ(result.pixel(9, 5), qRgb(255, 0, 0));
    EXPECT_EQ(result.pixel(10, 5), qRgb(255, 255, 255));
    EXPECT_EQ(result.pixel(7, 25), qRgb(255, 0, 0));
    EXPECT_EQ(result.pixel(8, 26), qRgb(255, 255, 255));
    EXPECT_EQ(result.pixel(5, 40), qRgb(255, 255, 255)) << "a null pen draws nothing";
}

TEST_F(QtCanvasTest, RectanglesOutlineAndFillAndShrinkWithoutPen) {
    canvas->SelectPen(PenSolid, 0, 0x000000);
    canvas->SelectSolidBrush(0x00FF00);
    canvas->Rectangle(10, 10, 20, 20);
    canvas->SelectPen(PenNull, 1, 0);
    canvas->Rectangle(40, 10, 50, 20);
    // Reversed corners describe the same rectangle.
    canvas->Rectangle(60, 20, 70, 10);
    const QImage& result = Result();
    EXPECT_EQ(result.pixel(10, 10), qRgb(0, 0, 0));
    EXPECT_EQ(result.pixel(19, 19), qRgb(0, 0, 0));
    EXPECT_EQ(result.pixel(15, 15), qRgb(0, 255, 0));
    EXPECT_EQ(result.pixel(20, 15), qRgb(255, 255, 255));
    EXPECT_EQ(result.pixel(40, 10), qRgb(0, 255, 0));
    EXPECT_EQ(result.pixel(48, 18), qRgb(0, 255, 0));
    EXPECT_EQ(result.pixel(49, 18), qRgb(255, 255, 255)) << "one pixel less without a pen";
    EXPECT_EQ(result.pixel(60, 10), qRgb(0, 255, 0));
    EXPECT_EQ(result.pixel(69, 19), qRgb(255, 255, 255));
}

TEST_F(QtCanvasTest, EllipseStaysInItsBox) {
    canvas->SelectPen(PenSolid, 0, 0x000000);
    canvas->SelectNullBrush();
    canvas->Ellipse(8, 8, 13, 13);
    const QImage& result = Result();
    EXPECT_EQ(InkBox(result), QRect(8, 8, 5, 5));
    EXPECT_EQ(result.pixel(10, 10), qRgb(255, 255, 255)) << "hollow";
}

TEST_F(QtCanvasTest, ArialIsServedByLiberationSansAtTheCellHeight) {
    FontDescription font;
    font.face = "Arial";
    font.height = 25;
    EXPECT_EQ(QFontInfo(QtCanvas::ToQFont(font)).family(), "Liberation Sans");
    canvas->SelectFont(font);
    const TextMetrics metrics = canvas->GetTextMetrics();
    EXPECT_NEAR(metrics.height, 25, 1);
    EXPECT_GT(metrics.ascent, metrics.height / 2);
    EXPECT_GT(metrics.aveCharWidth, 0);
    const TextSize size = canvas->GetTextExtent("LG(MM)");
    EXPECT_EQ(size.cy, metrics.height);
    EXPECT_GT(size.cx, 3 * metrics.aveCharWidth);
    EXPECT_EQ(canvas->GetTextExtent("").cx, 0);
    font.height = -20;
    EXPECT_EQ(QtCanvas::ToQFont(font).pixelSize(), 20);
    font.weight = 700;
    EXPECT_EQ(QtCanvas::ToQFont(font).weight(), QFont::Bold);
    font.weight = 0;
    EXPECT_EQ(QtCanvas::ToQFont(font).weight(), QFont::Normal);
}

TEST_F(QtCanvasTest, TextIsPlacedByItsAlignment) {
    FontDescription font{20, 0, 0, 0, 400, 0, 0, 0, 1, 0, 0, 0, 0, "Arial"};
    canvas->SelectFont(font);
    canvas->SetTransparentBackground();
    canvas->SetTextAlign(AlignRight | AlignBottom);
    canvas->TextOut(150, 60, "Время");
    const QImage& result = Result();
    const QRect box = InkBox(result);
    ASSERT_FALSE(box.isEmpty());
    EXPECT_LE(box.right(), 150);
    EXPECT_GE(box.right(), 145);
    EXPECT_LE(box.bottom(), 60);
    EXPECT_GT(box.width(), box.height()) << "horizontal text";
}

TEST_F(QtCanvasTest, Escapement900ReadsUpwardsFromTheReferencePoint) {
    FontDescription font{20, 0, 900, 900, 400, 0, 0, 0, 1, 0, 0, 0, 0, "Arial"};
    canvas->SelectFont(font);
    canvas->SetTransparentBackground();
    canvas->SetTextAlign(AlignRight | AlignTop);
    canvas->TextOut(50, 20, "LG(MM)");
    const TextSize size = canvas->GetTextExtent("LG(MM)");
    const QImage& result = Result();
    const QRect box = InkBox(result);
    ASSERT_FALSE(box.isEmpty());
    EXPECT_GT(box.height(), box.width()) << "turned a quarter";
    EXPECT_GE(box.left(), 49);
    EXPECT_LE(box.right(), 50 + size.cy);
    EXPECT_GE(box.top(), 19);
    EXPECT_LE(box.bottom(), 20 + size.cx);
}

// Ink pixels in one row of the image.
int InkInRow(const QImage& image, int y) {
    int ink = 0;
    for (int x = 0; x < image.width(); ++x) ink += image.pixel(x, y) != qRgb(255, 255, 255);
    return ink;
}

TEST_F(QtCanvasTest, TurnedTextIsCounterClockwise) {
    canvas->SelectFont(FontDescription{40, 0, 900, 900, 400, 0, 0, 0, 1, 0, 0, 0, 0, "Arial"});
    canvas->SetTransparentBackground();
    canvas->TextOut(100, 100, "L");
    const QImage& result = Result();
    const QRect box = InkBox(result);
    ASSERT_FALSE(box.isEmpty());
    // Reading upwards, the stem of the L lies along the bottom and its foot rises at one side.
    EXPECT_GT(InkInRow(result, box.bottom()), 2 * InkInRow(result, box.top()));
}

TEST_F(QtCanvasTest, OpaqueTextFillsItsCellTransparentDoesNot) {
    canvas->FillRect({0, 0, 200, 200}, 0x000000);
    canvas->SelectFont(FontDescription{20, 0, 0, 0, 400, 0, 0, 0, 1, 0, 0, 0, 0, "Arial"});
    canvas->SetTextColour(0x0000FF);
    canvas->SetTextAlign(AlignLeft | AlignTop);
    canvas->TextOut(10, 10, "ii");
    canvas->SetTransparentBackground();
    canvas->TextOut(10, 100, "ii");
    const QImage& result = Result();
    int whiteAbove = 0, whiteBelow = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 60; ++x) {
            whiteAbove += result.pixel(x, y) == qRgb(255, 255, 255);
            whiteBelow += result.pixel(x, y + 90) == qRgb(255, 255, 255);
        }
    EXPECT_GT(whiteAbove, 50);
    EXPECT_EQ(whiteBelow, 0);
}

TEST_F(QtCanvasTest, OffScreenSurfaceIsCopiedWhole) {
    std::unique_ptr<Canvas> offScreen = canvas->CreateCompatible(30, 20);
    ASSERT_NE(offScreen, nullptr);
    offScreen->FillRect({0, 0, 30, 20}, 0x0000FF);
    canvas->CopyFrom(*offScreen, 100, 50);
    EXPECT_EQ(canvas->CreateCompatible(0, 10), nullptr);
    const QImage& result = Result();
    EXPECT_EQ(InkBox(result), QRect(100, 50, 30, 20));
    EXPECT_EQ(result.pixel(100, 50), qRgb(255, 0, 0));
}

}  // namespace
