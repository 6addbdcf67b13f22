// The components dialog: template 105 (the grid and four buttons) laid out in pixels from the dialog
// font, and the table edits behind it.
#include "components/Dlg_Components.h"

#include "base/MessageSink.h"
#include "components/MolarMassText.h"
#include "grid/CGridCtrl.h"
#include "resources/ResourceLibrary.h"
#include "resources/WindowTexts.h"

#include <QPushButton>
#include <QShowEvent>

#include <algorithm>

Dlg_Components::Dlg_Components(MessageSink& messages, const ModuleEnvironment& environment,
                               const ResourceLibrary& texts, QWidget* parent)
    : QDialog(parent),
      messages_(messages),
      environment_(environment),
      texts_(texts),
      layout_(ComponentsTemplate(), DialogFont(ComponentsTemplate())) {
    const DialogTemplate& dialog = ComponentsTemplate();
    setWindowTitle(QTr(dialog.caption));
    setFont(DialogFont(dialog));
    setFixedSize(layout_.TemplateSize());
    grid_ = new CGridCtrl(IDC_COMPONENTS_GRID, this, this);
    layout_.Add(grid_, *FindDialogItem(dialog, IDC_COMPONENTS_GRID));
    grid_->SetExtendedStyle(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    grid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    grid_->InsertColumn(0, QTr(ComponentsText::kNumber), Qt::AlignLeft, 50);
    grid_->InsertColumn(1, QTr(ComponentsText::kComponent), Qt::AlignLeft, 205);
    grid_->InsertColumn(2, QTr(ComponentsText::kComponentName), Qt::AlignLeft, 205);
    grid_->InsertColumn(3, QTr(ComponentsText::kMolarMass), Qt::AlignLeft, 135);
    saveButton_ = MakeButton(1);
    cancelButton_ = MakeButton(2);
    addButton_ = MakeButton(ComponentsControl::kAddComponent);
    deleteButton_ = MakeButton(ComponentsControl::kDeleteComponents);
    layout_.Place(size());
    connect(saveButton_, &QPushButton::clicked, this, &Dlg_Components::accept);
    connect(cancelButton_, &QPushButton::clicked, this, &Dlg_Components::reject);
    connect(addButton_, &QPushButton::clicked, this, &Dlg_Components::AddComponent);
    connect(deleteButton_, &QPushButton::clicked, this, &Dlg_Components::DeleteSelected);
}

std::string Dlg_Components::Tr(const std::string& russian) const {
    return texts_.Translate(kComponentsContext, russian);
}

QString Dlg_Components::QTr(const std::string& russian) const { return QString::fromStdString(Tr(russian)); }

QPushButton* Dlg_Components::MakeButton(int id) {
    const DialogItem& item = *FindDialogItem(ComponentsTemplate(), id);
    auto* button = new QPushButton(QTr(item.text), this);
    button->setAutoDefault(false);
    button->setDefault(item.kind == DialogItemKind::DefaultButton);
    layout_.Add(button, item);
    return button;
}

void Dlg_Components::showEvent(QShowEvent* event) {
    // A showing of the window starts from the file; a spontaneous event (the window restored from
    // the task bar) does not throw the edits away.
    if (!event->spontaneous()) InitTable();
    QDialog::showEvent(event);
}

void Dlg_Components::InitTable() {
    table_.filePath = ComponentsFilePath(environment_, kComponentsFileName);
    table_.components.clear();
    if (!table_.filePath.empty()) table_.LoadTable();
    stored_ = table_.components;
    FillList();
}

void Dlg_Components::FillList() {
    grid_->DeleteAllRows();
    for (size_t i = 0; i < table_.components.size(); ++i) {
        const Component& component = table_.components[i];
        const int row = grid_->InsertRow(static_cast<int>(i), QString::number(i + 1));
        grid_->SetItemText(row, 1, QString::fromStdString(component.component));
        grid_->SetItemText(row, 2, QString::fromStdString(component.componentName));
        grid_->SetItemText(row, 3, QString::fromStdString(FormatMolarMass(component.molarMass, table_.precision)));
        GridRowData data;
        data.key = component.id;
        grid_->SetRowData(row, data);
    }
}

void Dlg_Components::AddComponent() {
    table_.components.push_back({table_.nextId, Tr(ComponentsText::kNewComponentKey), "-", 0.0});
    table_.nextId = IdAfter(table_.nextId);
    FillList();
}

void Dlg_Components::DeleteSelected() {
    for (const int row : grid_->SelectedRows()) {
        const GridRowData* data = grid_->RowData(row);
        if (data == nullptr) continue;
        const auto found = std::find_if(table_.components.begin(), table_.components.end(),
                                        [&](const Component& c) { return c.id == data->key; });
        if (found != table_.components.end()) table_.components.erase(found);
    }
    FillList();
}

void Dlg_Components::StoreCell(int row, int column) {
    if (row < 0 || static_cast<size_t>(row) >= table_.components.size()) return;
    Component& component = table_.components[static_cast<size_t>(row)];
    const std::string text = grid_->ItemText(row, column).toStdString();
    switch (column) {
    case 1: component.component = text; break;
    case 2: component.componentName = text; break;
    case 3: component.molarMass = ParseMolarMass(text); break;
    default: break;
    }
}

intptr_t Dlg_Components::OnGridCell(const GridCellNotify& notify) {
    switch (notify.header.code) {
    case GN_BEGINEDIT: return notify.column > 0 ? 1 : 0;
    case GN_CELLCHANGED: StoreCell(notify.row, notify.column); return 1;
    default: return 0;
    }
}

void Dlg_Components::accept() {
    const Status saved = table_.SaveTable();
    if (!saved) {
        messages_.Show(saved.message, MessageId::ComponentsCaption, MessageSink::Buttons::Ok, MessageSink::Icon::Error);
        return;
    }
    QDialog::accept();
}

void Dlg_Components::reject() {
    if (table_.components == stored_) {
        QDialog::reject();
        return;
    }
    const MessageSink::Answer answer =
        messages_.Show(MessageId::LeaveWithoutSavingQuestion, MessageId::LeaveWithoutSavingCaption,
                       MessageSink::Buttons::OkCancel, MessageSink::Icon::Question);
    if (answer == MessageSink::Answer::Ok) QDialog::reject();
}
