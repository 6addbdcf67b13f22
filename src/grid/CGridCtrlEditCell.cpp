// The in-place cell editor of a CGridCtrl: its keys and the end of editing.
#include "grid/CGridCtrlEditCell.h"

#include "grid/CGridCtrl.h"

#include <QFocusEvent>
#include <QKeyEvent>

namespace {

// Keys the editor keeps from the dialog and its shortcuts: Enter must not press the default
// button, Escape must not close the dialog, Delete and Ctrl+key (copy, paste ...) edit the text.
bool KeptByEditor(const QKeyEvent& key) {
    switch (key.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
    case Qt::Key_Delete: return true;
    default: return key.modifiers().testFlag(Qt::ControlModifier);
    }
}

}  // namespace

CGridCtrlEditCell::CGridCtrlEditCell(CGridCtrl& grid, const QPersistentModelIndex& cell, const QString& initialText)
    : QLineEdit(initialText, grid.viewport()), grid_(&grid), cell_(cell), initialText_(initialText) {
    setFrame(true);
}

bool CGridCtrlEditCell::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride && KeptByEditor(*static_cast<QKeyEvent*>(event))) {
        event->accept();
        return true;
    }
    return QLineEdit::event(event);
}

void CGridCtrlEditCell::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Escape: cancelled_ = true; [[fallthrough]];
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (grid_) grid_->setFocus(Qt::OtherFocusReason);
        Finish();  // also when the window is inactive and no focus change arrives
        event->accept();
        return;
    default:
        QLineEdit::keyPressEvent(event);
        if (KeptByEditor(*event)) event->accept();
    }
}

void CGridCtrlEditCell::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // The editor's own context menu takes the focus only for a moment; the edit goes on.
    if (event->reason() != Qt::PopupFocusReason) Finish();
}

void CGridCtrlEditCell::Finish() {
    if (!grid_) return;
    CGridCtrl* owner = grid_;
    grid_ = nullptr;
    hide();
    owner->EndLabelEdit(cell_, cancelled_ ? std::nullopt : std::optional<QString>(text()));
    deleteLater();
}
