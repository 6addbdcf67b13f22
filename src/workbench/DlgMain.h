// The workbench window: a modeless dialog created once per process by the first menu command.
#pragma once

#include "workbench/WorkbenchState.h"

#include <QDialog>

class DlgMain : public QDialog {
    Q_OBJECT

public:
    // A new workbench with the start values, as a child of parent (may be null).
    explicit DlgMain(QWidget* parent);

    WorkbenchState& State() { return state_; }
    const WorkbenchState& State() const { return state_; }

private:
    WorkbenchState state_;
};
