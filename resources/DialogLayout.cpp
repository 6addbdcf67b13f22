// Dialog units to pixels, as the platform the templates come from defines them.
#include "DialogLayout.h"

#include <QFontMetrics>
#include <QWidget>

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
    baseX_ = (metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) / 26 + 1) / 2;
    baseY_ = metrics.height();
}

QSize DialogLayout::TemplateSize() const { return QSize(dialog_.width * baseX_ / 4, dialog_.height * baseY_ / 8); }

QRect DialogLayout::ItemRect(const DialogItem& item, QSize clientSize) const {
    const QSize grow = clientSize - TemplateSize();
    return QRect(item.x * baseX_ / 4 + grow.width() * item.moveX / 100,
                 item.y * baseY_ / 8 + grow.height() * item.moveY / 100,
                 item.width * baseX_ / 4 + grow.width() * item.sizeX / 100,
                 item.height * baseY_ / 8 + grow.height() * item.sizeY / 100);
}

void DialogLayout::Add(QWidget* control, const DialogItem& item) { controls_.emplace_back(control, &item); }

void DialogLayout::Place(QSize clientSize) const {
    for (const auto& [control, item] : controls_) {
        QRect rect = ItemRect(*item, clientSize);
        if (item->kind == DialogItemKind::Combo) rect.setHeight(control->sizeHint().height());
        control->setGeometry(rect);
    }
}
