// The chart widget: paint, zoom drag, scroll bars, mouse forwarding and notifications.
#include "chart/CAutoCtrl.h"

#include "chart/ChartMath.h"
#include "chart/QtCanvas.h"

#include <QCoreApplication>
#include <QLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// Shows or hides the bar and, with a usable step, sets its range and thumb in steps:
// the range covers the part of the full extent outside the view, the thumb the view's offset
// (from the low end, or from the high end when fromTop).
bool UpdateBar(QScrollBar* bar, bool enabled, double fullMin, double fullMax, double min, double max, double step,
               bool fromTop) {
    const bool show = enabled && (fullMax > max || min > fullMin);
    const bool changed = bar->isHidden() == show;
    bar->setVisible(show);
    if (!(step > 0) || !std::isfinite(step)) return changed;
    const int32_t n = SaturatingInt32(std::ceil(((fullMax - fullMin) - (max - min)) / step));
    if (n > 0) {
        bar->setRange(0, n);
        bar->setValue(SaturatingInt32(std::ceil((fromTop ? fullMax - max : min - fullMin) / step)));
    }
    return changed;
}

int32_t ScrollActionOf(int sliderAction) {
    switch (sliderAction) {
    case QAbstractSlider::SliderSingleStepSub: return CAutoCtrl::ScrollLineBack;
    case QAbstractSlider::SliderSingleStepAdd: return CAutoCtrl::ScrollLineForward;
    case QAbstractSlider::SliderPageStepSub: return CAutoCtrl::ScrollPageBack;
    case QAbstractSlider::SliderPageStepAdd: return CAutoCtrl::ScrollPageForward;
    case QAbstractSlider::SliderMove: return CAutoCtrl::ScrollThumbTrack;
    default: return CAutoCtrl::ScrollEnd;
    }
}

}  // namespace

CAutoCtrl::CAutoCtrl(QWidget* parent) : QWidget(parent) {
    // The paint covers every pixel of the client area, so nothing is erased before it.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setAutoFillBackground(false);
    // Moves without a button held must arrive too: they end a drag whose release was missed.
    setMouseTracking(true);
    hBar_ = new QScrollBar(Qt::Horizontal, this);
    vBar_ = new QScrollBar(Qt::Vertical, this);
    hBar_->hide();
    vBar_->hide();
    connect(hBar_, &QAbstractSlider::actionTriggered, this, [this](int action) { OnBarAction(hBar_, action); });
    connect(vBar_, &QAbstractSlider::actionTriggered, this, [this](int action) { OnBarAction(vBar_, action); });
}

CAutoCtrl::~CAutoCtrl() = default;

bool CAutoCtrl::CreateInPlaceOf(QWidget* placeholder) {
    if (!placeholder || !placeholder->parentWidget()) return false;
    QWidget* parent = placeholder->parentWidget();
    const QRect geometry = placeholder->geometry();
    setParent(parent);
    setObjectName(placeholder->objectName());
    controlId = placeholder->property("controlId").toInt();
    if (parent->layout()) delete parent->layout()->replaceWidget(placeholder, this);
    setGeometry(geometry);
    delete placeholder;
    show();
    return true;
}

QRect CAutoCtrl::ClientRect() const {
    const int barWidth = vBar_->isHidden() ? 0 : vBar_->sizeHint().width();
    const int barHeight = hBar_->isHidden() ? 0 : hBar_->sizeHint().height();
    return QRect(0, 0, std::max(0, width() - barWidth), std::max(0, height() - barHeight));
}

void CAutoCtrl::LayoutScrollBars() {
    const QRect client = ClientRect();
    hBar_->setGeometry(0, client.height(), client.width(), height() - client.height());
    vBar_->setGeometry(client.width(), 0, width() - client.width(), client.height());
}

void CAutoCtrl::resizeEvent(QResizeEvent* event) {
    LayoutScrollBars();
    QWidget::resizeEvent(event);
}

