// The workbench window: template 101 turned into widgets, the initialisation, the data exchange
// between the controls and the state, and each control routed to its operation.
#include "workbench/DlgMain.h"

#include "base/NumberText.h"
#include "chart/CAutoCtrl.h"
#include "chart/CalibrationChart.h"
#include "chart/DistributionChart.h"
#include "components/Dlg_Components.h"
#include "data/AssayDateText.h"
#include "data/DataBase.h"
#include "gpc/CalibrationNames.h"
#include "gpc/SampleRowTexts.h"
#include "grid/CGridCtrl.h"
#include "hostlink/AssaysChangedEvent.h"
#include "report/QtReportPlatform.h"
#include "report/ReportBuilder.h"
#include "resources/DialogTemplate.h"
#include "resources/ModuleIcons.h"
#include "resources/ResourceLibrary.h"
#include "resources/StringTable.h"
#include "resources/WindowTexts.h"
#include "workbench/AssayLoading.h"
#include "workbench/CalibrationPoints.h"
#include "workbench/ChannelList.h"
#include "workbench/QtMessageSink.h"
#include "workbench/WorkbenchSettings.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QResizeEvent>
#include <QScrollBar>
#include <QSignalBlocker>

#include <utility>

namespace {

constexpr int kMinimumWidth = 1172;  // pixels
constexpr int kMinimumHeight = 690;

// The read-only edits of the averages (Mn, Mw, Mw/Mn, Mz, Mz+1, Mp) and coefficients (k0 .. k3), in
// the order of the view's texts.
constexpr int kAverageEdits[] = {WorkbenchControl::kMn, WorkbenchControl::kMw,  WorkbenchControl::kMwMn,
                                 WorkbenchControl::kMz, WorkbenchControl::kMz1, WorkbenchControl::kMp};
constexpr int kCoefficientEdits[] = {WorkbenchControl::kK0, WorkbenchControl::kK1, WorkbenchControl::kK2,
                                     WorkbenchControl::kK3};
// R^2 and the standard error of Y, in the order of the view's fit texts.
constexpr int kFitEdits[] = {WorkbenchControl::kDetermination, WorkbenchControl::kStdError};

// The points list's optional columns from column 2 on, as the view's pointColumns names them.
constexpr const char* kPointColumnTitles[] = {"MM", "K", "Alpha"};
constexpr int kPointColumnWidth = 80;  // pixels
constexpr int kPointNameWidth = 112;  // pixels, the least the standards' names get
// The fit's columns after them, as PointsListRow::fitTexts holds them.
constexpr const char* kPointFitTitles[] = {WorkbenchText::kFitMolarMass, WorkbenchText::kDeviation};
constexpr int kPointFitWidths[] = {125, 100};  // pixels

struct Column {
    const char* title;
    int width;  // pixels
};
const Column kAssayColumns[] = {
    {WorkbenchText::kNumber, 40},  {WorkbenchText::kFileName, 130},    {WorkbenchText::kSample, 89},
    {WorkbenchText::kMixture, 86}, {WorkbenchText::kAnalysisTime, 90}, {WorkbenchText::kCalculationType, 80},
    {WorkbenchText::kMethod, 140},
};
// The results list, in the order of SampleColumn; the averages' titles are not translated.
const Column kSampleColumns[] = {
    {WorkbenchText::kFileName, 120},
    {WorkbenchText::kSample, 140},
    {"Mn", 88},
    {"Mw", 88},
    {"Mw/Mn", 70},
    {"Mz", 88},
    {"Mz+1", 88},
    {"Mp", 88},
    {WorkbenchText::kOutsideCalibration, 130},
};
static_assert(std::size(kSampleColumns) == static_cast<size_t>(SampleColumn::Count));
constexpr uint32_t kMarkedTextColour = 0x0000C0;  // dark red: averages that rest on an extrapolation

// The texts of a points list row under the columns the view shows: the point and its time, the type's
// optional columns, the fit's columns.
std::vector<std::string> PointCells(const PointsListRow& row, const std::array<bool, 3>& shown) {
    std::vector<std::string> cells{row.texts[0], row.texts[1]};
    for (size_t i = 0; i < shown.size(); ++i)
        if (shown[i]) cells.push_back(row.texts[i + 2]);
    cells.insert(cells.end(), row.fitTexts.begin(), row.fitTexts.end());
    return cells;
}

int ComboIndex(int32_t index, const QComboBox& combo) { return index >= 0 && index < combo.count() ? index : -1; }

// Writes text into a line edit when it differs, the caret where the user expects it.
void SetEditText(QLineEdit& edit, const std::string& text, bool caretAtEnd) {
    const QString shown = QString::fromStdString(text);
    if (edit.text() == shown) return;
    edit.setText(shown);
    // A number too long for the box shows its leading digits; a corrected entry is typed on at its end.
    edit.setCursorPosition(caretAtEnd ? static_cast<int>(shown.size()) : 0);
}

}  // namespace

