// A complete chart: the axes and series of CAutoAxis plus two captions and the outer background,
// with the layout and drawing of everything into a rectangle of a Canvas (pixels).
#pragma once

#include "chart/CAutoAxis.h"

#include <cstdint>
#include <string>

class CAutoPanel : public CAutoAxis {
public:
    // Longest caption in UTF-16 units; longer texts are cut at a character boundary.
    static constexpr size_t kMaxCaptionUnits = 255;

    // Appends a series with the default settings and returns its index.
    int32_t AddSeries();
    // Stores both captions (UTF-8), each cut to kMaxCaptionUnits.
    void SetCaptions(const std::string& horizontal, const std::string& vertical);

    // Lays out and draws the whole chart into area of target. offScreen draws into a compatible
    // off-screen surface that is copied to the area in one transfer at the end. A panel without
    // series, or an area too small for a plot, shows its background and captions only.
    void Draw(Canvas& target, const ChartRect& area, bool offScreen);
    // Draws the captions inside work; returns the room they take: cx the vertical caption's
    // height (its width on screen), cy the horizontal caption's height; 0 for an empty caption.
    TextSize DrawCaptions(Canvas& canvas, const ChartRect& work);
    // Draws background, grid, series and axes with plot as the plot rectangle.
    void DrawPlot(Canvas& canvas, const ChartRect& plot);
    // Grid lines at the ticks as style asks, stopping where the tick marks begin.
    void DrawGrid();
    // Frame, tick marks and tick labels.
    void DrawAxes();

    Colour captionColour = 0;
    Colour outerBackground = 0xFFFFFF;
    int32_t captionGap = 2;
    int32_t margin = 1;
    std::string xCaption;
    std::string yCaption;
    FontDescription captionFont{12, 0, 0, 0, 400, 0, 0, 0, 1, 7, 0, 2, 2, "Arial"};

private:
    // The outer limit of the plot rectangle inside work: room for the frame, ticks and labels.
    ChartRect PlotLimit(Canvas& canvas, ChartRect work);
    // Shrinks the plot from limit until the widest labels fit; false when no room is left.
    bool FitPlot(Canvas& canvas, const ChartRect& limit, ChartRect& plot);
    // Gives a series the panel's view: its ranges, rectangle and surface.
    void ShareView(CAutoSeries& s, Canvas& canvas) const;
    void DrawSeries(CAutoSeries& s);
};
