// The chart Canvas drawn with QPainter.
#include "chart/QtCanvas.h"

#include <QFontMetrics>
#include <QFontMetricsF>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

// Cell height of a font whose height field is 0.
constexpr int32_t kDefaultCellHeight = 16;

Qt::PenStyle ToQtPenStyle(int32_t style) {
    switch (style) {
    case PenDash: return Qt::DashLine;
    case PenDot: return Qt::DotLine;
    case PenDashDot: return Qt::DashDotLine;
    case PenDashDotDot: return Qt::DashDotDotLine;
    case PenNull: return Qt::NoPen;
    default: return Qt::SolidLine;
    }
}

// The pixel size (em height) that gives a font the requested cell height (ascent + descent).
int ToPixelSize(QFont font, int32_t cellHeight) {
    constexpr int kProbeSize = 1000;
    font.setPixelSize(kProbeSize);
    const QFontMetricsF probe(font);
    const double cellPerEm = (probe.ascent() + probe.descent()) / kProbeSize;
    return std::max(1, static_cast<int>(std::lround(cellPerEm > 0 ? cellHeight / cellPerEm : cellHeight)));
}

}  // namespace

QtCanvas::QtCanvas(QPainter& target) : painter_(&target) {
    SelectPen(PenSolid, 0, 0);
    SelectSolidBrush(0xFFFFFF);
    SelectFont(FontDescription{});
}

QtCanvas::QtCanvas(int32_t width, int32_t height)
    : ownImage_(std::make_unique<QImage>(width, height, QImage::Format_RGB32)) {
    ownImage_->fill(Qt::white);
    ownPainter_ = std::make_unique<QPainter>(ownImage_.get());
    painter_ = ownPainter_.get();
    SelectPen(PenSolid, 0, 0);
    SelectSolidBrush(0xFFFFFF);
    SelectFont(FontDescription{});
}

QtCanvas::~QtCanvas() = default;

QColor QtCanvas::ToQColor(Colour colour) { return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF); }

QFont QtCanvas::ToQFont(const FontDescription& description) {
    // Arial itself is not installed; Liberation Sans has the same metrics.
    static const bool substituted = [] {
        QFont::insertSubstitution("Arial", "Liberation Sans");
        return true;
    }();
    (void)substituted;
    QFont font(QString::fromStdString(description.face.empty() ? std::string("Arial") : description.face));
    font.setStyleHint(QFont::SansSerif);
    if (description.height < 0)
        font.setPixelSize(std::max(1, -description.height));
    else
        font.setPixelSize(ToPixelSize(font, description.height > 0 ? description.height : kDefaultCellHeight));
    font.setWeight(static_cast<QFont::Weight>(description.weight <= 0 ? 400 : std::min(description.weight, 1000)));
    font.setItalic(description.italic != 0);
    font.setUnderline(description.underline != 0);
    font.setStrikeOut(description.strikeOut != 0);
    return font;
}

void QtCanvas::SelectPen(int32_t style, int32_t width, Colour colour) {
    nullPen_ = style == PenNull;
    pen_ = QPen(ToQColor(colour));
    pen_.setStyle(ToQtPenStyle(style));
    if (width <= 1) {
        // A one-pixel pen with flat caps leaves out the end pixel of each line.
        pen_.setWidth(0);
        pen_.setCapStyle(Qt::FlatCap);
        pen_.setJoinStyle(Qt::MiterJoin);
    } else {
        pen_.setWidth(width);
        pen_.setCapStyle(Qt::RoundCap);
        pen_.setJoinStyle(Qt::RoundJoin);
    }
}

void QtCanvas::SelectSolidBrush(Colour colour) { brush_ = QBrush(ToQColor(colour)); }

void QtCanvas::SelectNullBrush() { brush_ = QBrush(Qt::NoBrush); }

void QtCanvas::MoveTo(int32_t x, int32_t y) { position_ = QPoint(x, y); }

void QtCanvas::LineTo(int32_t x, int32_t y) {
    const QPoint end(x, y);
    if (!nullPen_ && end != position_) {
        painter_->setPen(pen_);
        painter_->drawLine(position_, end);
    }
    position_ = end;
}

bool QtCanvas::ShapeBox(int32_t left, int32_t top, int32_t right, int32_t bottom, QRect& box) const {
    if (left > right) std::swap(left, right);
    if (top > bottom) std::swap(top, bottom);
    if (nullPen_) {
        --right;
        --bottom;
    }
    if (right <= left || bottom <= top) return false;
    box = QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
    return true;
}

