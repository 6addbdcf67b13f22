// CGridCtrlEditCell: the single-line editor a CGridCtrl opens over one of its cells. Enter keeps the
// text, Escape drops it; either way, or when the focus goes elsewhere, the editor hands its result
// to the grid once and deletes itself.
#pragma once

#include "grid/CGridCtrl.h"

#include <QLineEdit>
#include <QPersistentModelIndex>
#include <QPointer>

class CGridCtrlEditCell : public QLineEdit {
    Q_OBJECT

public:
    // An editor over cell of grid, showing initialText; it is a child of the grid's rows area.
    CGridCtrlEditCell(CGridCtrl& grid, const QPersistentModelIndex& cell, const QString& initialText);

    // The edited cell; -1 once its row is gone.
    int Row() const { return cell_.row(); }
    int Column() const { return cell_.column(); }
    // The cell's text when the editor opened.
    const QString& InitialText() const { return initialText_; }
    // True once Escape dropped the typed text.
    bool Cancelled() const { return cancelled_; }

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    friend class CGridCtrl;

    // Hands the result to the grid (once) and schedules the deletion.
    void Finish();
    // Cuts the editor loose from a grid that is being destroyed.
    void Detach() { grid_ = nullptr; }

    QPointer<CGridCtrl> grid_;
    QPersistentModelIndex cell_;  // follows the row through sorting and insertions
    QString initialText_;
    bool cancelled_ = false;
};