DlgMain::DlgMain(QWidget* parent, const WorkbenchContext& context, MessageSink* messages)
    : QDialog(parent),
      context_(context),
      ownMessages_(messages ? nullptr : std::make_unique<QtMessageSink>(this, context.texts)),
      messages_(messages ? messages : ownMessages_.get()),
      workbench_(context_.environment, *messages_),
      layout_(WorkbenchTemplate(), DialogFont(WorkbenchTemplate())) {
    setWindowTitle(Tr(WorkbenchTemplate().caption));
    setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint);
    setMinimumSize(kMinimumWidth, kMinimumHeight);
    setFont(DialogFont(WorkbenchTemplate()));
    setWindowIcon(DialogIcon());
    setAttribute(Qt::WA_AlwaysShowToolTips);  // the buttons' tips show while the window is inactive too
    BuildControls();
    componentsDialog_ = new Dlg_Components(*messages_, context_.environment, context_.texts, this);
    SetUpButtons();
    SetUpChart();
    SetUpLists();
    Connect();
    RestoreSettings();
}

DlgMain::~DlgMain() {
    // The lists notify their parent while they are torn down; nothing may react any more.
    busy_ = true;
    delete assaysList_;
    delete pointsList_;
}

QString DlgMain::Tr(const char* russian) const {
    return QString::fromStdString(context_.texts.Translate(kWorkbenchContext, russian));
}

QWidget* DlgMain::Control(int id) const {
    const auto found = controls_.find(id);
    return found == controls_.end() ? nullptr : found->second;
}

QWidget* DlgMain::MakeControl(const DialogItem& item) {
    switch (item.kind) {
    case DialogItemKind::PushButton:
    case DialogItemKind::DefaultButton:
    case DialogItemKind::IconButton:
    case DialogItemKind::HiddenButton: {
        // An icon button shows its image instead of its text.
        auto* button = new QPushButton(item.kind == DialogItemKind::IconButton ? QString() : Tr(item.text), this);
        button->setAutoDefault(false);
        if (item.kind == DialogItemKind::HiddenButton) button->hide();
        return button;
    }
    case DialogItemKind::Frame: {
        auto* chart = new CAutoCtrl(this);
        (item.id == WorkbenchControl::kChartFrame ? chart_ : distributionChart_) = chart;
        return chart;
    }
    case DialogItemKind::ListView: {
        auto* grid = new CGridCtrl(item.id, this, this);
        if (item.id == WorkbenchControl::kAssaysList) assaysList_ = grid;
        if (item.id == WorkbenchControl::kPointsList) pointsList_ = grid;
        if (item.id == WorkbenchControl::kResultsList) resultsList_ = grid;
        return grid;
    }
    case DialogItemKind::Label: return new QLabel(Tr(item.text), this);
    case DialogItemKind::GroupBox: {
        auto* group = new QGroupBox(Tr(item.text), this);
        group->setAlignment(Qt::AlignHCenter);
        return group;
    }
    case DialogItemKind::Combo: return new QComboBox(this);
    case DialogItemKind::Edit:
    case DialogItemKind::ReadOnlyEdit: {
        auto* edit = new QLineEdit(this);
        if (item.kind == DialogItemKind::ReadOnlyEdit) {
            edit->setReadOnly(true);
            // Grey like the window, as read-only edits are drawn, so the inputs stand out.
            QPalette palette = edit->palette();
            palette.setColor(QPalette::Base, palette.color(QPalette::Window));
            edit->setPalette(palette);
        }
        return edit;
    }
    }
    return nullptr;
}