void QtCanvas::UsePenAndBrush(bool withBrush) {
    painter_->setPen(nullPen_ ? QPen(Qt::NoPen) : pen_);
    painter_->setBrush(withBrush ? brush_ : QBrush(Qt::NoBrush));
}

void QtCanvas::Rectangle(int32_t left, int32_t top, int32_t right, int32_t bottom) {
    QRect box;
    if (!ShapeBox(left, top, right, bottom, box)) return;
    if (brush_.style() != Qt::NoBrush) painter_->fillRect(box, brush_);
    if (nullPen_) return;
    UsePenAndBrush(false);
    painter_->drawRect(box.adjusted(0, 0, -1, -1));
}

void QtCanvas::Ellipse(int32_t left, int32_t top, int32_t right, int32_t bottom) {
    QRect box;
    if (!ShapeBox(left, top, right, bottom, box)) return;
    UsePenAndBrush(true);
    painter_->drawEllipse(nullPen_ ? box : box.adjusted(0, 0, -1, -1));
}

void QtCanvas::FillRect(const ChartRect& rect, Colour colour) {
    if (rect.Width() <= 0 || rect.Height() <= 0) return;
    painter_->fillRect(QRect(rect.left, rect.top, rect.Width(), rect.Height()), ToQColor(colour));
}

void QtCanvas::SelectFont(const FontDescription& description) {
    fontDescription_ = description;
    font_ = ToQFont(description);
}

void QtCanvas::SetTextAlign(uint32_t align) { textAlign_ = align; }

void QtCanvas::SetTextColour(Colour colour) { textColour_ = ToQColor(colour); }

void QtCanvas::SetTransparentBackground() { transparentText_ = true; }

void QtCanvas::TextOut(int32_t x, int32_t y, const std::string& text) {
    if (text.empty()) return;
    const QString s = QString::fromStdString(text);
    const QFontMetrics metrics(font_, painter_->device());
    const int width = metrics.horizontalAdvance(s);
    int dx = 0;
    if ((textAlign_ & kHorizontalAlignMask) == AlignCenter)
        dx = -width / 2;
    else if ((textAlign_ & kHorizontalAlignMask) == AlignRight)
        dx = -width;
    int baseline = metrics.ascent();
    if ((textAlign_ & kVerticalAlignMask) == AlignBaseline)
        baseline = 0;
    else if ((textAlign_ & kVerticalAlignMask) == AlignBottom)
        baseline = -metrics.descent();
    painter_->save();
    // The text is laid out around the reference point, then turned by the escapement
    // (counter-clockwise on screen, where y grows downwards).
    painter_->translate(x, y);
    if (fontDescription_.escapement != 0) painter_->rotate(-fontDescription_.escapement / 10.0);
    if (!transparentText_) {
        const QRect cell(dx, baseline - metrics.ascent(), width, metrics.ascent() + metrics.descent());
        painter_->fillRect(cell, Qt::white);
    }
    painter_->setFont(font_);
    painter_->setPen(textColour_);
    painter_->drawText(QPoint(dx, baseline), s);
    painter_->restore();
}

TextMetrics QtCanvas::GetTextMetrics() {
    const QFontMetrics metrics(font_, painter_->device());
    return {metrics.ascent() + metrics.descent(), metrics.ascent(), metrics.averageCharWidth()};
}

TextSize QtCanvas::GetTextExtent(const std::string& text) {
    const QFontMetrics metrics(font_, painter_->device());
    return {metrics.horizontalAdvance(QString::fromStdString(text)), metrics.ascent() + metrics.descent()};
}

std::unique_ptr<Canvas> QtCanvas::CreateCompatible(int32_t width, int32_t height) {
    if (width <= 0 || height <= 0) return nullptr;
    return std::make_unique<QtCanvas>(width, height);
}

void QtCanvas::CopyFrom(Canvas& offScreen, int32_t x, int32_t y) {
    auto* source = dynamic_cast<QtCanvas*>(&offScreen);
    if (!source || !source->ownImage_) return;
    // The image is complete only once its painter has finished.
    source->ownPainter_->end();
    painter_->drawImage(QPoint(x, y), *source->ownImage_);
    source->ownPainter_->begin(source->ownImage_.get());
}
