// The components dialog: template 105 (the grid and four buttons) laid out in pixels from the dialog
// font, and the table edits behind it.
#include "components/Dlg_Components.h"

#include "grid/CGridCtrl.h"
#include "components/MolarMassText.h"
#include "base/MessageSink.h"
#include "resources/ResourceLibrary.h"
#include "resources/WindowTexts.h"

#include <QPushButton>
#include <QShowEvent>

#include <algorithm>

Dlg_Components::Dlg_Components(MessageSink& messages, const ModuleEnvironment& environment,
                               const ResourceLibrary& texts, QWidget* parent)
    : QDialog(parent),
      messages(messages),
      environment(environment),
      texts(texts),
      layout(ComponentsTemplate(), DialogFont(ComponentsTemplate())) {
    const DialogTemplate& dialog = ComponentsTemplate();
    setWindowTitle(QTr(dialog.caption));
    setFont(DialogFont(dialog));
    setFixedSize(layout.TemplateSize());
    grid = new CGridCtrl(IDC_COMPONENTS_GRID, this, this);
    layout.Add(grid, *FindDialogItem(dialog, IDC_COMPONENTS_GRID));
    grid->SetExtendedStyle(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    grid->InsertColumn(0, QTr(ComponentsText::kNumber), Qt::AlignLeft, 50);
    grid->InsertColumn(1, QTr(ComponentsText::kComponent), Qt::AlignLeft, 205);
    grid->InsertColumn(2, QTr(ComponentsText::kComponentName), Qt::AlignLeft, 205);
    grid->InsertColumn(3, QTr(ComponentsText::kMolarMass), Qt::AlignLeft, 135);
    saveButton = MakeButton(1);
    cancelButton = MakeButton(2);
    addButton = MakeButton(1028);
    deleteButton = MakeButton(1035);
    layout.Place(size());
    connect(saveButton, &QPushButton::clicked, this, &Dlg_Components::accept);
    connect(cancelButton, &QPushButton::clicked, this, &Dlg_Components::reject);
    connect(addButton, &QPushButton::clicked, this, &Dlg_Components::AddComponent);
    connect(deleteButton, &QPushButton::clicked, this, &Dlg_Components::DeleteSelected);
}

std::string Dlg_Components::Tr(const std::string& russian) const { return texts.Translate(kComponentsContext, russian); }

QString Dlg_Components::QTr(const std::string& russian) const { return QString::fromStdString(Tr(russian)); }

QPushButton* Dlg_Components::MakeButton(int id) {
    const DialogItem& item = *FindDialogItem(ComponentsTemplate(), id);
    auto* button = new QPushButton(QTr(item.text), this);
    button->setAutoDefault(false);
    button->setDefault(item.kind == DialogItemKind::DefaultButton);
    layout.Add(button, item);
    return button;
}

void Dlg_Components::showEvent(QShowEvent* event) {
    // A showing of the window starts from the file; a spontaneous event (the window restored from
    // the task bar) does not throw the edits away.
    if (!event->spontaneous()) InitTable();
    QDialog::showEvent(event);
}

void Dlg_Components::InitTable() {
    table.filePath = ComponentsFilePath(environment, kComponentsFileName);
    table.components.clear();
    if (!table.filePath.empty()) table.LoadTable();
    FillList();
}

void Dlg_Components::FillList() {
    grid->DeleteAllRows();
    for (size_t i = 0; i < table.components.size(); ++i) {
        const Component& component = table.components[i];
        const int row = grid->InsertRow(static_cast<int>(i), QString::number(i + 1));
        grid->SetItemText(row, 1, QString::fromStdString(component.component));
        grid->SetItemText(row, 2, QString::fromStdString(component.componentName));
        grid->SetItemText(row, 3, QString::fromStdString(FormatMolarMass(component.molarMass, table.precision)));
        GridRowData data;
        data.key = component.id;
        grid->SetRowData(row, data);
    }
}

void Dlg_Components::AddComponent() {
    table.components.push_back({table.nextId, Tr(ComponentsText::kNewComponentKey), "-", 0.0});
    table.nextId = IdAfter(table.nextId);
    FillList();
}

void Dlg_Components::DeleteSelected() {
    for (const int row : grid->SelectedRows()) {
        const GridRowData* data = grid->RowData(row);
        if (data == nullptr) continue;
        const auto found = std::find_if(table.components.begin(), table.components.end(),
                                        [&](const Component& c) { return c.id == data->key; });
        if (found != table.components.end()) table.components.erase(found);
    }
    FillList();
}

void Dlg_Components::StoreCell(int row, int column) {
    if (row < 0 || static_cast<size_t>(row) >= table.components.size()) return;
    Component& component = table.components[static_cast<size_t>(row)];
    const std::string text = grid->ItemText(row, column).toStdString();
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
    const Status saved = table.SaveTable();
    if (!saved) {
        messages.Show(saved.message, MessageId::ComponentsCaption, MessageSink::Buttons::Ok, MessageSink::Icon::Error);
        return;
    }
    QDialog::accept();
}

void Dlg_Components::reject() {
    const MessageSink::Answer answer =
        messages.Show(MessageId::LeaveWithoutSavingQuestion, MessageId::LeaveWithoutSavingCaption,
                      MessageSink::Buttons::OkCancel, MessageSink::Icon::Question);
    if (answer == MessageSink::Answer::Ok) QDialog::reject();
}
