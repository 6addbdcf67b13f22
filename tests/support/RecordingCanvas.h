// A Canvas for tests: records every drawing call with the pen, brush, font and text settings in
// force, and measures text with fixed metrics (cell height 12, ascent 10, every character 7
// pixels wide) so that layouts can be worked out by hand.
#pragma once

#include "chart/Canvas.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

struct RecordedOp {
    std::string name;  // "LineTo", "Rectangle", "Ellipse", "FillRect", "TextOut", "Copy"
    std::vector<int32_t> args;  // LineTo: from x, from y, to x, to y; shapes: left, top, right, bottom
    std::string text;
    int32_t penStyle = PenSolid;
    Colour penColour = 0;
    bool nullBrush = false;
    Colour brushColour = 0;
    uint32_t textAlign = 0;
    Colour textColour = 0;
    bool transparent = false;
    FontDescription font;
};

class RecordingCanvas : public Canvas {
public:
    TextMetrics metrics{12, 10, 7};

    void SelectPen(int32_t style, int32_t, Colour colour) override {
        penStyle = style;
        penColour = colour;
    }
    void SelectSolidBrush(Colour colour) override {
        nullBrush = false;
        brushColour = colour;
    }
    void SelectNullBrush() override { nullBrush = true; }
    void MoveTo(int32_t x, int32_t y) override { position = {x, y}; }
    void LineTo(int32_t x, int32_t y) override {
        Record("LineTo", {position.x, position.y, x, y});
        position = {x, y};
    }
    void Rectangle(int32_t l, int32_t t, int32_t r, int32_t b) override { Record("Rectangle", {l, t, r, b}); }
    void Ellipse(int32_t l, int32_t t, int32_t r, int32_t b) override { Record("Ellipse", {l, t, r, b}); }
    void FillRect(const ChartRect& rect, Colour colour) override {
        Record("FillRect", {rect.left, rect.top, rect.right, rect.bottom});
        ops.back().brushColour = colour;
    }
    void SelectFont(const FontDescription& font) override { currentFont = font; }
    void SetTextAlign(uint32_t align) override { textAlign = align; }
    void SetTextColour(Colour colour) override { textColour = colour; }
    void SetTransparentBackground() override { transparent = true; }
    void TextOut(int32_t x, int32_t y, const std::string& text) override {
        Record("TextOut", {x, y});
        ops.back().text = text;
    }
    TextMetrics GetTextMetrics() override { return metrics; }
    TextSize GetTextExtent(const std::string& text) override {
        const auto characters = std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; });
        return {static_cast<int32_t>(characters) * metrics.aveCharWidth, metrics.height};
    }
    std::unique_ptr<Canvas> CreateCompatible(int32_t width, int32_t height) override {
        compatibleSizes.push_back({width, height});
        auto offScreen = std::make_unique<RecordingCanvas>();
        offScreen->metrics = metrics;
        return offScreen;
    }
    void CopyFrom(Canvas& offScreen, int32_t x, int32_t y) override {
        Record("Copy", {x, y});
        copied = static_cast<RecordingCanvas&>(offScreen).ops;
    }

    // The recorded operations called name.
    std::vector<RecordedOp> Ops(const std::string& name) const {
        std::vector<RecordedOp> found;
        std::copy_if(ops.begin(), ops.end(), std::back_inserter(found),
                     [&](const RecordedOp& op) { return op.name == name; });
        return found;
    }
    // Lines drawn with a visible pen of the colour.
    std::vector<RecordedOp> Lines(Colour colour) const {
        std::vector<RecordedOp> found;
        for (const RecordedOp& op : Ops("LineTo"))
            if (op.penColour == colour && op.penStyle != PenNull) found.push_back(op);
        return found;
    }
    // The texts drawn, in order.
    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const RecordedOp& op : Ops("TextOut")) texts.push_back(op.text);
        return texts;
    }
    // The texts drawn with the alignment, in order: the tick labels of one axis, for one.
    std::vector<std::string> TextsAligned(uint32_t align) const {
        std::vector<std::string> texts;
        for (const RecordedOp& op : Ops("TextOut"))
            if (op.textAlign == align) texts.push_back(op.text);
        return texts;
    }

    std::vector<RecordedOp> ops;
    std::vector<RecordedOp> copied;  // what the last copied off-screen canvas recorded
    std::vector<TextSize> compatibleSizes;

private:
    void Record(const std::string& name, std::vector<int32_t> args) {
        RecordedOp op;
        op.name = name;
        op.args = std::move(args);
        op.penStyle = penStyle;
        op.penColour = penColour;
        op.nullBrush = nullBrush;
        op.brushColour = brushColour;
        op.textAlign = textAlign;
        op.textColour = textColour;
        op.transparent = transparent;
        op.font = currentFont;
        ops.push_back(std::move(op));
    }

    ChartPoint position;
    int32_t penStyle = PenSolid;
    Colour penColour = 0;
    bool nullBrush = false;
    Colour brushColour = 0xFFFFFF;
    uint32_t textAlign = 0;
    Colour textColour = 0;
    bool transparent = false;
    FontDescription currentFont;
};
