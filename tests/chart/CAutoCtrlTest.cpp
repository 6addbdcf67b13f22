// Tests of the chart widget: zoom drags, mouse forwarding, scroll actions and scroll bars.
#include "chart/CAutoCtrl.h"
#include "chart/CalibrationChart.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QScrollBar>
#include <QVBoxLayout>

#include <cmath>
#include <vector>

namespace {

struct SeenMouseEvent {
    QEvent::Type type;
    QPoint position;
    Qt::MouseButton button;
};

// A parent window that records the mouse events it receives.
class RecordingParent : public QWidget {
public:
    std::vector<SeenMouseEvent> seen;

protected:
    void mousePressEvent(QMouseEvent* e) override { Record(e); }
    void mouseReleaseEvent(QMouseEvent* e) override { Record(e); }
    void mouseMoveEvent(QMouseEvent* e) override { Record(e); }
    void mouseDoubleClickEvent(QMouseEvent* e) override { Record(e); }

private:
    void Record(QMouseEvent* e) { seen.push_back({e->type(), e->position().toPoint(), e->button()}); }
};

// A 600 x 400 chart at (50, 60) in its parent over data 0 .. 10 on both axes.
class ChartWindowTest : public testing::Test {
protected:
    void SetUp() override {
        parent.resize(700, 500);
        chart = new CAutoCtrl(&parent);
        chart->setGeometry(50, 60, 600, 400);
        chart->controlId = 1031;
        SetUpCalibrationChart(chart->Panel(), "Время,мин", "LG(MM)");
        ShowCalibration(chart->Panel(), x, y, x, y);
        QObject::connect(chart, &CAutoCtrl::Notify, [this](const ChartNotifyHeader& h) { notifications.push_back(h); });
        parent.show();
        Paint();
    }

    // Paints the chart as the window system would.
    QImage Paint() { return chart->grab().toImage(); }

    void Mouse(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
        QMouseEvent event(type, QPointF(at), QPointF(chart->mapToGlobal(at)), button, held, Qt::NoModifier);
        QCoreApplication::sendEvent(chart, &event);
    }