void DlgMain::BuildControls() {
    const DialogTemplate& dialog = WorkbenchTemplate();
    for (size_t i = 0; i < dialog.count; ++i) {
        const DialogItem& item = dialog.items[i];
        QWidget* control = MakeControl(item);
        if (item.id != -1) controls_[item.id] = control;
        layout_.Add(control, item);
    }
    typeCombo_ = static_cast<QComboBox*>(Control(WorkbenchControl::kTypeCombo));
    dependenceCombo_ = static_cast<QComboBox*>(Control(WorkbenchControl::kDependenceCombo));
    channelCombo_ = static_cast<QComboBox*>(Control(WorkbenchControl::kChannelCombo));
    const QSize size = layout_.TemplateSize();
    resize(std::max(size.width(), kMinimumWidth), std::max(size.height(), kMinimumHeight));
    layout_.Place(this->size());
}

void DlgMain::SetUpButtons() {
    const struct {
        int button;
        int tooltip;  // string table entry
    } kIconButtons[] = {{WorkbenchControl::kAddAssays, kAddAssaysTip},
                        {WorkbenchControl::kDeleteAssays, kDeleteAssayTip},
                        {WorkbenchControl::kDeleteAllAssays, kDeleteAllAssaysTip},
                        {WorkbenchControl::kOpenAssayFiles, kOpenAssayTip},
                        {WorkbenchControl::kReport, kReportTip}};
    for (const auto& [button, tooltip] : kIconButtons) {
        auto* push = static_cast<QPushButton*>(Control(button));
        push->setIcon(ButtonIcon(button));
        push->setIconSize(QSize(16, 16));
        push->setToolTip(QString::fromStdString(context_.texts.String(tooltip)));
    }
}

void DlgMain::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    layout_.Place(size());
}

