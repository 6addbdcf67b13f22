// Layout and drawing of the whole chart: background, captions, fit loop, plot, grid and axes.
#include "chart/CAutoPanel.h"

#include "chart/ChartMath.h"

#include <algorithm>

namespace {

// The longest prefix of UTF-8 text that takes at most maxUnits UTF-16 units, ending on a
// character boundary (a four-byte sequence takes two units).
std::string CutToUtf16Units(const std::string& text, size_t maxUnits) {
    size_t units = 0;
    size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
        length = std::min(length, text.size() - i);
        const size_t need = length == 4 ? 2 : 1;
        if (units + need > maxUnits) break;
        units += need;
        i += length;
    }
    return text.substr(0, i);
}

}  // namespace

int32_t CAutoPanel::AddSeries() {
    series.emplace_back();
    return static_cast<int32_t>(series.size()) - 1;
}

void CAutoPanel::SetCaptions(const std::string& horizontal, const std::string& vertical) {
    xCaption = CutToUtf16Units(horizontal, kMaxCaptionUnits);
    yCaption = CutToUtf16Units(vertical, kMaxCaptionUnits);
}

void CAutoPanel::Draw(Canvas& target, const ChartRect& area, bool offScreen) {
    std::unique_ptr<Canvas> buffer = offScreen ? target.CreateCompatible(area.Width(), area.Height()) : nullptr;
    Canvas& canvas = buffer ? *buffer : target;
    ChartRect work = buffer ? ChartRect{0, 0, area.Width(), area.Height()} : area;
    surface = &canvas;
    canvas.FillRect(work, outerBackground);
    work.left += margin;
    work.bottom -= margin;
    const TextSize captions = DrawCaptions(canvas, work);
    work.bottom -= captions.cy + captionGap;
    work.left += captions.cx + captionGap;
    ChartRect plot;
    if (!series.empty() && FitPlot(canvas, PlotLimit(canvas, work), plot)) DrawPlot(canvas, plot);
    // Also after an early stop: a range cached now must not outlive this pass.
    xRangeCached = false;
    yRangeCached = false;
    surface = nullptr;
    if (buffer) target.CopyFrom(*buffer, area.left, area.top);
}

TextSize CAutoPanel::DrawCaptions(Canvas& canvas, const ChartRect& work) {
    canvas.SetTextColour(captionColour);
    canvas.SetTransparentBackground();
    TextSize room;
    FontDescription font = captionFont;
    if (!xCaption.empty()) {
        font.escapement = font.orientation = 0;
        canvas.SelectFont(font);
        canvas.SetTextAlign(AlignRight | AlignBottom);
        canvas.TextOut(work.right - margin - 1, work.bottom, xCaption);
        room.cy = canvas.GetTextExtent(xCaption).cy;
    }
    if (!yCaption.empty()) {
        font.escapement = font.orientation = 900;
        canvas.SelectFont(font);
        canvas.SetTextAlign(AlignRight | AlignTop);
        canvas.TextOut(work.left, work.top + 1 + margin, yCaption);
        room.cx = canvas.GetTextExtent(yCaption).cy;
    }
    return room;
}

ChartRect CAutoPanel::PlotLimit(Canvas& canvas, ChartRect work) {
    canvas.SelectFont(axisFont);
    const TextMetrics metrics = canvas.GetTextMetrics();
    MeasureTicks();
    int32_t frame = (style & (kStyleTicksAllSides | kStyleClosedFrame)) ? 1 : 0;
    if (style & kStyleTicksAllSides) frame += tickGap;
    work.top += std::max(frame, metrics.ascent);
    work.left += 1 + tickGap + labelGap;
    work.right -= frame;
    work.bottom -= 1 + metrics.height + tickGap + labelGap;
    return work;
}

bool CAutoPanel::FitPlot(Canvas& canvas, const ChartRect& limit, ChartRect& plot) {
    plot = limit;
    for (;;) {
        if (plot.Width() <= 0 || plot.Height() <= 0) return false;
        rect = plot;
        UpdateRanges();
        canvas.SelectFont(axisFont);
        const int32_t w = LayoutXTicks();
        const int32_t v = LayoutYTicks();
        const int32_t half = w / 2;
        ChartRect next = limit;
        next.left = limit.left + std::max(v, half - labelGap - tickGap);
        next.right = limit.right - 1 - half;
        next = IntersectRect(next, plot);
        if (next == plot) return true;
        plot = next;
    }
}