void CAutoCtrl::RefreshRanges() {
    if (autoScaleX || trackFullX) {
        const ValueExtent x = ComputeXRange();
        fullXMin = x.min;
        fullXMax = x.max;
    }
    if (autoScaleY || trackFullY) {
        const ValueExtent y = ComputeYRange();
        fullYMin = y.min;
        fullYMax = y.max;
    }
    UpdateRanges();
}

void CAutoCtrl::UpdateScrollBars() {
    // The steps are those of the previous paint; a zero step leaves the bars' ranges alone.
    const bool hChanged = UpdateBar(hBar_, hScrollEnabled, fullXMin, fullXMax, xMin, xMax, xStep, false);
    const bool vChanged = UpdateBar(vBar_, vScrollEnabled, fullYMin, fullYMax, yMin, yMax, yStep, true);
    if (hChanged || vChanged) LayoutScrollBars();
}

void CAutoCtrl::paintEvent(QPaintEvent*) {
    RefreshRanges();
    UpdateScrollBars();
    QPainter painter(this);
    QtCanvas canvas(painter);
    const QRect client = ClientRect();
    Draw(canvas, ChartRect{client.left(), client.top(), client.right() + 1, client.bottom() + 1}, true);
    if (dragging) DrawRubberBand(painter);
}

void CAutoCtrl::DrawRubberBand(QPainter& painter) const {
    // Inverting the pixels keeps the band visible on any colour.
    painter.save();
    painter.setCompositionMode(QPainter::RasterOp_NotDestination);
    painter.setPen(QPen(Qt::black, 0));
    painter.setBrush(Qt::NoBrush);
    const QRect band = QRect(anchor, current).normalized();
    painter.drawRect(band.adjusted(0, 0, -1, -1));
    painter.restore();
}

bool CAutoCtrl::IsZoomButton(Qt::MouseButton button) const {
    return (zoomButton == 0 && button == Qt::LeftButton) || (zoomButton == 1 && button == Qt::RightButton);
}

void CAutoCtrl::Forward(const QMouseEvent* event) {
    QWidget* parent = parentWidget();
    if (!parent) return;
    QCoreApplication::postEvent(parent, new QMouseEvent(event->type(), event->position(), event->globalPosition(),
                                                        event->button(), event->buttons(), event->modifiers()));
}

void CAutoCtrl::mousePressEvent(QMouseEvent* event) {
    // Accepted here so that Qt does not hand the event to the parent a second time.
    event->accept();
    const bool forwarded =
        event->button() == Qt::LeftButton || event->button() == Qt::RightButton || event->button() == Qt::MiddleButton;
    if (IsZoomButton(event->button()) && zoomEnabled && !dragging) {
        anchor = current = event->position().toPoint();
        dragging = true;
        update();
        return;
    }
    if (forwarded) Forward(event);
}

void CAutoCtrl::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (IsZoomButton(event->button()) && dragging) {
        FinishZoom();
        return;
    }
    if (event->button() == Qt::LeftButton || event->button() == Qt::RightButton || event->button() == Qt::MiddleButton)
        Forward(event);
}

void CAutoCtrl::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    const QPoint point = event->position().toPoint();
    if (dragging && point != current) {
        const Qt::MouseButton held = zoomButton == 0 ? Qt::LeftButton : Qt::RightButton;
        if (event->buttons() & held)
            current = point;
        else
            dragging = false;  // the button went up where this window could not see it
        update();
    }
    Forward(event);
}

void CAutoCtrl::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() == Qt::LeftButton) Forward(event);
}

