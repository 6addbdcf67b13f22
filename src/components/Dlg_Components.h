// Dlg_Components: the modal dialog in which the user edits the components table: one grid row per
// component (number, key, display name, molar mass in g/mol), edited in place; "Сохранить" writes
// the file and closes, "Отмена" (Escape, the close box) asks before dropping the edits.
// The caller opens it with exec() (or show()); every showing rereads the file, and the finished()
// signal tells that it closed whatever the outcome.
#pragma once

#include "base/ModuleEnvironment.h"
#include "components/ComponentsTable.h"
#include "grid/GridParent.h"
#include "resources/DialogLayout.h"
#include "resources/ResourceLibrary.h"

#include <QDialog>

#include <string>
#include <vector>

class CGridCtrl;
class MessageSink;
class QPushButton;

inline constexpr int32_t IDC_COMPONENTS_GRID = ComponentsControl::kGrid;

class Dlg_Components : public QDialog, public GridParent {
    Q_OBJECT

public:
    // messages shows the confirmations and save failures, environment names the documents folder and
    // texts gives the dialog's texts in the language in use; all three must outlive the dialog.
    Dlg_Components(MessageSink& messages, const ModuleEnvironment& environment, const ResourceLibrary& texts,
                   QWidget* parent = nullptr);

    // The table as last read or edited; empty before the first showing.
    const ComponentsTable& Table() const { return table_; }
    // The dialog's controls (owned by the dialog, alive as long as it is).
    CGridCtrl& Grid() const { return *grid_; }
    QPushButton& SaveButton() const { return *saveButton_; }
    QPushButton& CancelButton() const { return *cancelButton_; }
    QPushButton& AddButton() const { return *addButton_; }
    QPushButton& DeleteButton() const { return *deleteButton_; }

    // Rereads the file of the environment's documents folder (an empty grid when it names none) and refills the grid.
    void InitTable();
    // Appends a placeholder component with the next id and refills the grid.
    void AddComponent();
    // Removes the components of the selected rows (by id) and refills the grid; nothing selected: no change.
    void DeleteSelected();
    // Stores the grid's text of a cell into the table; rows outside the table and column 0 store nothing.
    void StoreCell(int row, int column);

    // Writes the table; closes with Accepted on success, otherwise shows why and stays open.
    void accept() override;
    // Closes with Rejected: at once when the table holds what was last read (an edit undone is no
    // change), otherwise once the user confirms leaving without saving.
    void reject() override;

    // Begin-edit: non-zero for columns 1 to 3 only. Cell changed: stores the cell, answers 1. Others: 0.
    intptr_t OnGridCell(const GridCellNotify& notify) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FillList();
    // The button of template item id, its text translated.
    QPushButton* MakeButton(int id);
    // A text of the dialog in the language in use.
    std::string Tr(const std::string& russian) const;
    QString QTr(const std::string& russian) const;

    MessageSink& messages_;
    const ModuleEnvironment& environment_;
    const ResourceLibrary& texts_;
    ComponentsTable table_;
    // The table as last read; a save closes the dialog, and the next showing reads the file again.
    std::vector<Component> stored_;
    DialogLayout layout_;
    CGridCtrl* grid_ = nullptr;
    QPushButton* saveButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QPushButton* addButton_ = nullptr;
    QPushButton* deleteButton_ = nullptr;
};
