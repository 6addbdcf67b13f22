// A shown, active window holding one CGridCtrl (columns "A" and "B", 100 pixels each) and a line
// edit to move the focus to, with a parent that records every notification and answers from a table.
#pragma once

#include "grid/CGridCtrl.h"
#include "grid/CGridCtrlEditCell.h"
#include "grid/GridParent.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

#include <gtest/gtest.h>

#include <map>
#include <vector>

struct Notification {
    int32_t code;
    int32_t first;  // row, column or x
    int32_t second;  // column, ascending, value or y

    bool operator==(const Notification&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const Notification& n) {
    return out << "{0x" << std::hex << n.code << std::dec << ", " << n.first << ", " << n.second << "}";
}

class RecordingParent : public GridParent {
public:
    intptr_t OnGridCell(const GridCellNotify& n) override { return Record(n.header, n.row, n.column); }
    intptr_t OnGridSort(const GridSortNotify& n) override { return Record(n.header, n.column, n.ascending); }
    intptr_t OnGridColumn(const GridColumnNotify& n) override { return Record(n.header, n.column, n.value); }
    void OnGridContextMenu(const GridPointNotify& n) override { Record(n.header, n.x, n.y); }
    void OnGridDblClk(const GridDblClkNotify& n) override {
        Record(n.header, n.activation->row, n.activation->column);
        *n.result = dblClkResult;
    }
    void OnGridItemChanged(const GridItemChangedNotify& n) override {
        Record(n.header, n.row, 0);
        itemChanges.push_back(n);
    }

    // The notifications of one code, in order.
    std::vector<Notification> Of(int32_t code) const {
        std::vector<Notification> found;
        for (const Notification& n : all) {
            if (n.code == code) found.push_back(n);
        }
        return found;
    }

    void Clear() {
        all.clear();
        itemChanges.clear();
    }

    std::map<int32_t, intptr_t> answers;  // by code; 0 for codes not listed
    intptr_t dblClkResult = 0;
    std::vector<Notification> all;
    std::vector<GridItemChangedNotify> itemChanges;
    CGridCtrl* expectedSource = nullptr;

private:
    intptr_t Record(const GridNotifyHeader& header, int32_t first, int32_t second) {
        EXPECT_EQ(header.source, expectedSource);
        EXPECT_EQ(header.sourceId, 1034);
        all.push_back({header.code, first, second});
        const auto answer = answers.find(header.code);
        return answer == answers.end() ? 0 : answer->second;
    }
};

class GridFixture : public testing::Test {
protected:
    void SetUp() override {
        auto* layout = new QVBoxLayout(&window);
        grid = new CGridCtrl(1034, &parent, &window);
        other = new QLineEdit(&window);
        layout->addWidget(grid);
        layout->addWidget(other);
        parent.expectedSource = grid;
        grid->InsertColumn(0, "A", Qt::AlignLeft, 100);
        grid->InsertColumn(1, "B", Qt::AlignRight, 100);
        window.resize(400, 300);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    // Appends rows whose column 0 holds texts[i] and column 1 holds "b" + texts[i].
    void AddRows(const std::vector<QString>& texts) {
        for (const QString& text : texts) {
            const int row = grid->InsertRow(grid->RowCount(), text);
            grid->SetItemText(row, 1, "b" + text);
            grid->SetRowData(row, GridRowData{CLR_DEFAULT, CLR_DEFAULT, row + 100});
        }
    }

    std::vector<QString> Column(int column) const {
        std::vector<QString> texts;
        for (int row = 0; row < grid->RowCount(); ++row) texts.push_back(grid->ItemText(row, column));
        return texts;
    }

    QPoint CellCenter(int row, int column) const {
        return grid->visualRect(grid->model()->index(row, column)).center();
    }

    void Click(int row, int column, Qt::KeyboardModifiers modifiers = {}) {
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, modifiers, CellCenter(row, column));
    }

    // What a real double click delivers: press, release, double click, release.
    void DoubleClickAt(const QPoint& position) {
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, position);
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, position);
        QTest::mouseRelease(grid->viewport(), Qt::LeftButton, {}, position);
    }

    void DoubleClick(int row, int column) { DoubleClickAt(CellCenter(row, column)); }

    // The editor that has the focus, if any.
    static CGridCtrlEditCell* FocusedEditor() { return qobject_cast<CGridCtrlEditCell*>(QApplication::focusWidget()); }

    static void DeleteLaterObjects() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    RecordingParent parent;
    QWidget window;
    CGridCtrl* grid = nullptr;
    QLineEdit* other = nullptr;
};
