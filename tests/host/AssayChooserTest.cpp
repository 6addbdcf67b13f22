// The modal assay chooser: the rows it lists and the identifiers it hands back.
#include "host/AssayChooserDialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <array>
#include <functional>

namespace {

const std::vector<AssayRow> Rows = {
    {12, 1700000000, "/data/a.chr", "PS-1", "THF", "GPC-A", true},
    {7, 1700000100, "/data/b.chr", "Гель", "THF", "GPC-A", false},
    {40, 1700000200, "/data/c.chr", "PMMA", "DMF", "GPC-B", false},
};

void ClickRow(AssayTable* table, int row, Qt::KeyboardModifiers modifiers) {
    const QRect cell = table->visualItemRect(table->item(row, 0));
    QTest::mouseClick(table->viewport(), Qt::LeftButton, modifiers, cell.center());
}

QPushButton* Button(QDialog* dialog, QDialogButtonBox::StandardButton which) {
    return dialog->findChild<QDialogButtonBox*>()->button(which);
}

// Runs the chooser modally over list; act works on the shown dialog, which it must close.
int32_t ChooseWith(AssayIdList* list, const std::function<void(AssayChooserDialog*)>& act) {
    QTimer::singleShot(0, [act] {
        auto* dialog = qobject_cast<AssayChooserDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        act(dialog);
    });
    // A failed step above leaves the dialog open: close it so that the test ends.
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] {
        if (auto* dialog = QApplication::activeModalWidget()) dialog->close();
    });
    guard.start(10000);
    return AssayChooserDialog::Choose(Rows, list, nullptr);
}

TEST(AssayChooser, ListsEveryRowWithItsColumns) {
    AssayChooserDialog dialog(Rows, nullptr);
    AssayTable* table = dialog.Table();
    ASSERT_EQ(table->rowCount(), 3);
    ASSERT_EQ(table->columnCount(), 7);
    EXPECT_EQ(table->item(0, 0)->text(), "12");
    EXPECT_EQ(table->item(0, 2)->text(), "/data/a.chr");
    EXPECT_EQ(table->item(1, 3)->text(), QString::fromUtf8("Гель"));
    EXPECT_EQ(table->item(2, 4)->text(), "DMF");
    EXPECT_EQ(table->item(2, 5)->text(), "GPC-B");
    EXPECT_NE(table->item(0, 6)->text(), table->item(1, 6)->text());
    EXPECT_FALSE(table->item(0, 1)->text().isEmpty());
}

TEST(AssayChooser, OkHandsBackTheSelectedIdentifiers) {
    std::array<int32_t, ASSAY_ID_LIST_CAPACITY> ids{};
    AssayIdList list{ids.data(), ASSAY_ID_LIST_CAPACITY};
    const int32_t count = ChooseWith(&list, [](AssayChooserDialog* dialog) {
        ClickRow(dialog->Table(), 2, Qt::NoModifier);
        ClickRow(dialog->Table(), 0, Qt::ControlModifier);
        QTest::mouseClick(Button(dialog, QDialogButtonBox::Ok), Qt::LeftButton);
    });
    ASSERT_EQ(count, 2);
    EXPECT_EQ(ids[0], 12);
    EXPECT_EQ(ids[1], 40);
    EXPECT_EQ(ids[2], 0);
}

TEST(AssayChooser, AnswerIsCutToTheListCapacity) {
    std::array<int32_t, 2> ids{};
    AssayIdList list{ids.data(), 1};
    const int32_t count = ChooseWith(&list, [](AssayChooserDialog* dialog) {
        dialog->Table()->selectAll();
        QTest::mouseClick(Button(dialog, QDialogButtonBox::Ok), Qt::LeftButton);
    });
    EXPECT_EQ(count, 1);
    EXPECT_EQ(ids[0], 12);
    EXPECT_EQ(ids[1], 0);
}

TEST(AssayChooser, CancelHandsBackNothing) {
    std::array<int32_t, 4> ids{};
    AssayIdList list{ids.data(), 4};
    const int32_t count = ChooseWith(&list, [](AssayChooserDialog* dialog) {
        dialog->Table()->selectAll();
        QTest::mouseClick(Button(dialog, QDialogButtonBox::Cancel), Qt::LeftButton);
    });
    EXPECT_EQ(count, 0);
    EXPECT_EQ(ids[0], 0);
}

TEST(AssayChooser, UnusableListShowsNoDialog) {
    AssayIdList list{nullptr, 4};
    EXPECT_EQ(AssayChooserDialog::Choose(Rows, &list, nullptr), 0);
    EXPECT_EQ(AssayChooserDialog::Choose(Rows, nullptr, nullptr), 0);
}

}  // namespace
