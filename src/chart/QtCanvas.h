// Canvas over a QPainter: the chart's pens, brushes, shapes and text drawn with Qt, following the
// pixel rules of the chart painter (line ends excluded, right and bottom edges exclusive, null-pen
// shapes one pixel smaller). Fonts are looked up by face name ("Arial" is served by the metric-
// compatible Liberation Sans); a font height > 0 is the cell height in pixels.
#pragma once

#include "chart/Canvas.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPen>

#include <memory>

class QtCanvas : public Canvas {
public:
    // Draws with painter, which must stay active while the canvas is used.
    explicit QtCanvas(QPainter& target);
    // An off-screen canvas owning a width x height image filled with white.
    QtCanvas(int32_t width, int32_t height);
    ~QtCanvas() override;

    // The colour of a 0x00BBGGRR value.
    static QColor ToQColor(Colour colour);
    // The Qt font for a font description (face, size, weight, italic, underline, strike-out); the
    // escapement is applied when text is drawn.
    static QFont ToQFont(const FontDescription& description);

    void SelectPen(int32_t style, int32_t width, Colour colour) override;
    void SelectSolidBrush(Colour colour) override;
    void SelectNullBrush() override;
    void MoveTo(int32_t x, int32_t y) override;
    void LineTo(int32_t x, int32_t y) override;
    void Rectangle(int32_t left, int32_t top, int32_t right, int32_t bottom) override;
    void Ellipse(int32_t left, int32_t top, int32_t right, int32_t bottom) override;
    void FillRect(const ChartRect& rect, Colour colour) override;
    void SelectFont(const FontDescription& description) override;
    void SetTextAlign(uint32_t align) override;
    void SetTextColour(Colour colour) override;
    void SetTransparentBackground() override;
    void TextOut(int32_t x, int32_t y, const std::string& text) override;
    TextMetrics GetTextMetrics() override;
    TextSize GetTextExtent(const std::string& text) override;
    std::unique_ptr<Canvas> CreateCompatible(int32_t width, int32_t height) override;
    void CopyFrom(Canvas& offScreen, int32_t x, int32_t y) override;

private:
    // The normalised shape box in Qt's terms (inclusive corners), shrunk by one pixel each way
    // under a null pen; false when nothing is left to draw.
    bool ShapeBox(int32_t left, int32_t top, int32_t right, int32_t bottom, QRect& box) const;
    // Applies the selected pen and brush to the painter.
    void UsePenAndBrush(bool withBrush);

    std::unique_ptr<QImage> ownImage_;  // only for off-screen canvases
    std::unique_ptr<QPainter> ownPainter_;
    QPainter* painter_ = nullptr;
    QPen pen_;
    bool nullPen_ = false;
    QBrush brush_;
    FontDescription fontDescription_;
    QFont font_;
    uint32_t textAlign_ = AlignLeft | AlignTop;
    QColor textColour_ = Qt::black;
    bool transparentText_ = false;
    QPoint position_;
};
