// The workbench window: a modeless dialog created once per process by the first menu command. It
// owns the workbench state, the calibration and the controls, routes each control to its operation,
// and applies what the display-free operations return to its widgets.
#pragma once

#include "base/MessageSink.h"
#include "components/ComponentsTable.h"
#include "gpc/CCalibration.h"
#include "grid/GridParent.h"
#include "resources/DialogLayout.h"
#include "workbench/RecalculationPass.h"
#include "workbench/WorkbenchContext.h"
#include "workbench/WorkbenchState.h"

#include <QDialog>

#include <map>
#include <memory>

class CAutoCtrl;
class Dlg_Components;
class CGridCtrl;
class QComboBox;
class QLineEdit;
class QPushButton;
class QLabel;

class DlgMain : public QDialog, private GridParent {
    Q_OBJECT

public:
    // Builds the window from its template and runs the initialisation: the stored settings and
    // assays restored, the channel list, the point flags and the first recalculation. The host, the
    // profile, the environment and the texts come from context. Message boxes go to messages, or to
    // QMessageBox when it is null; a given sink must outlive the dialog.
    DlgMain(QWidget* parent, const WorkbenchContext& context, MessageSink* messages = nullptr);
    ~DlgMain() override;

    WorkbenchState& State() { return state_; }
    const WorkbenchState& State() const { return state_; }

    // The operations of the workbench, each as its control triggers it.
    void AddAssays();
    void DeleteSelectedAssays();
    void DeleteAllAssays();
    void OpenSelectedAssayFiles();
    void OnAssayCheckChanged(int row);
    void OnPointCheckChanged(int row);
    void OnCalibrationTypeChanged();
    void OnChannelChanged();
    void OnKChanged();
    void OnAlphaChanged();
    void Recalculate();
    void RefitPoints();
    void MakeReport();
    // Opens the components dialog modally; every close recalculates.
    void ShowComponents();
    void SaveSettings();
    void RestoreSettings();

    // The control with a template identifier (WorkbenchControl); null when none.
    QWidget* Control(int id) const;
    CGridCtrl& AssaysList() const { return *assaysList_; }
    CGridCtrl& PointsList() const { return *pointsList_; }
    CAutoCtrl& Chart() const { return *chart_; }
    const CCalibration& Calibration() const { return *calibration_; }

protected:
    // "Закрыть" and the close box: the settings are stored and the window hidden.
    void reject() override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Copies the edits and combos into the state; false, with the complaint shown and the members
    // from that edit on left as they were, when an edit does not begin with a number.
    bool ReadControls();
    // Writes the state into the edits and combos; a changed K or Alpha text then runs its handler,
    // as an edit of the user would, unless runEditHandlers is false.
    void WriteControls(bool runEditHandlers = true);

    void BuildControls();
    QWidget* MakeControl(const DialogItem& item);
    void SetUpButtons();
    void SetUpLists();
    void SetUpChart();
    void Initialise();
    void Connect();

    void RefillAssayList();
    void SyncAssayChecks();
    void RebuildChannels(int changedRow);
    void NotifyHost();
    int RemoveAssays(bool all);
    void FillPointsList(const std::vector<PointsListRow>& rows);
    void ShowChart(const std::optional<ChartData>& chart);
    std::vector<PointsListRow> ShownPoints() const;
    QString Tr(const char* russian) const;

    void OnGridItemChanged(const GridItemChangedNotify& notify) override;
    void OnGridDblClk(const GridDblClkNotify& notify) override;

    WorkbenchState state_;
    WorkbenchContext context_;
    std::unique_ptr<MessageSink> ownMessages_;
    MessageSink* messages_;
    std::unique_ptr<CCalibration> calibration_;
    ComponentsTable components_;
    Dlg_Components* componentsDialog_ = nullptr;  // a child of the workbench
    std::vector<PointsListRow> pointRows_;  // what the points list shows, row by row
    ChartData chartData_;  // the chart's own copies of the series it shows

    std::map<int, QWidget*> controls_;  // by template identifier
    DialogLayout layout_;
    CGridCtrl* assaysList_ = nullptr;
    CGridCtrl* pointsList_ = nullptr;
    CAutoCtrl* chart_ = nullptr;
    QComboBox* typeCombo_ = nullptr;
    QComboBox* dependenceCombo_ = nullptr;
    QComboBox* channelCombo_ = nullptr;
};
