// The workbench window: a modeless dialog created once per process by the first menu command. It
// owns the workbench and the controls, turns each control's use into a workbench operation, and then
// shows the workbench's view in every control.
#pragma once

#include "base/MessageSink.h"
#include "gpc/CCalibration.h"
#include "grid/GridParent.h"
#include "resources/DialogLayout.h"
#include "workbench/Workbench.h"
#include "workbench/WorkbenchContext.h"

#include <QDialog>

#include <functional>
#include <map>
#include <memory>
#include <vector>

class CAutoCtrl;
class Dlg_Components;
class CGridCtrl;
class QAction;
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

    WorkbenchState& State() { return workbench_.State(); }
    const WorkbenchState& State() const { return workbench_.State(); }

    // The operations of the workbench, each as its control triggers it.
    void AddAssays();
    void DeleteSelectedAssays();
    void DeleteAllAssays();
    void OpenSelectedAssayFiles();
    // Runs the whole pass again and shows it (after the components table or the state changed).
    void Recalculate();
    void MakeReport();
    // Opens the components dialog modally; every close recalculates.
    void ShowComponents();
    void SaveSettings();

    // The control with a template identifier (WorkbenchControl); null when none.
    QWidget* Control(int id) const;
    CGridCtrl& AssaysList() const { return *assaysList_; }
    CGridCtrl& PointsList() const { return *pointsList_; }
    CGridCtrl& ResultsList() const { return *resultsList_; }
    CAutoCtrl& Chart() const { return *chart_; }
    CAutoCtrl& DistributionChart() const { return *distributionChart_; }
    const CCalibration& Calibration() const { return workbench_.Calibration(); }

protected:
    // "Закрыть" and the close box: the settings are stored and the window hidden.
    void reject() override;
    void resizeEvent(QResizeEvent* event) override;
    // Ctrl+C in the results list copies the whole list.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    QWidget* MakeControl(const DialogItem& item);
    void SetUpButtons();
    void SetUpLists();
    void SetUpResultsList();
    void SetUpChart();
    void Connect();
    void RestoreSettings();

    // Runs one workbench operation and then shows the view. An operation asked for while another one
    // runs (a control's signal while a message box waits) is dropped: the view shown afterwards puts the
    // control back to what the workbench holds. Only the leaving of an edit waits and runs afterwards.
    void Run(const std::function<void()>& operation);
    void Show();
    void ShowAssays();
    void RefillAssayList();
    void ShowChannels();
    void ShowEdits();
    // The pair of edits of what is known of the standards that the chosen type uses.
    void ShowStandardEdits();
    void ShowPointColumns();
    void ShowPoints();
    void ShowSamples();
    void ShowChart();
    // Puts the results list, with its column titles, on the clipboard as tab-separated text.
    void CopySamples();
    void NotifyHost();
    std::vector<int32_t> SelectedAssayIds() const;
    QLineEdit* Edit(int id) const;
    QString Tr(const char* russian) const;

    intptr_t OnGridCell(const GridCellNotify& notify) override;
    void OnGridContextMenu(const GridPointNotify& notify) override;
    void OnGridItemChanged(const GridItemChangedNotify& notify) override;
    void OnGridDblClk(const GridDblClkNotify& notify) override;

    WorkbenchContext context_;
    std::unique_ptr<MessageSink> ownMessages_;
    MessageSink* messages_;
    Workbench workbench_;
    Dlg_Components* componentsDialog_ = nullptr;  // a child of the workbench
    std::vector<PointsListRow> shownRows_;  // what the points list shows, row by row
    std::array<bool, 3> shownPointColumns_{};  // the type's optional columns the points list has
    std::vector<SampleRow> shownSamples_;  // what the results list shows, row by row
    ChartData chartData_;  // the chart's own copies of the series it shows
    MolarMassDistribution distributionData_;  // the distribution chart's own copies
    bool busy_ = false;  // an operation runs
    std::vector<std::function<void()>> finishesAfterRun_;  // edits left while an operation ran
    bool showing_ = false;  // the controls are being written; their notifications are not the user's

    std::map<int, QWidget*> controls_;  // by template identifier
    DialogLayout layout_;
    CGridCtrl* assaysList_ = nullptr;
    CGridCtrl* pointsList_ = nullptr;
    CGridCtrl* resultsList_ = nullptr;
    QAction* copySamples_ = nullptr;  // Ctrl+C in the results list and its context menu
    CAutoCtrl* chart_ = nullptr;
    CAutoCtrl* distributionChart_ = nullptr;
    QComboBox* typeCombo_ = nullptr;
    QComboBox* dependenceCombo_ = nullptr;
    QComboBox* channelCombo_ = nullptr;
};