void DlgMain::SetUpChart() {
    SetUpCalibrationChart(chart_->Panel(), "", "");
    SetUpDistributionChart(distributionChart_->Panel(), kDistributionXCaption, kDistributionYCaption);
    for (CAutoCtrl* chart : {chart_, distributionChart_}) {
        chart->zoomEnabled = false;
        chart->hScrollEnabled = false;
        chart->vScrollEnabled = false;
        // The frame it replaces takes no mouse input.
        chart->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
}

void DlgMain::SetUpLists() {
    assaysList_->SetExtendedStyle(LVS_EX_GRIDLINES | LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
    assaysList_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    assaysList_->horizontalScrollBar()->setValue(0);
    for (const Column& column : kAssayColumns)
        assaysList_->InsertColumn(assaysList_->columnCount(), Tr(column.title), Qt::AlignLeft, column.width);
    pointsList_->SetExtendedStyle(LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
    pointsList_->InsertColumn(0, Tr(WorkbenchText::kPointComponent), Qt::AlignLeft, kPointNameWidth);
    pointsList_->InsertColumn(1, Tr(WorkbenchText::kPointTime), Qt::AlignLeft, 120);
    // The standards' names take the width the other columns leave.
    pointsList_->SetStretchColumn(0);
    SetUpResultsList();
    for (const char* type : kCalibrationTypeNames) typeCombo_->addItem(Tr(type));
    for (const char* dependence : kDependenceNames) dependenceCombo_->addItem(QString::fromUtf8(dependence));
}

void DlgMain::SetUpResultsList() {
    resultsList_->SetExtendedStyle(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    // A row stands for one sample whose averages and distribution are shown: one at a time, in the
    // order of the assays list.
    resultsList_->setSelectionMode(QAbstractItemView::SingleSelection);
    resultsList_->SetNoSortHeader(true);
    for (const Column& column : kSampleColumns)
        resultsList_->InsertColumn(resultsList_->columnCount(), Tr(column.title), Qt::AlignLeft, column.width);
    copySamples_ = new QAction(Tr(WorkbenchText::kCopy), resultsList_);
    copySamples_->setShortcut(QKeySequence::Copy);  // shown in the menu; the key itself is caught below
    connect(copySamples_, &QAction::triggered, this, &DlgMain::CopySamples);
    // The list would copy only its current cell on Ctrl+C; the whole table is what a user pastes.
    resultsList_->installEventFilter(this);
}

void DlgMain::Connect() {
    const auto click = [this](int id, void (DlgMain::*operation)()) {
        connect(static_cast<QPushButton*>(Control(id)), &QPushButton::clicked, this, operation);
    };
    click(WorkbenchControl::kAddAssays, &DlgMain::AddAssays);
    click(WorkbenchControl::kDeleteAssays, &DlgMain::DeleteSelectedAssays);
    click(WorkbenchControl::kDeleteAllAssays, &DlgMain::DeleteAllAssays);
    click(WorkbenchControl::kOpenAssayFiles, &DlgMain::OpenSelectedAssayFiles);
    click(WorkbenchControl::kReport, &DlgMain::MakeReport);
    click(WorkbenchControl::kComponents, &DlgMain::ShowComponents);
    click(2, &DlgMain::reject);
    // Only the user's own choices and typing count, not what Show writes.
    const auto choose = [this](QComboBox* combo, void (Workbench::*operation)(int32_t)) {
        connect(combo, &QComboBox::activated, this,
                [this, operation](int index) { Run([this, operation, index] { (workbench_.*operation)(index); }); });
    };
    choose(typeCombo_, &Workbench::ChooseType);
    choose(dependenceCombo_, &Workbench::ChooseDependence);
    choose(channelCombo_, &Workbench::ChooseChannel);
    const auto type = [this](int id, void (Workbench::*typed)(const std::string&), void (Workbench::*finished)()) {
        connect(Edit(id), &QLineEdit::textEdited, this, [this, typed](const QString& text) {
            Run([this, typed, text] { (workbench_.*typed)(text.toStdString()); });
        });
        connect(Edit(id), &QLineEdit::editingFinished, this, [this, finished] {
            const auto finish = [this, finished] { (workbench_.*finished)(); };
            // A box shown while the user types takes the focus, and the edit tells its leaving only
            // once: dropped, it would leave a refused text in the edit. It is settled after the box.
            if (busy_)
                finishesAfterRun_.push_back(finish);
            else
                Run(finish);
        });
    };
    type(WorkbenchControl::kKEdit, &Workbench::TypeK, &Workbench::FinishK);
    type(WorkbenchControl::kAlphaEdit, &Workbench::TypeAlpha, &Workbench::FinishAlpha);
    type(WorkbenchControl::kStandardK, &Workbench::TypeStandardK, &Workbench::FinishStandardK);
    type(WorkbenchControl::kStandardAlpha, &Workbench::TypeStandardAlpha, &Workbench::FinishStandardAlpha);
    type(WorkbenchControl::kBroadMn, &Workbench::TypeBroadMn, &Workbench::FinishBroadMn);
    type(WorkbenchControl::kBroadMw, &Workbench::TypeBroadMw, &Workbench::FinishBroadMw);
}

QLineEdit* DlgMain::Edit(int id) const { return static_cast<QLineEdit*>(Control(id)); }

void DlgMain::Run(const std::function<void()>& operation) {
    if (busy_) return;
    busy_ = true;
    operation();
    Show();
    busy_ = false;
    for (const std::function<void()>& finish : std::exchange(finishesAfterRun_, {})) Run(finish);
}

void DlgMain::Show() {
    showing_ = true;
    const WorkbenchState& state = State();
    ShowAssays();
    typeCombo_->setCurrentIndex(ComboIndex(state.GradIndex, *typeCombo_));
    dependenceCombo_->setCurrentIndex(ComboIndex(state.FormulaIndex, *dependenceCombo_));
    dependenceCombo_->setEnabled(workbench_.View().dependenceChoosable);
    ShowChannels();
    ShowEdits();
    ShowPointColumns();
    ShowPoints();
    ShowSamples();
    ShowChart();
    showing_ = false;
}

void DlgMain::ShowChannels() {
    const int32_t entries = workbench_.View().channelEntries;
    if (channelCombo_->count() != entries) {
        channelCombo_->clear();
        for (int32_t index = 0; index < entries; ++index) channelCombo_->addItem(QString::number(index));
    }
    channelCombo_->setCurrentIndex(ComboIndex(State().ChannelIndex, *channelCombo_));
}

void DlgMain::ShowEdits() {
    const WorkbenchView& view = workbench_.View();
    SetEditText(*Edit(WorkbenchControl::kKEdit), view.kText, true);
    SetEditText(*Edit(WorkbenchControl::kAlphaEdit), view.alphaText, true);
    ShowStandardEdits();
    for (size_t i = 0; i < view.averageTexts.size(); ++i)
        SetEditText(*Edit(kAverageEdits[i]), view.averageTexts[i], false);
    for (size_t i = 0; i < view.coefficientTexts.size(); ++i) {
        QLineEdit* edit = Edit(kCoefficientEdits[i]);
        SetEditText(*edit, view.coefficientTexts[i], false);
        edit->setToolTip(QString::fromStdString(view.coefficientTexts[i]));
    }
    for (size_t i = 0; i < view.fitTexts.size(); ++i) SetEditText(*Edit(kFitEdits[i]), view.fitTexts[i], false);
}

void DlgMain::ShowStandardEdits() {
    const WorkbenchView& view = workbench_.View();
    const struct {
        int edit;
        int label;
        const std::string& text;
        bool shown;
    } kEdits[] = {
        {WorkbenchControl::kStandardK, WorkbenchControl::kStandardKLabel, view.standardKText, !view.broadStandardShown},
        {WorkbenchControl::kStandardAlpha, WorkbenchControl::kStandardAlphaLabel, view.standardAlphaText,
         !view.broadStandardShown},
        {WorkbenchControl::kBroadMn, WorkbenchControl::kBroadMnLabel, view.broadMnText, view.broadStandardShown},
        {WorkbenchControl::kBroadMw, WorkbenchControl::kBroadMwLabel, view.broadMwText, view.broadStandardShown},
    };
    for (const auto& [edit, label, text, shown] : kEdits) {
        SetEditText(*Edit(edit), text, true);
        Edit(edit)->setVisible(shown);
        Control(label)->setVisible(shown);
    }
    // The standards' constants count for the universal calibration only; elsewhere they wait, greyed.
    for (const int edit : {WorkbenchControl::kStandardK, WorkbenchControl::kStandardAlpha})
        Edit(edit)->setEnabled(view.standardConstantsShown);
}

void DlgMain::ShowAssays() {
    const std::vector<Assay>& assays = State().Assays;
    bool same = assaysList_->RowCount() == static_cast<int>(assays.size());
    for (int row = 0; same && row < assaysList_->RowCount(); ++row) {
        const GridRowData* data = assaysList_->RowData(row);
        same = data && data->key == assays[row].id;
    }
    if (!same) {
        RefillAssayList();
        return;
    }
    for (int row = 0; row < assaysList_->RowCount(); ++row) assaysList_->SetCheck(row, assays[row].included != 0);
}

void DlgMain::RefillAssayList() {
    const std::vector<Assay>& assays = State().Assays;
    assaysList_->DeleteAllRows();
    for (size_t i = 0; i < assays.size(); ++i) {
        const Assay& assay = assays[i];
        const int row = assaysList_->InsertRow(static_cast<int>(i), QString());
        assaysList_->SetRowData(row, GridRowData{CLR_DEFAULT, CLR_DEFAULT, assay.id});
        const std::string texts[] = {
            std::to_string(i + 1),
            ShownFileName(assay.fileName),
            assay.sample,
            assay.mixture,
            AssayDateText(assay.date),
            assay.isCalibration ? WorkbenchText::kCalibrationAssay : WorkbenchText::kAnalysisAssay,
            assay.method};
        for (int column = 0; column < 7; ++column) {
            const QString text = QString::fromStdString(texts[column]);
            assaysList_->SetItemText(row, column, column == 5 ? Tr(texts[column].c_str()) : text);
        }
        assaysList_->SetCheck(row, assay.included != 0);
    }
}

void DlgMain::ShowPointColumns() {
    const std::array<bool, 3>& shown = workbench_.View().pointColumns;
    if (shown == shownPointColumns_ && pointsList_->columnCount() > 2) return;
    while (pointsList_->columnCount() > 2) pointsList_->DeleteColumn(2);
    for (size_t i = 0; i < shown.size(); ++i)
        if (shown[i])
            pointsList_->InsertColumn(pointsList_->columnCount(), QString::fromUtf8(kPointColumnTitles[i]),
                                      Qt::AlignLeft, kPointColumnWidth);
    for (size_t i = 0; i < std::size(kPointFitTitles); ++i)
        pointsList_->InsertColumn(pointsList_->columnCount(), Tr(kPointFitTitles[i]), Qt::AlignLeft,
                                  kPointFitWidths[i]);
    shownPointColumns_ = shown;
    // The rows are written again under the new columns; with no rows to write, none may stay behind.
    pointsList_->DeleteAllRows();
    shownRows_.clear();
}

void DlgMain::ShowPoints() {
    const std::vector<PointsListRow>& rows = workbench_.View().points;
    const bool sameTexts = std::equal(
        rows.begin(), rows.end(), shownRows_.begin(), shownRows_.end(),
        [](const PointsListRow& a, const PointsListRow& b) { return a.texts == b.texts && a.fitTexts == b.fitTexts; });
    if (!sameTexts) {
        pointsList_->DeleteAllRows();
        for (size_t j = 0; j < rows.size(); ++j) {
            const std::vector<std::string> cells = PointCells(rows[j], shownPointColumns_);
            const int row = pointsList_->InsertRow(static_cast<int>(j), QString::fromStdString(cells[0]));
            pointsList_->SetRowData(row, GridRowData{});
            for (size_t column = 1; column < cells.size(); ++column)
                pointsList_->SetItemText(row, static_cast<int>(column), QString::fromStdString(cells[column]));
        }
        // Every standard's name whole beside its box; the columns after it scroll when there is no room.
        pointsList_->SetStretchFloor(std::max(kPointNameWidth, pointsList_->ContentWidth(0)));
    }
    for (size_t j = 0; j < rows.size(); ++j) pointsList_->SetCheck(static_cast<int>(j), rows[j].used);
    shownRows_ = rows;
}

void DlgMain::ShowSamples() {
    const WorkbenchView& view = workbench_.View();
    const std::vector<SampleRow>& rows = view.samples;
    const bool sameTexts = std::equal(rows.begin(), rows.end(), shownSamples_.begin(), shownSamples_.end(),
                                      [](const SampleRow& a, const SampleRow& b) { return a.texts == b.texts; });
    if (!sameTexts) {
        resultsList_->DeleteAllRows();
        for (size_t j = 0; j < rows.size(); ++j) {
            const auto& texts = rows[j].texts;
            const int row = resultsList_->InsertRow(static_cast<int>(j), QString::fromStdString(texts[0]));
            resultsList_->SetRowData(row, GridRowData{rows[j].outsideMarked ? kMarkedTextColour : CLR_DEFAULT});
            for (size_t column = 1; column < texts.size(); ++column)
                resultsList_->SetItemText(row, static_cast<int>(column), QString::fromStdString(texts[column]));
        }
        shownSamples_ = rows;
    }
    for (const int row : resultsList_->SelectedRows())
        if (row != view.selectedSample) resultsList_->SetRowSelected(row, false);
    if (view.selectedSample >= 0) resultsList_->SetRowSelected(view.selectedSample, true);
}

void DlgMain::ShowChart() {
    const WorkbenchView& view = workbench_.View();
    chartData_ = view.chart;
    chart_->SetCaptions(Tr(kWindowTimeCaption).toStdString(), view.yCaption);
    ShowCalibration(chart_->Panel(), chartData_.curveX, chartData_.curveY, chartData_.pointX, chartData_.pointY);
    chart_->update();
    distributionData_ = view.distribution;
    ShowDistribution(distributionChart_->Panel(), distributionData_.lgM, distributionData_.w,
                     distributionData_.cumulative);
    distributionChart_->update();
}

void DlgMain::CopySamples() {
    std::array<std::string, std::size(kSampleColumns)> titles;
    for (size_t i = 0; i < titles.size(); ++i) titles[i] = Tr(kSampleColumns[i].title).toStdString();
    QGuiApplication::clipboard()->setText(
        QString::fromStdString(TabSeparatedSamples(titles, workbench_.View().samples)));
}

void DlgMain::NotifyHost() {
    QWidget* owner = parentWidget();
    QWidget* above = owner ? owner->parentWidget() : nullptr;
    QObject* target = above ? static_cast<QObject*>(above) : QCoreApplication::instance();
    if (target) QCoreApplication::postEvent(target, new QEvent(kAssaysChangedEventType));
}

std::vector<int32_t> DlgMain::SelectedAssayIds() const {
    std::vector<int32_t> ids;
    for (int row : assaysList_->SelectedRows())
        if (const GridRowData* data = assaysList_->RowData(row)) ids.push_back(data->key);
    return ids;
}

void DlgMain::AddAssays() {
    if (busy_ || !context_.host.Serves(HOST_CMD_OPEN_ASSAY_ID_DLG)) return;
    std::vector<int32_t> ids(ASSAY_ID_LIST_CAPACITY, 0);
    AssayIdList list{ids.data(), ASSAY_ID_LIST_CAPACITY};
    // A window handle between the host and its plug-ins is the QWidget pointer, as the menu command's
    // parent is; a native window id would mean nothing to the host.
    const intptr_t count = context_.host.Call(HOST_CMD_OPEN_ASSAY_ID_DLG, reinterpret_cast<intptr_t>(&list),
                                              reinterpret_cast<intptr_t>(static_cast<QWidget*>(this)));
    if (count <= 0 || count > ASSAY_ID_LIST_CAPACITY) return;
    ids.resize(static_cast<size_t>(count));
    Run([this, &ids] {
        if (workbench_.AddAssays(ids)) NotifyHost();
    });
}

void DlgMain::DeleteSelectedAssays() {
    Run([this] {
        workbench_.DeleteAssays(SelectedAssayIds());
        NotifyHost();
    });
}

void DlgMain::DeleteAllAssays() {
    Run([this] {
        workbench_.DeleteAllAssays();
        NotifyHost();
    });
}

void DlgMain::OpenSelectedAssayFiles() {
    try {
        OpenAssayFiles(context_.host, context_.environment, SelectedAssayIds());
    } catch (const DataBase::SqlException& e) {
        messages_->Show(Message{MessageId::DatabaseError, e.what()}, {}, MessageSink::Buttons::Ok,
                        MessageSink::Icon::Error);
    }
}

void DlgMain::Recalculate() {
    Run([this] { workbench_.Recalculate(); });
}

void DlgMain::MakeReport() {
    QtReportPlatform platform;
    ReportBuilder builder(platform, context_.environment);
    builder.calibration = &workbench_.Calibration();
    builder.assays = &State().Assays;
    builder.pointsList = &workbench_.View().points;  // as the list shows them
    builder.distributionSample = workbench_.View().selectedSample;  // the sample the window shows
    const Status status = builder.Build();
    if (IsToldToUser(status))
        messages_->Show(status.message, std::nullopt, MessageSink::Buttons::Ok, MessageSink::Icon::Error);
}

void DlgMain::ShowComponents() {
    if (busy_) return;
    componentsDialog_->InitTable();
    componentsDialog_->exec();
    Recalculate();
}

void DlgMain::SaveSettings() {
    SaveAssaySet(context_.profile, State().Assays);
    const QRect frame = frameGeometry();
    SaveWorkbenchValues(context_.profile, {frame.left(), frame.top(), frame.right() + 1, frame.bottom() + 1}, State());
}

void DlgMain::RestoreSettings() {
    Run([this] {
        RestoreAssaySet(context_.profile, context_.environment, State().Assays, *messages_);
        const WindowRect rect = RestoreWindowRect(context_.profile);
        move(rect.left, rect.top);
        // Without a stored rectangle the window opens as its template lays it out.
        const QSize size =
            rect.right > rect.left ? QSize(rect.right - rect.left, rect.bottom - rect.top) : layout_.TemplateSize();
        resize(std::max(size.width(), kMinimumWidth), std::max(size.height(), kMinimumHeight));
        RestoreWorkbenchValues(context_.profile, State());
        workbench_.Start(RestorePointFlags(context_.profile));
        if (!State().Assays.empty()) NotifyHost();
    });
}

void DlgMain::reject() {
    SaveSettings();
    QDialog::reject();
}

void DlgMain::OnGridItemChanged(const GridItemChangedNotify& notify) {
    if (showing_ || notify.oldState.checked == notify.newState.checked) return;
    const bool checked = notify.newState.checked;
    if (notify.header.sourceId == WorkbenchControl::kAssaysList)
        Run([this, &notify, checked] { workbench_.SetIncluded(notify.row, checked); });
    if (notify.header.sourceId == WorkbenchControl::kPointsList)
        Run([this, &notify, checked] { workbench_.SetPointUsed(notify.row, checked); });
}

bool DlgMain::eventFilter(QObject* watched, QEvent* event) {
    const bool copyKey =
        event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy);
    if (watched != resultsList_ || !copyKey) return QDialog::eventFilter(watched, event);
    CopySamples();
    return true;
}

intptr_t DlgMain::OnGridCell(const GridCellNotify& notify) {
    if (!showing_ && notify.header.code == GN_ROWSELECTED && notify.header.sourceId == WorkbenchControl::kResultsList)
        Run([this, row = notify.row] { workbench_.SelectSample(row); });
    return 0;
}

void DlgMain::OnGridContextMenu(const GridPointNotify& notify) {
    if (notify.header.sourceId != WorkbenchControl::kResultsList) return;
    QMenu menu(this);
    menu.addAction(copySamples_);
    menu.exec(QPoint(notify.x, notify.y));
}

void DlgMain::OnGridDblClk(const GridDblClkNotify& notify) {
    if (notify.header.sourceId == WorkbenchControl::kAssaysList) OpenSelectedAssayFiles();
}