void CAutoCtrl::FinishZoom() {
    dragging = false;
    update();
    if (std::abs(current.x() - anchor.x()) <= 2 || std::abs(current.y() - anchor.y()) <= 2) return;
    const ChartRect& plot = CAutoPanel::rect;
    const auto valueX = [&](int px) {
        return xMin + (px - xOffset - plot.left) * (xMax - xMin) / (plot.right - plot.left - 1);
    };
    const auto valueY = [&](int py) {
        return yMax - (py - yOffset - plot.top) * (yMax - yMin) / (plot.bottom - plot.top - 1);
    };
    if (ApplyZoom(valueX(anchor.x()), valueY(anchor.y()), valueX(current.x()), valueY(current.y())))
        SendNotify(kNotifyZoom);
}

bool CAutoCtrl::ApplyZoom(double x1, double y1, double x2, double y2) {
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
    const double xlo = std::max(x1, xMin);
    const double xhi = std::min(x2, xMax);
    const double ylo = std::max(y1, yMin);
    const double yhi = std::min(y2, yMax);
    const auto wideEnough = [](double lo, double hi) {
        return std::abs(hi - lo) * 100000 > std::max(std::abs(hi), std::abs(lo));
    };
    if (!wideEnough(xlo, xhi) || !wideEnough(ylo, yhi)) return false;
    FixXRange(xlo, xhi);
    FixYRange(ylo, yhi);
    update();
    return true;
}

void CAutoCtrl::FixXRange(double lo, double hi) {
    autoScaleX = !(lo < hi);
    if (autoScaleX) return;
    fixedXMin = DataXFromAxis(lo);
    fixedXMax = DataXFromAxis(hi);
    // Further actions before the next paint continue from the new view.
    UseFixedXRange();
}

void CAutoCtrl::FixYRange(double lo, double hi) {
    autoScaleY = !(lo < hi);
    if (autoScaleY) return;
    fixedYMin = DataYFromAxis(lo);
    fixedYMax = DataYFromAxis(hi);
    UseFixedYRange();
}

void CAutoCtrl::HScroll(int32_t action, uint32_t position) {
    const double w = xMax - xMin;
    double lo = xMin;
    double hi = xMax;
    switch (action) {
    case ScrollLineBack:
    case ScrollPageBack:
        lo = std::max(xMin - xStep, fullXMin);
        if (lo == xMin) return;
        hi = lo + w;
        break;
    case ScrollLineForward:
    case ScrollPageForward:
        hi = std::min(xMax + xStep, fullXMax);
        if (hi == xMax) return;
        lo = hi - w;
        break;
    case ScrollThumbTrack:
        lo = std::min(fullXMin + position * xStep, fullXMax - w);
        if (lo == xMin) return;
        hi = lo + w;
        break;
    default: return;
    }
    if (std::isnan(lo) || std::isnan(hi)) return;
    FixXRange(lo, hi);
    update();
    SendNotify(kNotifyHScroll);
}

void CAutoCtrl::VScroll(int32_t action, uint32_t position) {
    const double h = yMax - yMin;
    double lo = yMin;
    double hi = yMax;
    switch (action) {
    case ScrollLineBack:
    case ScrollPageBack:
        lo = yMin + yStep;
        hi = yMax + yStep;
        break;
    case ScrollLineForward:
    case ScrollPageForward:
        lo = yMin - yStep;
        hi = yMax - yStep;
        break;
    case ScrollThumbTrack:
        hi = std::max(fullYMax - position * yStep, fullYMin + h);
        lo = hi - h;
        break;
    default: return;
    }
    if ((lo == yMin && hi == yMax) || std::isnan(lo) || std::isnan(hi)) return;
    FixYRange(lo, hi);
    update();
    SendNotify(kNotifyVScroll);
}

void CAutoCtrl::OnBarAction(QScrollBar* bar, int action) {
    const int32_t code = ScrollActionOf(action);
    const auto position = static_cast<uint32_t>(bar->sliderPosition());
    if (bar == hBar_)
        HScroll(code, position);
    else
        VScroll(code, position);
}

void CAutoCtrl::SendNotify(uint32_t code) { Q_EMIT Notify(ChartNotifyHeader{this, controlId, code}); }
