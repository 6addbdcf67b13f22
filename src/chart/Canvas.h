// The drawing surface the chart paints through: pens, brushes, lines, rectangles, ellipses, text and
// font metrics, all in device pixels (x to the right, y downwards). QtCanvas draws with QPainter;
// tests record the calls. Colours are 0x00BBGGRR values.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

using Colour = uint32_t;

struct ChartPoint {
    int32_t x = 0;
    int32_t y = 0;
    bool operator==(const ChartPoint&) const = default;
};

// Right and bottom are exclusive.
struct ChartRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
    int32_t Width() const { return right - left; }
    int32_t Height() const { return bottom - top; }
    bool operator==(const ChartRect&) const = default;
};

// Pen styles; a null pen draws nothing and shrinks filled shapes by one pixel each way.
enum PenStyle : int32_t {
    PenSolid = 0,
    PenDash = 1,
    PenDot = 2,
    PenDashDot = 3,
    PenDashDotDot = 4,
    PenNull = 5,
    PenInsideFrame = 6,
};

// Text alignment: one horizontal value ORed with one vertical value.
enum TextAlign : uint32_t {
    AlignLeft = 0,
    AlignRight = 2,
    AlignCenter = 6,
    AlignTop = 0,
    AlignBottom = 8,
    AlignBaseline = 24,
};
constexpr uint32_t kHorizontalAlignMask = 6;
constexpr uint32_t kVerticalAlignMask = 24;

// A logical font. height > 0 is the cell height in pixels, < 0 the character (em) height, 0 the
// default size; weight 0 means normal (400); escapement is the text direction in tenths of a degree
// counter-clockwise. The character set, precision, quality and pitch fields are kept for callers
// but have no visible effect: texts are Unicode and the outline fonts are drawn as they are.
struct FontDescription {
    int32_t height = 0;
    int32_t width = 0;
    int32_t escapement = 0;
    int32_t orientation = 0;
    int32_t weight = 0;
    uint8_t italic = 0;
    uint8_t underline = 0;
    uint8_t strikeOut = 0;
    uint8_t charSet = 0;
    uint8_t outPrecision = 0;
    uint8_t clipPrecision = 0;
    uint8_t quality = 0;
    uint8_t pitchAndFamily = 0;
    std::string face;
    bool operator==(const FontDescription&) const = default;
};

struct TextMetrics {
    int32_t height = 0;  // ascent + descent, pixels
    int32_t ascent = 0;
    int32_t aveCharWidth = 0;
};

struct TextSize {
    int32_t cx = 0;  // along the text, pixels
    int32_t cy = 0;  // the cell height, pixels
};

class Canvas {
public:
    virtual ~Canvas() = default;

    // Selects a pen for lines and shape outlines; width 0 is the thinnest (one pixel).
    virtual void SelectPen(int32_t style, int32_t width, Colour colour) = 0;
    // Selects the brush that fills rectangles and ellipses.
    virtual void SelectSolidBrush(Colour colour) = 0;
    // Selects the hollow brush: shapes are outlined only.
    virtual void SelectNullBrush() = 0;
    virtual void MoveTo(int32_t x, int32_t y) = 0;
    // Draws from the current position to (x, y) without the end pixel; (x, y) becomes current.
    virtual void LineTo(int32_t x, int32_t y) = 0;
    // Outlines with the pen and fills with the brush; right and bottom exclusive.
    virtual void Rectangle(int32_t left, int32_t top, int32_t right, int32_t bottom) = 0;
    // The ellipse inscribed in the rectangle, outlined and filled like Rectangle.
    virtual void Ellipse(int32_t left, int32_t top, int32_t right, int32_t bottom) = 0;
    // Fills the rectangle with a colour, ignoring pen and brush.
    virtual void FillRect(const ChartRect& rect, Colour colour) = 0;

    // Selects the font for TextOut and the measurements.
    virtual void SelectFont(const FontDescription& font) = 0;
    // Sets how TextOut places text around its reference point (TextAlign values).
    virtual void SetTextAlign(uint32_t align) = 0;
    virtual void SetTextColour(Colour colour) = 0;
    // Text is drawn without filling its cell (the default fills it with white).
    virtual void SetTransparentBackground() = 0;
    // Draws UTF-8 text at the reference point; nothing for empty text.
    virtual void TextOut(int32_t x, int32_t y, const std::string& text) = 0;
    // Metrics of the selected font; all 0 when no font can be measured.
    virtual TextMetrics GetTextMetrics() = 0;
    // Size of the text in the selected font, measured along the text; cx 0 for empty text.
    virtual TextSize GetTextExtent(const std::string& text) = 0;

    // An off-screen surface of the given size, or null when none can be made (callers then draw
    // straight onto this one).
    virtual std::unique_ptr<Canvas> CreateCompatible(int32_t width, int32_t height) = 0;
    // Copies all of an off-screen surface made by CreateCompatible to (x, y) in one transfer;
    // nothing for a surface of another kind.
    virtual void CopyFrom(Canvas& offScreen, int32_t x, int32_t y) = 0;
};
