// The workbench window: template 101 turned into widgets, the initialisation, the data exchange
// between the controls and the state, and each control routed to its operation.
#include "workbench/DlgMain.h"

#include "base/NumberText.h"
#include "chart/CAutoCtrl.h"
#include "chart/CalibrationChart.h"
#include "components/Dlg_Components.h"
#include "data/AssayDateText.h"
#include "data/DataBase.h"
#include "gpc/CalibrationNames.h"
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

#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QResizeEvent>
#include <QScrollBar>
#include <QSignalBlocker>

namespace {

constexpr int kMinimumWidth = 1172;  // pixels
constexpr int kMinimumHeight = 690;
constexpr int kPolydisperse = 1;
constexpr int kMaxNumberText = 400;  // characters of an edit read as a number

// The edits exchanged as floating-point text, in the order the exchange runs, with their members:
// an input of the state, or one of its results when input is null.
struct NumberEdit {
    int id;
    double WorkbenchState::*input;
    double CalibrationResults::*result;
};
const NumberEdit kNumberEdits[] = {
    {WorkbenchControl::kKEdit, &WorkbenchState::K, nullptr},
    {WorkbenchControl::kAlphaEdit, &WorkbenchState::Alpha, nullptr},
    {WorkbenchControl::kMn, nullptr, &CalibrationResults::Mn},
    {WorkbenchControl::kMw, nullptr, &CalibrationResults::Mw},
    {WorkbenchControl::kMwMn, nullptr, &CalibrationResults::MwMn},
    {WorkbenchControl::kMz, nullptr, &CalibrationResults::Mz},
    {WorkbenchControl::kMz1, nullptr, &CalibrationResults::Mz1},
    {WorkbenchControl::kMp, nullptr, &CalibrationResults::Mp},
    {WorkbenchControl::kK0, nullptr, &CalibrationResults::k0},
    {WorkbenchControl::kK1, nullptr, &CalibrationResults::k1},
    {WorkbenchControl::kK2, nullptr, &CalibrationResults::k2},
    {WorkbenchControl::kK3, nullptr, &CalibrationResults::k3},
};

double& Member(WorkbenchState& state, const NumberEdit& edit) {
    return edit.input ? state.*edit.input : state.results.*edit.result;
}

struct Column {
    const char* title;
    int width;  // pixels
};
const Column kAssayColumns[] = {
    {WorkbenchText::kNumber, 40},  {WorkbenchText::kFileName, 130},    {WorkbenchText::kSample, 89},
    {WorkbenchText::kMixture, 86}, {WorkbenchText::kAnalysisTime, 90}, {WorkbenchText::kCalculationType, 80},
    {WorkbenchText::kMethod, 140},
};

// The part of a stored file name after its last "\" or "/".
std::string ShownFileName(const std::string& path) {
    const std::string::size_type slash = path.find_last_of("\\/");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

int ComboIndex(int32_t index, const QComboBox& combo) { return index >= 0 && index < combo.count() ? index : -1; }

}  // namespace

DlgMain::DlgMain(QWidget* parent, const WorkbenchContext& context, MessageSink* messages)
    : QDialog(parent),
      context_(context),
      ownMessages_(messages ? nullptr : std::make_unique<QtMessageSink>(this, context.texts)),
      messages_(messages ? messages : ownMessages_.get()),
      calibration_(std::make_unique<CCalibration>()),
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
    Initialise();
}

DlgMain::~DlgMain() {
    // The lists notify their parent while they are torn down; nothing may react any more.
    state_.AssaysReady = false;
    state_.PointsReady = false;
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
        chart_ = new CAutoCtrl(this);
        return chart_;
    }
    case DialogItemKind::ListView: {
        auto* grid = new CGridCtrl(item.id, this, this);
        (item.id == WorkbenchControl::kAssaysList ? assaysList_ : pointsList_) = grid;
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
    chart_->zoomEnabled = false;
    chart_->hScrollEnabled = false;
    chart_->vScrollEnabled = false;
    // The frame it replaces takes no mouse input.
    chart_->setAttribute(Qt::WA_TransparentForMouseEvents);
}