void CAutoPanel::DrawPlot(Canvas& canvas, const ChartRect& plot) {
    surface = &canvas;
    rect = plot;
    canvas.SelectFont(axisFont);
    UpdateRanges();
    LayoutXTicks();
    LayoutYTicks();
    if (axisWidth > 1)
        canvas.SelectPen(PenSolid, axisWidth, 0);
    else
        canvas.SelectPen(PenNull, 1, 0);
    canvas.SelectSolidBrush(plotBackground);
    canvas.Rectangle(rect.left, rect.top, rect.right, rect.bottom);
    DrawGrid();
    for (CAutoSeries& s : series) {
        if (s.hidden) continue;
        ShareView(s, canvas);
        DrawSeries(s);
    }
    DrawAxes();
    xRangeCached = false;
    yRangeCached = false;
}

void CAutoPanel::ShareView(CAutoSeries& s, Canvas& canvas) const {
    s.autoScaleX = false;
    s.autoScaleY = false;
    s.fixedXMin = DataXFromAxis(xMin);
    s.fixedXMax = DataXFromAxis(xMax);
    s.fixedYMin = DataYFromAxis(yMin);
    s.fixedYMax = DataYFromAxis(yMax);
    s.xMin = xMin;
    s.xMax = xMax;
    s.yMin = yMin;
    s.yMax = yMax;
    s.rect = rect;
    s.surface = &canvas;
}

void CAutoPanel::DrawSeries(CAutoSeries& s) {
    Canvas& canvas = *s.surface;
    canvas.SelectPen(s.penStyle, s.penWidth, s.colour);
    canvas.SelectNullBrush();
    s.DrawMarkers();
    if (s.count > 1) {
        if (s.lineKind == CAutoSeries::LinePolyline || (s.lineKind == CAutoSeries::LineSpline && s.count < 3))
            s.DrawPolyline();
        else if (s.lineKind == CAutoSeries::LineSpline)
            s.DrawSpline();
    }
    if (s.markerKind == CAutoSeries::MarkerBands) DrawGrid();
}

void CAutoPanel::DrawGrid() {
    Canvas& canvas = *surface;
    canvas.SelectPen(PenSolid, 0, gridColour);
    if (style & kStyleVerticalGrid) {
        const int32_t top = (style & kStyleTicksAllSides) ? rect.top + tickLength : rect.top;
        ForEachTick(xFirstTick, xLastTick, xStep, [&](double v) {
            const int32_t x = mapX(*this, v, 0.0);
            canvas.MoveTo(x, top);
            canvas.LineTo(x, rect.bottom - tickLength);
        });
    }
    if (style & kStyleHorizontalGrid) {
        const int32_t right = (style & kStyleTicksAllSides) ? rect.right - tickLength : rect.right;
        ForEachTick(yFirstTick, yLastTick, yStep, [&](double v) {
            const int32_t y = mapY(*this, 0.0, v);
            canvas.MoveTo(right - 1, y);
            canvas.LineTo(rect.left - 1 + tickLength, y);
        });
    }
}

void CAutoPanel::DrawAxes() {
    Canvas& canvas = *surface;
    const ChartRect& r = rect;
    canvas.SelectPen(PenSolid, axisWidth, axisColour);
    canvas.MoveTo(r.left - 1, r.top - 1);
    canvas.LineTo(r.left - 1, r.bottom);
    canvas.LineTo(r.right, r.bottom);
    if (style & (kStyleTicksAllSides | kStyleClosedFrame)) {
        canvas.LineTo(r.right, r.top - 1);
        canvas.LineTo(r.left - 1, r.top - 1);
    }
    MeasureTicks();
    canvas.SetTextColour(axisColour);
    canvas.SetTransparentBackground();
    const bool allSides = style & kStyleTicksAllSides;
    canvas.SetTextAlign(AlignCenter | AlignTop);
    ForEachTick(xFirstTick, xLastTick, xStep, [&](double v) {
        const int32_t x = mapX(*this, v, 0.0);
        if (allSides) {
            canvas.MoveTo(x, r.top - tickGap - 1);
            canvas.LineTo(x, r.top + tickLength);
        }
        canvas.MoveTo(x, r.bottom - tickLength);
        canvas.LineTo(x, r.bottom + 1 + tickGap);
        canvas.TextOut(x, r.bottom + 1 + tickGap + labelGap, FormatTick(v));
    });
    canvas.SetTextAlign(AlignRight | AlignBaseline);
    ForEachTick(yFirstTick, yLastTick, yStep, [&](double v) {
        const int32_t y = mapY(*this, 0.0, v);
        if (allSides) {
            canvas.MoveTo(r.right + tickGap, y);
            canvas.LineTo(r.right - tickLength - 1, y);
        }
        canvas.MoveTo(r.left - 1 + tickLength, y);
        canvas.LineTo(r.left - tickGap - 2, y);
        canvas.TextOut(r.left - tickGap - 2 - labelGap + 1, y, FormatTick(v));
    });
}
