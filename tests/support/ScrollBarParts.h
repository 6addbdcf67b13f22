// Where a scroll bar's style puts a part of the bar (the thumb, the grooves), as a user sees it.
#pragma once

#include <QRect>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>

// The rectangle of part in bar's own coordinates, from the state the bar paints itself with.
inline QRect ScrollBarPart(const QScrollBar& bar, QStyle::SubControl part) {
    QStyleOptionSlider option;
    option.initFrom(&bar);
    option.orientation = bar.orientation();
    if (bar.orientation() == Qt::Horizontal) option.state |= QStyle::State_Horizontal;
    option.minimum = bar.minimum();
    option.maximum = bar.maximum();
    option.sliderPosition = bar.sliderPosition();
    option.sliderValue = bar.value();
    option.singleStep = bar.singleStep();
    option.pageStep = bar.pageStep();
    const bool mirrored = bar.orientation() == Qt::Horizontal && bar.layoutDirection() == Qt::RightToLeft;
    option.upsideDown = mirrored != bar.invertedAppearance();
    return bar.style()->subControlRect(QStyle::CC_ScrollBar, &option, part, &bar);
}
