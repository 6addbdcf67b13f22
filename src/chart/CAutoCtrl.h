// The chart as a child widget: paints its CAutoPanel through an off-screen image (one copy per
// paint, no background erase), zooms into a rectangle dragged with the mouse, scrolls the view
// within the data's full extent with two scroll bars, forwards other mouse events to its parent
// in the chart's own pixel coordinates, and reports zoom and scroll changes with Notify. After
// changing series data, callers ask for an immediate paint with repaint(); zoom and scroll only
// schedule one with update(). A chart that must not take mouse input (a plain frame) gets the
// attribute Qt::WA_TransparentForMouseEvents.
#pragma once

#include "chart/CAutoPanel.h"

#include <QPoint>
#include <QWidget>

#include <cstdint>

class QPainter;
class QScrollBar;

// What Notify carries: the chart, its control identifier and the notification code.
struct ChartNotifyHeader {
    QWidget* from = nullptr;
    int32_t idFrom = 0;
    uint32_t code = 0;
};

class CAutoCtrl : public QWidget, public CAutoPanel {
    Q_OBJECT

public:
    // Notification codes.
    static constexpr uint32_t kNotifyZoom = 0x401;  // a zoom rectangle changed the view
    static constexpr uint32_t kNotifyHScroll = 0x402;  // a horizontal scroll action changed the view
    static constexpr uint32_t kNotifyVScroll = 0x403;  // a vertical scroll action changed the view

    // Scroll actions, the same for both bars (line back = left or up).
    enum ScrollAction : int32_t {
        ScrollLineBack = 0,
        ScrollLineForward = 1,
        ScrollPageBack = 2,
        ScrollPageForward = 3,
        ScrollThumbPosition = 4,
        ScrollThumbTrack = 5,
        ScrollEnd = 8,
    };

    explicit CAutoCtrl(QWidget* parent = nullptr);
    ~CAutoCtrl() override;

    // Takes the placeholder's parent, geometry, object name and integer property "controlId",
    // deletes the placeholder (taking its place in a layout) and shows the chart there. False,
    // with nothing changed, for a null placeholder or one without a parent widget.
    virtual bool CreateInPlaceOf(QWidget* placeholder);

    // Narrows the view to the rectangle (axis values), clamped to the current view; an axis whose
    // clamped ends come out reversed turns automatic again. Returns false, changing nothing, when
    // a clamped span is too small against its magnitude (factor 100000).
    bool ApplyZoom(double x1, double y1, double x2, double y2);
    // Moves the view by a scroll action; position is the thumb position of ScrollThumbTrack.
    // Horizontal moves stay within the full extent, vertical line and page moves do not. Actions
    // that cannot move change nothing and send nothing.
    void HScroll(int32_t action, uint32_t position);
    void VScroll(int32_t action, uint32_t position);

    // The panel part; its fields rect and style are hidden behind QWidget's names here.
    CAutoPanel& Panel() { return *this; }

    // The area the chart paints into: the widget without the visible scroll bars.
    QRect ClientRect() const;
    QScrollBar* HorizontalBar() const { return hBar_; }
    QScrollBar* VerticalBar() const { return vBar_; }

    double fullXMin = 0.0;  // the data's full extent, refreshed at each paint
    double fullXMax = 0.0;
    double fullYMin = 0.0;
    double fullYMax = 0.0;
    bool zoomEnabled = true;
    bool hScrollEnabled = true;
    bool vScrollEnabled = true;
    bool trackFullX = true;  // refresh the full extent even while the range is fixed
    bool trackFullY = true;
    bool dragging = false;
    int32_t zoomButton = 0;  // 0 left, 1 right
    QPoint anchor;  // where the drag began, chart pixels
    QPoint current;  // the drag's moving corner
    int32_t controlId = 0;

Q_SIGNALS:
    // A zoom or scroll changed the view.
    void Notify(const ChartNotifyHeader& header);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    bool IsZoomButton(Qt::MouseButton button) const;
    // Posts a copy of the event to the parent widget with the chart's coordinates.
    void Forward(const QMouseEvent* event);
    void FinishZoom();
    void DrawRubberBand(QPainter& painter) const;
    // Refreshes the full extent and sets the ranges in use.
    void RefreshRanges();
    void UpdateScrollBars();
    void LayoutScrollBars();
    // Fixes an axis to lo..hi (axis values) or makes it automatic when lo is not below hi.
    void FixXRange(double lo, double hi);
    void FixYRange(double lo, double hi);
    void SendNotify(uint32_t code);
    void OnBarAction(QScrollBar* bar, int action);

    QScrollBar* hBar_ = nullptr;
    QScrollBar* vBar_ = nullptr;
};