    void Drag(QPoint from, QPoint to) {
        Mouse(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
        Mouse(QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
        Mouse(QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
    }

    // The chart pixel of a value pair in the current view.
    QPoint PixelOf(double vx, double vy) {
        CAutoPanel& panel = chart->Panel();
        return {panel.mapX(panel, vx, vy), panel.mapY(panel, vx, vy)};
    }

    // Value width of one pixel on each axis.
    double PixelWidthX() { return (chart->xMax - chart->xMin) / (chart->Panel().rect.Width() - 1); }
    double PixelHeightY() { return (chart->yMax - chart->yMin) / (chart->Panel().rect.Height() - 1); }

    RecordingParent parent;
    CAutoCtrl* chart = nullptr;
    std::vector<double> x{0.0, 10.0};
    std::vector<double> y{0.0, 10.0};
    std::vector<ChartNotifyHeader> notifications;
};

TEST_F(ChartWindowTest, NewWindowHasTheDefaults) {
    const CAutoCtrl fresh;
    EXPECT_TRUE(fresh.zoomEnabled);
    EXPECT_TRUE(fresh.hScrollEnabled);
    EXPECT_TRUE(fresh.vScrollEnabled);
    EXPECT_TRUE(fresh.trackFullX);
    EXPECT_FALSE(fresh.dragging);
    EXPECT_EQ(fresh.zoomButton, 0);
    EXPECT_TRUE(fresh.testAttribute(Qt::WA_OpaquePaintEvent)) << "no background erase";
}

TEST_F(ChartWindowTest, PaintLaysOutTheWholeView) {
    EXPECT_DOUBLE_EQ(chart->xMin, 0.0);
    EXPECT_DOUBLE_EQ(chart->xMax, 10.0);
    EXPECT_DOUBLE_EQ(chart->fullXMax, 10.0);
    EXPECT_GT(chart->Panel().rect.Width(), 400);
    EXPECT_TRUE(chart->HorizontalBar()->isHidden());
    EXPECT_TRUE(chart->VerticalBar()->isHidden());
}

TEST_F(ChartWindowTest, AChartWithoutPointsPaintsZeroToThirtyAndZeroToTen) {
    ShowCalibration(chart->Panel(), {}, {}, {}, {});
    Paint();
    EXPECT_EQ(chart->xMin, 0.0);
    EXPECT_EQ(chart->xMax, 30.0);
    EXPECT_EQ(chart->yMin, 0.0);
    EXPECT_EQ(chart->yMax, 10.0);
    EXPECT_EQ(chart->xLastTick, 30.0);
    EXPECT_EQ(chart->yLastTick, 10.0);
    EXPECT_EQ(chart->fullXMax, 30.0);
    EXPECT_EQ(chart->fullYMax, 10.0);
    EXPECT_TRUE(chart->HorizontalBar()->isHidden()) << "the whole range is in view";
    EXPECT_TRUE(chart->VerticalBar()->isHidden());
}

TEST_F(ChartWindowTest, DragOfThreePixelsZoomsAndNotifies) {
    const QPoint from = PixelOf(2.0, 8.0);
    const QPoint to = PixelOf(5.0, 3.0);
    const double pixelX = PixelWidthX();
    const double pixelY = PixelHeightY();
    Drag(from, to);
    EXPECT_FALSE(chart->dragging);
    EXPECT_FALSE(chart->autoScaleX);
    EXPECT_FALSE(chart->autoScaleY);
    EXPECT_NEAR(chart->fixedXMin, 2.0, pixelX);
    EXPECT_NEAR(chart->fixedXMax, 5.0, pixelX);
    EXPECT_NEAR(chart->fixedYMin, 3.0, pixelY);
    EXPECT_NEAR(chart->fixedYMax, 8.0, pixelY);
    ASSERT_EQ(notifications.size(), 1u);
    EXPECT_EQ(notifications[0].code, CAutoCtrl::kNotifyZoom);
    EXPECT_EQ(notifications[0].idFrom, 1031);
    EXPECT_EQ(notifications[0].from, chart);

    notifications.clear();
    const QPoint corner = PixelOf(3.0, 5.0);
    Drag(corner, corner + QPoint(3, 3));
    EXPECT_EQ(notifications.size(), 1u) << "three pixels each way is a zoom";
}

struct SmallDragCase {
    const char* name;
    int dx, dy;
};

class SmallDrags : public ChartWindowTest, public testing::WithParamInterface<SmallDragCase> {};

TEST_P(SmallDrags, AreClicksNotZooms) {
    const QPoint from = PixelOf(3.0, 5.0);
    Drag(from, from + QPoint(GetParam().dx, GetParam().dy));
    EXPECT_TRUE(chart->autoScaleX);
    EXPECT_TRUE(chart->autoScaleY);
    EXPECT_TRUE(notifications.empty());
}

INSTANTIATE_TEST_SUITE_P(Cases, SmallDrags,
                         testing::Values(SmallDragCase{"TwoAcross", 2, 50}, SmallDragCase{"TwoDown", 50, 2},
                                         SmallDragCase{"TwoBackwards", -50, -2}, SmallDragCase{"Click", 0, 0}),
                         [](const testing::TestParamInfo<SmallDragCase>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(ChartWindowTest, DragBeyondThePlotIsClampedToTheView) {
    const QPoint from = PixelOf(-3.0, 12.0);
    const QPoint to = PixelOf(4.0, 6.0);
    const double pixelX = PixelWidthX();
    const double pixelY = PixelHeightY();
    Drag(from, to);
    EXPECT_DOUBLE_EQ(chart->fixedXMin, 0.0);
    EXPECT_NEAR(chart->fixedXMax, 4.0, pixelX);
    EXPECT_NEAR(chart->fixedYMin, 6.0, pixelY);
    EXPECT_DOUBLE_EQ(chart->fixedYMax, 10.0);
    EXPECT_EQ(notifications.size(), 1u);
}

TEST_F(ChartWindowTest, DragRightOfThePlotMakesXAutomaticAndZoomsY) {
    chart->ApplyZoom(2.0, 2.0, 5.0, 5.0);
    Paint();
    const int right = chart->Panel().rect.right;
    const QPoint from(right + 5, PixelOf(0, 4.5).y());
    const QPoint to(right + 15, PixelOf(0, 3.0).y());
    const double pixelY = PixelHeightY();
    Drag(from, to);
    EXPECT_TRUE(chart->autoScaleX) << "both ends clamp to the upper end, reversed";
    EXPECT_FALSE(chart->autoScaleY);
    EXPECT_NEAR(chart->fixedYMin, 3.0, pixelY);
    EXPECT_NEAR(chart->fixedYMax, 4.5, pixelY);
    EXPECT_EQ(notifications.size(), 1u);
}

TEST_F(ChartWindowTest, ZoomWithoutSpanIsRefused) {
    EXPECT_FALSE(chart->ApplyZoom(10.0, 2.0, 15.0, 5.0)) << "x clamps to 10 .. 10";
    EXPECT_FALSE(chart->ApplyZoom(2.0, 2.0, 2.0 + 1e-9, 5.0));
    EXPECT_TRUE(chart->autoScaleX);
    EXPECT_TRUE(chart->autoScaleY);
}

TEST_F(ChartWindowTest, MoveWithoutTheButtonEndsTheDrag) {
    const QPoint from = PixelOf(2.0, 8.0);
    Mouse(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
    Mouse(QEvent::MouseMove, from + QPoint(40, 40), Qt::NoButton, Qt::LeftButton);
    EXPECT_TRUE(chart->dragging);
    EXPECT_EQ(chart->current, from + QPoint(40, 40));
    Mouse(QEvent::MouseMove, from + QPoint(80, 80), Qt::NoButton, Qt::NoButton);
    EXPECT_FALSE(chart->dragging);
    EXPECT_TRUE(chart->autoScaleX);
    EXPECT_TRUE(notifications.empty());
}

TEST_F(ChartWindowTest, RubberBandIsPaintedWhileDragging) {
    const QPoint from = PixelOf(2.0, 8.0);
    const QImage before = Paint();
    Mouse(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
    Mouse(QEvent::MouseMove, from + QPoint(100, 100), Qt::NoButton, Qt::LeftButton);
    const QImage during = Paint();
    const QPoint onBand = from + QPoint(50, 0);
    EXPECT_NE(during.pixel(onBand), before.pixel(onBand));
    EXPECT_EQ(during.pixel(from + QPoint(50, 50)), before.pixel(from + QPoint(50, 50))) << "the band is hollow";
}

TEST_F(ChartWindowTest, RightButtonZoomsWhenChosen) {
    chart->zoomButton = 1;
    const QPoint from = PixelOf(2.0, 8.0);
    const QPoint to = PixelOf(5.0, 3.0);
    Drag(from, to);
    EXPECT_TRUE(chart->autoScaleX) << "the left button no longer zooms";
    Mouse(QEvent::MouseButtonPress, from, Qt::RightButton, Qt::RightButton);
    Mouse(QEvent::MouseMove, to, Qt::NoButton, Qt::RightButton);
    Mouse(QEvent::MouseButtonRelease, to, Qt::RightButton, Qt::NoButton);
    EXPECT_FALSE(chart->autoScaleX);
}

TEST_F(ChartWindowTest, MouseEventsReachTheParentInChartCoordinates) {
    chart->zoomEnabled = false;
    parent.setMouseTracking(true);
    Mouse(QEvent::MouseButtonPress, {30, 40}, Qt::LeftButton, Qt::LeftButton);
    Mouse(QEvent::MouseButtonRelease, {30, 40}, Qt::LeftButton, Qt::NoButton);
    Mouse(QEvent::MouseButtonDblClick, {31, 41}, Qt::LeftButton, Qt::LeftButton);
    Mouse(QEvent::MouseButtonPress, {32, 42}, Qt::MiddleButton, Qt::MiddleButton);
    Mouse(QEvent::MouseMove, {33, 43}, Qt::NoButton, Qt::NoButton);
    Mouse(QEvent::MouseButtonDblClick, {34, 44}, Qt::RightButton, Qt::RightButton);
    QCoreApplication::sendPostedEvents(&parent);
    ASSERT_EQ(parent.seen.size(), 5u);
    EXPECT_EQ(parent.seen[0].type, QEvent::MouseButtonPress);
    EXPECT_EQ(parent.seen[0].position, QPoint(30, 40)) << "not the parent's (80, 100)";
    EXPECT_EQ(parent.seen[1].type, QEvent::MouseButtonRelease);
    EXPECT_EQ(parent.seen[2].type, QEvent::MouseButtonDblClick);
    EXPECT_EQ(parent.seen[3].button, Qt::MiddleButton);
    EXPECT_EQ(parent.seen[4].type, QEvent::MouseMove);
    EXPECT_EQ(parent.seen[4].position, QPoint(33, 43));
    EXPECT_FALSE(chart->dragging);
}

TEST_F(ChartWindowTest, ZoomDragIsNotForwardedButItsMovesAre) {
    Drag(PixelOf(2.0, 8.0), PixelOf(5.0, 3.0));
    QCoreApplication::sendPostedEvents(&parent);
    ASSERT_EQ(parent.seen.size(), 1u);
    EXPECT_EQ(parent.seen[0].type, QEvent::MouseMove);
}

TEST_F(ChartWindowTest, ScrollBarsAppearAfterZoomingIn) {
    chart->ApplyZoom(2.0, 2.0, 5.0, 5.0);
    Paint();
    // A paint sets the bars from the tick steps of the paint before it.
    Paint();
    EXPECT_FALSE(chart->HorizontalBar()->isHidden());
    EXPECT_FALSE(chart->VerticalBar()->isHidden());
    EXPECT_LT(chart->ClientRect().width(), 600);
    // Ranges in steps: the part of the full extent outside the view, the thumb at the view.
    const double xStep = chart->xStep;
    const double hidden = 10.0 - (chart->xMax - chart->xMin);
    EXPECT_EQ(chart->HorizontalBar()->maximum(), static_cast<int>(std::ceil(hidden / xStep)));
    EXPECT_EQ(chart->HorizontalBar()->value(), static_cast<int>(std::ceil(chart->xMin / xStep)));
    EXPECT_EQ(chart->VerticalBar()->value(), static_cast<int>(std::ceil((10.0 - chart->yMax) / chart->yStep)));

    chart->hScrollEnabled = false;
    chart->vScrollEnabled = false;
    Paint();
    EXPECT_TRUE(chart->HorizontalBar()->isHidden());
    EXPECT_EQ(chart->ClientRect(), QRect(0, 0, 600, 400));
}

TEST_F(ChartWindowTest, HorizontalLineScrollingStopsAtTheDataEnds) {
    chart->ApplyZoom(2.0, 2.0, 5.0, 5.0);
    Paint();
    const double span = chart->xMax - chart->xMin;
    const double step = chart->xStep;
    chart->HScroll(CAutoCtrl::ScrollLineBack, 0);
    EXPECT_NEAR(chart->xMin, 2.0 - step, 1e-9);
    for (int i = 0; i < 1000; ++i) chart->HScroll(CAutoCtrl::ScrollLineBack, 0);
    EXPECT_DOUBLE_EQ(chart->xMin, 0.0);
    EXPECT_NEAR(chart->xMax - chart->xMin, span, 1e-9);
    const size_t atStart = notifications.size();
    chart->HScroll(CAutoCtrl::ScrollPageBack, 0);
    EXPECT_EQ(notifications.size(), atStart) << "nothing moves, nothing is sent";
    for (int i = 0; i < 1000; ++i) chart->HScroll(CAutoCtrl::ScrollPageForward, 0);
    EXPECT_DOUBLE_EQ(chart->xMax, 10.0);
    EXPECT_FALSE(chart->autoScaleX);
    EXPECT_DOUBLE_EQ(chart->fixedXMax, 10.0);
    for (const ChartNotifyHeader& h : notifications) EXPECT_EQ(h.code, CAutoCtrl::kNotifyHScroll);
}

TEST_F(ChartWindowTest, HorizontalThumbTrackingStaysInsideTheExtent) {
    chart->ApplyZoom(2.0, 2.0, 5.0, 5.0);
    Paint();
    const double span = chart->xMax - chart->xMin;
    chart->HScroll(CAutoCtrl::ScrollThumbTrack, 1);
    EXPECT_DOUBLE_EQ(chart->xMin, chart->xStep);
    chart->HScroll(CAutoCtrl::ScrollThumbTrack, 1000000);
    EXPECT_DOUBLE_EQ(chart->xMin, 10.0 - span);
    const double before = chart->xMin;
    chart->HScroll(CAutoCtrl::ScrollThumbPosition, 0);
    chart->HScroll(CAutoCtrl::ScrollEnd, 0);
    EXPECT_DOUBLE_EQ(chart->xMin, before) << "other actions change nothing";
}

TEST_F(ChartWindowTest, VerticalLineScrollingIsNotLimited) {
    chart->ApplyZoom(2.0, 7.0, 5.0, 9.0);
    Paint();
    const double step = chart->yStep;
    const double span = chart->yMax - chart->yMin;
    for (int i = 0; i < 20; ++i) chart->VScroll(CAutoCtrl::ScrollLineBack, 0);
    EXPECT_NEAR(chart->yMin, 7.0 + 20 * step, 1e-9);
    EXPECT_GT(chart->yMax, 10.0);
    chart->VScroll(CAutoCtrl::ScrollThumbTrack, 0);
    EXPECT_DOUBLE_EQ(chart->yMax, 10.0) << "the thumb at the top shows the largest values";
    chart->VScroll(CAutoCtrl::ScrollThumbTrack, 1000000);
    EXPECT_DOUBLE_EQ(chart->yMin, 0.0);
    EXPECT_NEAR(chart->yMax - chart->yMin, span, 1e-9);
    chart->VScroll(CAutoCtrl::ScrollPageForward, 0);
    EXPECT_LT(chart->yMin, 0.0);
    ASSERT_FALSE(notifications.empty());
    EXPECT_EQ(notifications.back().code, CAutoCtrl::kNotifyVScroll);
}

TEST_F(ChartWindowTest, ScrollBarActionsScrollTheView) {
    chart->ApplyZoom(2.0, 2.0, 5.0, 5.0);
    Paint();
    const double xMin = chart->xMin;
    chart->HorizontalBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_NEAR(chart->xMin, xMin + chart->xStep, 1e-9);
    const double yMax = chart->yMax;
    chart->VerticalBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_NEAR(chart->yMax, yMax + chart->yStep, 1e-9) << "up shows larger values";
    ASSERT_EQ(notifications.size(), 2u);
    EXPECT_EQ(notifications[0].code, CAutoCtrl::kNotifyHScroll);
    EXPECT_EQ(notifications[1].code, CAutoCtrl::kNotifyVScroll);
}

TEST_F(ChartWindowTest, LogAxesZoomAndScrollInLogarithms) {
    x = {10.0, 100000.0};
    ShowCalibration(chart->Panel(), x, y, x, y);
    chart->flags = CAutoCoordObject::kFlagLogX;
    Paint();
    EXPECT_NEAR(chart->fullXMin, 1.0, 1e-12);
    EXPECT_NEAR(chart->fullXMax, 5.0, 1e-12);
    ASSERT_TRUE(chart->ApplyZoom(2.0, 2.0, 3.0, 5.0));
    EXPECT_NEAR(chart->fixedXMin, 100.0, 1e-9) << "fixed ranges hold data values";
    EXPECT_NEAR(chart->fixedXMax, 1000.0, 1e-9);
    Paint();
    EXPECT_NEAR(chart->xMin, 2.0, 1e-12) << "the view is in axis units";
    EXPECT_NEAR(chart->xMax, 3.0, 1e-12);
    chart->HScroll(CAutoCtrl::ScrollLineForward, 0);
    EXPECT_NEAR(chart->xMin, 2.0 + chart->xStep, 1e-12);
    EXPECT_NEAR(std::log10(chart->fixedXMin), chart->xMin, 1e-12);
}

TEST_F(ChartWindowTest, ZeroTickStepStillPaintsAndRecovers) {
    chart->xStep = 0.0;
    const QImage image = Paint();
    EXPECT_GT(chart->xStep, 0.0);
    const ChartRect& plot = chart->Panel().rect;
    EXPECT_EQ(image.pixel(plot.left - 1, plot.top + 20), qRgb(0, 0, 0)) << "the frame is there";
}

TEST_F(ChartWindowTest, ChartTakesThePlaceOfAPlaceholder) {
    QWidget host;
    auto* layout = new QVBoxLayout(&host);
    auto* placeholder = new QLabel("frame", &host);
    placeholder->setObjectName("chartFrame");
    placeholder->setProperty("controlId", 1031);
    layout->addWidget(placeholder);
    host.resize(300, 200);
    host.show();
    const QRect geometry = placeholder->geometry();
    QPointer<QLabel> watch(placeholder);
    auto* inPlace = new CAutoCtrl;
    ASSERT_TRUE(inPlace->CreateInPlaceOf(placeholder));
    EXPECT_TRUE(watch.isNull());
    EXPECT_EQ(inPlace->parentWidget(), &host);
    EXPECT_EQ(inPlace->geometry(), geometry);
    EXPECT_EQ(inPlace->controlId, 1031);
    EXPECT_EQ(inPlace->objectName(), "chartFrame");
    EXPECT_GE(layout->indexOf(inPlace), 0);
    EXPECT_TRUE(inPlace->isVisible());

    CAutoCtrl orphan;
    EXPECT_FALSE(orphan.CreateInPlaceOf(nullptr));
    QLabel lonely;
    EXPECT_FALSE(orphan.CreateInPlaceOf(&lonely));
}

TEST_F(ChartWindowTest, ChartInPlaceWithoutZoomPostsClicksToItsParent) {
    auto* placeholder = new QLabel(&parent);
    placeholder->setGeometry(100, 100, 300, 200);
    auto* inPlace = new CAutoCtrl;
    ASSERT_TRUE(inPlace->CreateInPlaceOf(placeholder));
    inPlace->zoomEnabled = false;
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(10, 20), QPointF(inPlace->mapToGlobal(QPoint(10, 20))),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(inPlace, &press);
    QCoreApplication::sendPostedEvents(&parent);
    ASSERT_EQ(parent.seen.size(), 1u);
    EXPECT_EQ(parent.seen[0].type, QEvent::MouseButtonPress);
    EXPECT_EQ(parent.seen[0].position, QPoint(10, 20));
    EXPECT_FALSE(inPlace->dragging);
}

}  // namespace
