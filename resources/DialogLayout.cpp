// Dialog units to pixels, as the platform the templates come from defines them.
#include "resources/DialogLayout.h"

#include <QFontMetrics>
#include <QWidget>

#include <algorithm>

QFont DialogFont(const DialogTemplate& dialog) {
    QFont font;
    // "MS Shell Dlg" stands for Microsoft Sans Serif, whose metrics Arial and Liberation Sans share;
    // the first face found wins.
    font.setFamilies({"MS Shell Dlg", "Microsoft Sans Serif", "Arial", "Liberation Sans"});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(dialog.fontPoints);
    return font;
}

DialogLayout::DialogLayout(const DialogTemplate& dialog, const QFont& font) : dialog_(dialog) {
    const QFontMetrics metrics(font);
    // The average width of the 52 Latin letters, rounded, and the font's height.
    baseX_ =
        (metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) / 26 + 1) /
        2;
    baseY_ = metrics.height();
}

QSize DialogLayout::TemplateSize() const { return QSize(dialog_.width * baseX_ / 4, dialog_.height * baseY_ / 8); }

QRect DialogLayout::ItemRect(const DialogItem& item, QSize clientSize) const {
    // The edges are converted, not the width and height, so that controls whose edges line up in
    // dialog units line up in pixels.
    const QSize grow = clientSize - TemplateSize();
    const int left = item.x * baseX_ / 4 + grow.width() * item.moveX / 100;
    const int top = item.y * baseY_ / 8 + grow.height() * item.moveY / 100;
    const int right = (item.x + item.width) * baseX_ / 4 + grow.width() * (item.moveX + item.sizeX) / 100;
    const int bottom = (item.y + item.height) * baseY_ / 8 + grow.height() * (item.moveY + item.sizeY) / 100;
    return QRect(left, top, right - left, bottom - top);
}

void DialogLayout::Add(QWidget* control, const DialogItem& item) { controls_.emplace_back(control, &item); }

void DialogLayout::Place(QSize clientSize) const {
    for (const auto& [control, item] : controls_) {
        QRect rect = ItemRect(*item, clientSize);
        if (item->kind == DialogItemKind::Combo) rect.setHeight(control->sizeHint().height());
        // A translated label longer than the Russian one the template was drawn for is not cut.
        if (item->kind == DialogItemKind::Label) rect.setWidth(std::max(rect.width(), control->sizeHint().width()));
        control->setGeometry(rect);
    }
}
