// Places the controls of a dialog template in a Qt window: dialog units turned into pixels with the
// metrics of the dialog font, and each control's share of a window size change applied on resize.
#pragma once

#include "resources/DialogTemplate.h"

#include <QFont>
#include <QRect>
#include <QSize>

#include <utility>
#include <vector>

class QWidget;

// The template's font: "MS Shell Dlg" resolved to a sans-serif face of similar metrics.
QFont DialogFont(const DialogTemplate& dialog);

class DialogLayout {
public:
    // Measures the dialog units of font.
    DialogLayout(const DialogTemplate& dialog, const QFont& font);

    // Pixels of one dialog unit times 4 across and times 8 down (the font's average Latin letter
    // width and its height).
    int BaseX() const { return baseX_; }
    int BaseY() const { return baseY_; }
    // The template's client size in pixels.
    QSize TemplateSize() const;
    // The item's rectangle in pixels in a client area of clientSize (the template size: as drawn).
    QRect ItemRect(const DialogItem& item, QSize clientSize) const;

    // Adds a control that follows item; it must live as long as the layout is placed.
    void Add(QWidget* control, const DialogItem& item);
    // Sets every added control's geometry for a client area of clientSize. A drop-down combo keeps
    // the height of its closed box, since the template's height includes the open list; a label is
    // never narrower than its text.
    void Place(QSize clientSize) const;

private:
    const DialogTemplate& dialog_;
    int baseX_;
    int baseY_;
    std::vector<std::pair<QWidget*, const DialogItem*>> controls_;
};