void DlgMain::SetUpLists() {
    assaysList_->SetExtendedStyle(LVS_EX_GRIDLINES | LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
    assaysList_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    assaysList_->horizontalScrollBar()->setValue(0);
    for (const Column& column : kAssayColumns)
        assaysList_->InsertColumn(assaysList_->columnCount(), Tr(column.title), Qt::AlignLeft, column.width);
    pointsList_->SetExtendedStyle(LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
    pointsList_->InsertColumn(0, Tr(WorkbenchText::kPointComponent), Qt::AlignLeft, 112);
    pointsList_->InsertColumn(1, Tr(WorkbenchText::kPointTime), Qt::AlignLeft, 120);
    pointsList_->InsertColumn(2, QStringLiteral("MM"), Qt::AlignLeft, 80);
    for (const char* type : kCalibrationTypeNames) typeCombo_->addItem(Tr(type));
    for (const char* dependence : kDependenceNames) dependenceCombo_->addItem(QString::fromUtf8(dependence));
    typeCombo_->setCurrentIndex(0);
    dependenceCombo_->setCurrentIndex(0);
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
    // Only a choice of the user counts as a selection change, not the dialog's own.
    connect(typeCombo_, &QComboBox::activated, this, &DlgMain::OnCalibrationTypeChanged);
    connect(dependenceCombo_, &QComboBox::activated, this, &DlgMain::OnCalibrationTypeChanged);
    connect(channelCombo_, &QComboBox::activated, this, &DlgMain::OnChannelChanged);
    connect(static_cast<QLineEdit*>(Control(WorkbenchControl::kKEdit)), &QLineEdit::textChanged, this,
            &DlgMain::OnKChanged);
    connect(static_cast<QLineEdit*>(Control(WorkbenchControl::kAlphaEdit)), &QLineEdit::textChanged, this,
            &DlgMain::OnAlphaChanged);
}

void DlgMain::Initialise() {
    WriteControls(false);  // the start values, so that every edit holds a number from the start
    RestoreSettings();
    if (state_.K == 0.0) state_.K = 1.0;
    RebuildChannels(-1);
    state_.PointFlags = RebuildPointFlags(state_.Assays, state_.ChannelIndex);
    OnCalibrationTypeChanged();
    state_.AssaysReady = true;
}

bool DlgMain::ReadControls() {
    for (const NumberEdit& edit : kNumberEdits) {
        const QString text = static_cast<QLineEdit*>(Control(edit.id))->text().left(kMaxNumberText);
        const std::optional<double> value = ParseLeadingDouble(text.toStdString());
        if (!value) {
            messages_->Show(MessageId::EnterNumber, {}, MessageSink::Buttons::Ok, MessageSink::Icon::Warning);
            Control(edit.id)->setFocus();
            return false;
        }
        Member(state_, edit) = *value;
    }
    state_.GradIndex = typeCombo_->currentIndex();
    state_.FormulaIndex = dependenceCombo_->currentIndex();
    state_.ChannelIndex = channelCombo_->currentIndex();
    return true;
}

void DlgMain::WriteControls(bool runEditHandlers) {
    // All edits are written first and only then the changed K and Alpha texts handled, so a handler
    // never reads a half-written set of controls.
    bool kChanged = false;
    bool alphaChanged = false;
    for (const NumberEdit& edit : kNumberEdits) {
        auto* line = static_cast<QLineEdit*>(Control(edit.id));
        const QString text = QString::fromStdString(FormatGeneral(Member(state_, edit), 15));
        if (line->text() == text) continue;
        const QSignalBlocker quiet(line);
        line->setText(text);
        line->setCursorPosition(0);  // a number too long for the box shows its leading digits
        kChanged |= edit.id == WorkbenchControl::kKEdit;
        alphaChanged |= edit.id == WorkbenchControl::kAlphaEdit;
    }
    typeCombo_->setCurrentIndex(ComboIndex(state_.GradIndex, *typeCombo_));
    dependenceCombo_->setCurrentIndex(ComboIndex(state_.FormulaIndex, *dependenceCombo_));
    channelCombo_->setCurrentIndex(ComboIndex(state_.ChannelIndex, *channelCombo_));
    if (!runEditHandlers) return;
    if (kChanged) OnKChanged();
    if (alphaChanged) OnAlphaChanged();
}

void DlgMain::NotifyHost() {
    QWidget* owner = parentWidget();
    QWidget* above = owner ? owner->parentWidget() : nullptr;
    QObject* target = above ? static_cast<QObject*>(above) : QCoreApplication::instance();
    if (target) QCoreApplication::postEvent(target, new QEvent(kAssaysChangedEventType));
}

void DlgMain::RefillAssayList() {
    assaysList_->DeleteAllRows();
    for (size_t i = 0; i < state_.Assays.size(); ++i) {
        const Assay& assay = state_.Assays[i];
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
        // Setting the box is a check-box change of the row: it runs the inclusion handling.
        assaysList_->SetCheck(row, assay.included != 0);
    }
}

void DlgMain::SyncAssayChecks() {
    const bool ready = state_.AssaysReady;
    state_.AssaysReady = false;
    for (size_t i = 0; i < state_.Assays.size() && static_cast<int>(i) < assaysList_->RowCount(); ++i)
        assaysList_->SetCheck(static_cast<int>(i), state_.Assays[i].included != 0);
    state_.AssaysReady = ready;
}

void DlgMain::RebuildChannels(int changedRow) {
    const ChannelListResult result = ::RebuildChannels(state_, changedRow, *messages_);
    SyncAssayChecks();
    if (result.rebuilt) {
        channelCombo_->clear();
        for (int32_t index = 0; index < result.entries; ++index) channelCombo_->addItem(QString::number(index));
        channelCombo_->setCurrentIndex(result.entries > 0 ? 0 : -1);
    }
    WriteControls();
}

void DlgMain::AddAssays() {
    ReadControls();
    if (!context_.host.Serves(HOST_CMD_OPEN_ASSAY_ID_DLG)) return;
    for (size_t i = 0; i < state_.Assays.size() && static_cast<int>(i) < assaysList_->RowCount(); ++i)
        state_.Assays[i].included = assaysList_->IsChecked(static_cast<int>(i)) ? 1 : 0;
    std::vector<int32_t> ids(ASSAY_ID_LIST_CAPACITY, 0);
    AssayIdList list{ids.data(), ASSAY_ID_LIST_CAPACITY};
    // A window handle between the host and its plug-ins is the QWidget pointer, as the menu command's
    // parent is; a native window id would mean nothing to the host.
    const intptr_t count = context_.host.Call(HOST_CMD_OPEN_ASSAY_ID_DLG, reinterpret_cast<intptr_t>(&list),
                                              reinterpret_cast<intptr_t>(static_cast<QWidget*>(this)));
    if (count == 0 || count > ASSAY_ID_LIST_CAPACITY) return;
    try {
        DataBase::Handle db(context_.environment.DatabaseLocation());
        int loaded = 0;
        Status loadError;
        for (intptr_t i = 0; i < count; ++i) {
            const AssayLoad load = LoadAssay(db, ids[i], state_.Assays);
            if (load.index >= 0) ++loaded;
            if (!load.status) loadError = load.status;
        }
        if (loaded > 0) {
            RefillAssayList();
            NotifyHost();
        }
        if (!loadError)
            messages_->Show(loadError.message, std::nullopt, MessageSink::Buttons::Ok, MessageSink::Icon::Error);
    } catch (const DataBase::SqlException& e) {
        messages_->Show(Message{MessageId::DatabaseError, e.what()}, {}, MessageSink::Buttons::Ok,
                        MessageSink::Icon::Error);
        return;
    }
    RebuildChannels(-1);
    Recalculate();
    WriteControls();
}

int DlgMain::RemoveAssays(bool all) {
    int count = 0;
    if (all) {
        count = static_cast<int>(state_.Assays.size());
        state_.Assays.clear();
    }
    for (int row : assaysList_->SelectedRows()) {
        const GridRowData* data = assaysList_->RowData(row);
        if (!data) continue;
        const auto found = std::find_if(state_.Assays.begin(), state_.Assays.end(),
                                        [id = data->key](const Assay& a) { return a.id == id; });
        if (found == state_.Assays.end()) continue;
        state_.Assays.erase(found);
        ++count;
    }
    return count;
}

void DlgMain::DeleteSelectedAssays() {
    RemoveAssays(false);
    RefillAssayList();
    NotifyHost();
    Recalculate();
}

void DlgMain::DeleteAllAssays() {
    RemoveAssays(true);
    RefillAssayList();
    NotifyHost();
    Recalculate();
}

void DlgMain::OpenSelectedAssayFiles() {
    std::vector<int32_t> ids;
    for (int row : assaysList_->SelectedRows())
        if (const GridRowData* data = assaysList_->RowData(row)) ids.push_back(data->key);
    try {
        OpenAssayFiles(context_.host, context_.environment, ids);
    } catch (const DataBase::SqlException& e) {
        messages_->Show(Message{MessageId::DatabaseError, e.what()}, {}, MessageSink::Buttons::Ok,
                        MessageSink::Icon::Error);
    }
}

void DlgMain::OnAssayCheckChanged(int row) {
    if (row >= 0 && static_cast<size_t>(row) < state_.Assays.size())
        state_.Assays[row].included = assaysList_->IsChecked(row) ? 1 : 0;
    RebuildChannels(row);
    state_.PointFlags.clear();
    for (const Assay& assay : state_.Assays) {
        if (assay.included == 0) continue;
        if (assay.channels.empty()) {
            messages_->Show(MessageId::AssayWithoutInformation);
            assaysList_->SetCheck(row, false);
            return;
        }
        if (state_.ChannelIndex == -1 || static_cast<size_t>(state_.ChannelIndex) + 1 > assay.channels.size())
            state_.ChannelIndex = 0;
        AppendPointFlags(assay.channels[state_.ChannelIndex].table, state_.PointFlags);
    }
    if (state_.GradIndex != kPolydisperse) Recalculate();
    WriteControls();
}

void DlgMain::OnPointCheckChanged(int row) {
    if (!state_.PointsReady || row < 0 || static_cast<size_t>(row) >= pointRows_.size()) {
        WriteControls();
        return;
    }
    const auto point = static_cast<size_t>(pointRows_[row].point);
    // Flags may be shorter than the points after assays came or went; a point without one is used.
    if (state_.PointFlags.size() <= point) state_.PointFlags.resize(point + 1, 1);
    state_.PointFlags[point] = pointsList_->IsChecked(row) ? 1 : 0;
    pointRows_[row].used = state_.PointFlags[point] != 0;
    if (pointsList_->RowCount() != 1) RefitPoints();
    WriteControls();
}

void DlgMain::OnCalibrationTypeChanged() {
    ReadControls();
    state_.PointsReady = false;
    for (int i = 0; i < 3; ++i) pointsList_->DeleteColumn(2);
    if (state_.GradIndex == kPolydisperse) return;
    chart_->SetCaptions(Tr(kWindowTimeCaption).toStdString(),
                        state_.GradIndex == 0 ? kMolarMassCaption : kUniversalMolarMassCaption);
    dependenceCombo_->setEnabled(true);
    static_cast<QLabel*>(Control(WorkbenchControl::kKLabel))->setText(QStringLiteral("K"));
    static_cast<QLabel*>(Control(WorkbenchControl::kAlphaLabel))->setText(QStringLiteral("Alpha"));
    pointsList_->InsertColumn(2, QStringLiteral("MM"), Qt::AlignLeft, 80);
    if (state_.GradIndex != 0) {
        pointsList_->InsertColumn(3, QStringLiteral("K"), Qt::AlignLeft, 80);
        pointsList_->InsertColumn(4, QStringLiteral("Alpha"), Qt::AlignLeft, 80);
    }
    Recalculate();
    state_.PointsReady = true;
    WriteControls();
}

void DlgMain::OnChannelChanged() {
    state_.ChannelIndex = channelCombo_->currentIndex();
    state_.PointFlags = RebuildPointFlags(state_.Assays, state_.ChannelIndex);
    OnCalibrationTypeChanged();
}

void DlgMain::OnKChanged() {
    const QString text = static_cast<QLineEdit*>(Control(WorkbenchControl::kKEdit))->text();
    if (text.isEmpty() || text.endsWith('.')) return;  // still being typed
    ReadControls();
    if (state_.K > 100.0) {
        messages_->Show(MessageId::KTooLarge);
        state_.K = 1.0;
    }
    if (state_.K == 0.0) state_.K = 1.0;
    Recalculate();
    WriteControls();
}

void DlgMain::OnAlphaChanged() {
    const QString text = static_cast<QLineEdit*>(Control(WorkbenchControl::kAlphaEdit))->text();
    if (text.isEmpty() || text.endsWith('.')) return;
    ReadControls();
    if (state_.Alpha > 100.0) {
        messages_->Show(MessageId::AlphaTooLarge);
        state_.Alpha = 1.0;
    }
    Recalculate();
    WriteControls();
}

void DlgMain::FillPointsList(const std::vector<PointsListRow>& rows) {
    pointsList_->DeleteAllRows();
    pointRows_ = rows;
    for (size_t j = 0; j < rows.size(); ++j) {
        const int row = pointsList_->InsertRow(static_cast<int>(j), QString::fromStdString(rows[j].texts[0]));
        pointsList_->SetRowData(row, GridRowData{});
        for (int column = 1; column < pointsList_->columnCount() && column < 5; ++column)
            pointsList_->SetItemText(row, column, QString::fromStdString(rows[j].texts[column]));
        pointsList_->SetCheck(row, rows[j].used);
    }
}

void DlgMain::ShowChart(const std::optional<ChartData>& chart) {
    if (!chart) return;
    chartData_ = *chart;
    ShowCalibration(chart_->Panel(), chartData_.curveX, chartData_.curveY, chartData_.pointX, chartData_.pointY);
    chart_->repaint();
}

void DlgMain::Recalculate() {
    const PassResult pass = ::Recalculate(context_.environment, state_, components_, *calibration_, *messages_);
    if (!pass.ran) return;
    // The list's own check-box notifications of the rebuild must not reach the calculation.
    state_.PointsReady = false;
    FillPointsList(pass.rows);
    ShowChart(pass.chart);
    WriteControls();
    state_.PointsReady = true;
}

void DlgMain::RefitPoints() { ShowChart(::RefitPoints(state_, *calibration_, *messages_)); }

std::vector<PointsListRow> DlgMain::ShownPoints() const {
    std::vector<PointsListRow> rows;
    for (int row = 0; row < pointsList_->RowCount(); ++row) {
        PointsListRow shown;
        for (int column = 0; column < 5; ++column)
            shown.texts[column] = pointsList_->ItemText(row, column).toStdString();
        shown.used = pointsList_->IsChecked(row);
        rows.push_back(std::move(shown));
    }
    return rows;
}

void DlgMain::MakeReport() {
    QtReportPlatform platform;
    ReportBuilder builder(platform, context_.environment);
    const std::vector<PointsListRow> shown = ShownPoints();
    builder.calibration = calibration_.get();
    builder.assays = &state_.Assays;
    builder.pointsList = &shown;
    const Status status = builder.Build();
    if (IsToldToUser(status))
        messages_->Show(status.message, std::nullopt, MessageSink::Buttons::Ok, MessageSink::Icon::Error);
}

void DlgMain::ShowComponents() {
    componentsDialog_->InitTable();
    componentsDialog_->exec();
    Recalculate();
}

void DlgMain::SaveSettings() {
    ReadControls();
    for (size_t i = 0; i < state_.Assays.size() && static_cast<int>(i) < assaysList_->RowCount(); ++i)
        state_.Assays[i].included = assaysList_->IsChecked(static_cast<int>(i)) ? 1 : 0;
    SaveAssaySet(context_.profile, state_.Assays);
    const QRect frame = frameGeometry();
    SaveWorkbenchValues(context_.profile, {frame.left(), frame.top(), frame.right() + 1, frame.bottom() + 1}, state_);
    WriteControls();
}

void DlgMain::RestoreSettings() {
    if (RestoreAssaySet(context_.profile, context_.environment, state_.Assays, *messages_) > 0) {
        RefillAssayList();
        NotifyHost();
    }
    const WindowRect rect = RestoreWindowRect(context_.profile);
    move(rect.left, rect.top);
    resize(std::max(rect.right - rect.left, kMinimumWidth), std::max(rect.bottom - rect.top, kMinimumHeight));
    RestoreWorkbenchValues(context_.profile, state_);
    WriteControls(false);
}

void DlgMain::reject() {
    SaveSettings();
    QDialog::reject();
}

void DlgMain::OnGridItemChanged(const GridItemChangedNotify& notify) {
    if (notify.oldState.checked == notify.newState.checked) return;
    if (notify.header.sourceId == WorkbenchControl::kAssaysList && state_.AssaysReady) OnAssayCheckChanged(notify.row);
    if (notify.header.sourceId == WorkbenchControl::kPointsList) OnPointCheckChanged(notify.row);
}

void DlgMain::OnGridDblClk(const GridDblClkNotify& notify) {
    if (notify.header.sourceId == WorkbenchControl::kAssaysList) OpenSelectedAssayFiles();
}
