// The components dialog driven as a user would: clicks, typed cells, the confirmation box; the table
// file lives in a private documents folder that a fake host names.
#include "TempFolder.h"
#include "base/FixedEnvironment.h"
#include "base/MessageSink.h"
#include "components/Component.h"
#include "components/Cp1251Codec.h"
#include "components/Dlg_Components.h"
#include "components/MolarMassText.h"
#include "grid/CGridCtrl.h"
#include "grid/CGridCtrlEditCell.h"
#include "resources/ResourceLibrary.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <functional>

namespace fs = std::filesystem;

namespace {

constexpr const char* kHeader = "Id;Компонент;Имя;ММ";

std::string ScreenshotPath(const std::string& name) {
    return std::string(QUORVEL_SCREENSHOT_DIR) + "/dlg_components_" + name + ".png";
}

class ComponentsDialog : public testing::Test {
protected:
    void SetUp() override { environment.documentsFolder = folder.string(); }
    void TearDown() override {
        if (dialog.isVisible()) {
            messages.answers.push_back(MessageSink::Answer::Ok);
            dialog.reject();
        }
    }

    static std::string TestName() { return testing::UnitTest::GetInstance()->current_test_info()->name(); }
    fs::path FilePath() const { return folder / kComponentsFileName; }
    void WriteFile(const std::string& utf8Lines) { WriteFileBytes(FilePath(), codec.FromUtf8(utf8Lines)); }
    std::string ReadFile() const { return codec.ToUtf8(FileBytes(FilePath())); }
    void Open() {
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    }
    // Saves the window's picture into the build folder for a look by eye.
    void Screenshot() { dialog.grab().save(QString::fromStdString(ScreenshotPath(TestName()))); }
    // Opens the editor over a cell, types text and presses Enter.
    void TypeIntoCell(int row, int column, const QString& text) {
        CGridCtrlEditCell* editor = dialog.Grid().EditCell(row, column);
        ASSERT_NE(editor, nullptr);
        editor->selectAll();
        QTest::keyClick(editor, Qt::Key_Backspace);
        QTest::keyClicks(editor, text);
        QTest::keyClick(editor, Qt::Key_Return);
        QApplication::processEvents();
        EXPECT_TRUE(dialog.isVisible()) << "Enter in a cell editor must not save and close";
    }
    QString Cell(int row, int column) const { return dialog.Grid().ItemText(row, column); }

    const Cp1251Codec codec;
    const TempFolder temporary;
    const fs::path& folder = temporary.Path();
    FixedEnvironment environment{std::nullopt, std::nullopt};
    ResourceLibrary library;
    RecordingMessageSink messages;
    Dlg_Components dialog{messages, environment, library};
};

TEST_F(ComponentsDialog, AddingOnAnEmptyTableGivesThePlaceholderRow) {
    WriteFile(std::string(kHeader) + "\r\n");
    Open();
    QTest::mouseClick(&dialog.AddButton(), Qt::LeftButton);
    Screenshot();
    ASSERT_EQ(dialog.Grid().RowCount(), 1);
    EXPECT_EQ(Cell(0, 0), "1");
    EXPECT_EQ(Cell(0, 1), QString::fromUtf8("Задайте имя компонента!"));
    EXPECT_EQ(Cell(0, 2), "-");
    EXPECT_EQ(Cell(0, 3), "0.00");
    ASSERT_EQ(dialog.Table().components.size(), 1u);
    EXPECT_EQ(dialog.Table().components[0].id, 0);
    EXPECT_EQ(dialog.Grid().RowData(0)->key, 0);
    EXPECT_EQ(dialog.Table().nextId, 1);
}

TEST_F(ComponentsDialog, MolarMassTypedWithACommaIsShownWithTwoDigitsAfterReopening) {
    WriteFile(std::string(kHeader) + "\r\n3;PS;Полистирол;100.00\r\n");
    Open();
    TypeIntoCell(0, 3, "1,5");
    EXPECT_EQ(dialog.Table().components[0].molarMass, 1.5);
    dialog.Grid().setFocus();
    QTest::keyClick(&dialog.Grid(), Qt::Key_Return);  // Enter outside an editor saves
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(ReadFile(), std::string(kHeader) + "\r\n3;PS;Полистирол;1.50\r\n");
    Open();
    Screenshot();
    EXPECT_EQ(Cell(0, 3), "1.50");
}

TEST_F(ComponentsDialog, DashesOrAnEmptyCellGiveTheNoValueMark) {
    struct Row {
        const char* name;
        QString typed;
    };
    const Row rows[] = {{"dashes", "---"}, {"empty", ""}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        WriteFile(std::string(kHeader) + "\r\n0;PS;Полистирол;100.00\r\n");
        Open();
        TypeIntoCell(0, 3, row.typed);
        EXPECT_EQ(dialog.Table().components[0].molarMass, kNoMolarMass);
        QTest::mouseClick(&dialog.AddButton(), Qt::LeftButton);  // rebuilds the list
        EXPECT_EQ(Cell(0, 3), "---");
        Screenshot();
        QTest::mouseClick(&dialog.SaveButton(), Qt::LeftButton);
        EXPECT_EQ(ReadFile(), std::string(kHeader) + "\r\n0;PS;Полистирол;\r\n1;Задайте имя компонента!;-;0.00\r\n");
    }
}

TEST_F(ComponentsDialog, ColumnZeroIsNeverEditable) {
    WriteFile(std::string(kHeader) + "\r\n0;PS;Полистирол;100.00\r\n");
    Open();
    EXPECT_EQ(dialog.Grid().EditCell(0, 0), nullptr);
    const QRect cell = dialog.Grid().visualRect(dialog.Grid().model()->index(0, 0));
    QTest::mouseDClick(dialog.Grid().viewport(), Qt::LeftButton, {}, cell.center());
    EXPECT_EQ(dialog.Grid().viewport()->findChild<CGridCtrlEditCell*>(), nullptr);
    for (int column = 1; column <= 3; ++column) {
        SCOPED_TRACE(column);
        CGridCtrlEditCell* editor = dialog.Grid().EditCell(0, column);
        ASSERT_NE(editor, nullptr);
        QTest::keyClick(editor, Qt::Key_Escape);
        QApplication::processEvents();
    }
    Screenshot();
}

TEST_F(ComponentsDialog, DeletingRowsTwoAndFourRenumbersTheRest) {
    WriteFile(std::string(kHeader) + "\r\n10;A;a;1.00\r\n11;B;b;2.00\r\n12;C;c;3.00\r\n13;D;d;4.00\r\n14;E;e;5.00\r\n");
    Open();
    dialog.Grid().SetRowSelected(1, true);
    dialog.Grid().SetRowSelected(3, true);
    QTest::mouseClick(&dialog.DeleteButton(), Qt::LeftButton);
    Screenshot();
    ASSERT_EQ(dialog.Grid().RowCount(), 3);
    const char* keys[] = {"A", "C", "E"};
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(Cell(row, 0), QString::number(row + 1));
        EXPECT_EQ(Cell(row, 1), keys[row]);
    }
}

TEST_F(ComponentsDialog, CancelAsksAndLeavesTheFileUntouched) {
    const std::string content = std::string(kHeader) + "\r\n0;PS;Полистирол;100.00\r\n";
    WriteFile(content);
    Open();
    TypeIntoCell(0, 1, "PMMA");
    Screenshot();
    messages.answers = {MessageSink::Answer::Cancel};
    QTest::mouseClick(&dialog.CancelButton(), Qt::LeftButton);
    EXPECT_TRUE(dialog.isVisible());
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_EQ(messages.texts[0], "Выйти без сохранения изменений?");
    EXPECT_EQ(messages.captions[0], "Подтверждение выхода");
    messages.answers = {MessageSink::Answer::Ok};
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(messages.texts.size(), 2u);
    EXPECT_EQ(ReadFile(), content);
}

struct LeavingCase {
    const char* name;
    std::function<void()> edit;
    bool asks;
};

struct ClosingWay {
    const char* name;
    std::function<void()> close;
};

// Only unsaved changes are worth a question when the dialog is closed, whichever way the user closes
// it. An edit undone back to the stored value leaves nothing to lose, so it asks nothing either.
TEST_F(ComponentsDialog, LeavingAsksOnlyAboutUnsavedChanges) {
    const auto selectAndDelete = [this](int row) {
        dialog.Grid().SetRowSelected(row, true);
        QTest::mouseClick(&dialog.DeleteButton(), Qt::LeftButton);
    };
    const LeavingCase cases[] = {
        {"nothing done", [] {}, false},
        {"a cell typed again as it was", [this] { TypeIntoCell(0, 1, "PS"); }, false},
        {"a cell changed", [this] { TypeIntoCell(0, 2, "Polystyrene"); }, true},
        {"a cell changed and typed back",
         [this] {
             TypeIntoCell(0, 1, "PMMA");
             TypeIntoCell(0, 1, "PS");
         },
         false},
        {"the molar mass typed as the same number", [this] { TypeIntoCell(0, 3, "100"); }, false},
        {"the molar mass changed", [this] { TypeIntoCell(0, 3, "100,5"); }, true},
        {"a row added", [this] { QTest::mouseClick(&dialog.AddButton(), Qt::LeftButton); }, true},
        {"a row added and deleted again",
         [&] {
             QTest::mouseClick(&dialog.AddButton(), Qt::LeftButton);
             selectAndDelete(1);
         },
         false},
        {"a row deleted", [&] { selectAndDelete(0); }, true},
        {"a save that failed",
         [this] {
             TypeIntoCell(0, 2, "a;b");  // the table refuses a separator inside a field
             QTest::mouseClick(&dialog.SaveButton(), Qt::LeftButton);
         },
         true},
        {"a change saved, the dialog shown again",
         [this] {
             TypeIntoCell(0, 2, "Polystyrene");
             QTest::mouseClick(&dialog.SaveButton(), Qt::LeftButton);
             Open();
         },
         false},
    };
    const ClosingWay ways[] = {
        {"Escape", [this] { QTest::keyClick(&dialog, Qt::Key_Escape); }},
        {"Cancel button", [this] { QTest::mouseClick(&dialog.CancelButton(), Qt::LeftButton); }},
        {"close box", [this] { dialog.close(); }},
    };
    for (const ClosingWay& way : ways) {
        for (const LeavingCase& c : cases) {
            SCOPED_TRACE(std::string(way.name) + ", " + c.name);
            WriteFile(std::string(kHeader) + "\r\n0;PS;Полистирол;100.00\r\n");
            Open();
            c.edit();
            messages = {};
            messages.answers = {MessageSink::Answer::Ok};
            way.close();
            EXPECT_FALSE(dialog.isVisible());
            EXPECT_EQ(messages.texts, c.asks ? std::vector<std::string>{"Выйти без сохранения изменений?"}
                                             : std::vector<std::string>{});
        }
    }
}

TEST_F(ComponentsDialog, FailingSaveKeepsTheDialogOpenWithTheEdits) {
    WriteFile(std::string(kHeader) + "\r\n0;PS;Полистирол;100.00\r\n");
    Open();
    TypeIntoCell(0, 2, "a;b");  // a separator inside a field: the table refuses to write it
    QTest::mouseClick(&dialog.SaveButton(), Qt::LeftButton);
    Screenshot();
    EXPECT_TRUE(dialog.isVisible());
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_NE(messages.texts[0].find("\";\""), std::string::npos);
    EXPECT_EQ(messages.captions[0], "Компоненты");
    EXPECT_EQ(dialog.Table().components[0].componentName, "a;b");
    EXPECT_EQ(Cell(0, 2), "a;b");
    EXPECT_EQ(ReadFile(), std::string(kHeader) + "\r\n0;PS;Полистирол;100.00\r\n");
}

TEST_F(ComponentsDialog, WithoutADocumentsFolderTheGridIsEmptyAndSavingWritesNothing) {
    WriteFile(std::string(kHeader) + "\r\n0;PS;Полистирол;100.00\r\n");
    environment.documentsFolder.reset();
    Open();
    EXPECT_EQ(dialog.Grid().RowCount(), 0);
    QTest::mouseClick(&dialog.AddButton(), Qt::LeftButton);
    QTest::mouseClick(&dialog.SaveButton(), Qt::LeftButton);
    Screenshot();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(messages.texts.size(), 1u);
    EXPECT_EQ(ReadFile(), std::string(kHeader) + "\r\n0;PS;Полистирол;100.00\r\n");
}

TEST_F(ComponentsDialog, ShowsEnglishTextsWithTheTranslationLoaded) {
    ASSERT_TRUE(library.LoadTranslation(QUORVEL_QM_FILE));
    RecordingMessageSink englishMessages;
    Dlg_Components english(englishMessages, environment, library);
    english.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&english));
    english.grab().save(QString::fromStdString(ScreenshotPath("English")));
    EXPECT_EQ(english.windowTitle(), "Components");
    EXPECT_EQ(english.SaveButton().text(), "Save");
    EXPECT_EQ(english.CancelButton().text(), "Cancel");
    EXPECT_EQ(english.AddButton().text(), "Add component");
    EXPECT_EQ(english.DeleteButton().text(), "Delete component(s)");
    EXPECT_EQ(english.Grid().headerItem()->text(3), "Molar mass");
    // The box itself speaks English through the sink, which translates messages by their names.
    QTest::mouseClick(&english.AddButton(), Qt::LeftButton);
    QTest::mouseClick(&english.CancelButton(), Qt::LeftButton);
    ASSERT_EQ(englishMessages.shown.size(), 1u);
    EXPECT_EQ(englishMessages.shown[0].id, MessageId::LeaveWithoutSavingQuestion);
    library.FreeTranslation();
}

TEST(MolarMassText, ParsesTheTypedText) {
    struct Row {
        const char* name;
        const char* text;
        double expected;
    };
    const Row rows[] = {
        {"comma", "1,5", 1.5},       {"point", "2.25", 2.25},     {"dashes", "---", kNoMolarMass},
        {"empty", "", kNoMolarMass}, {"trailing", "12abc", 12.0}, {"no number", "abc", 0.0},
        {"infinite", "inf", 0.0},    {"nan", "nan", 0.0},         {"overflow", "1e999", 0.0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(ParseMolarMass(row.text), row.expected);
    }
    EXPECT_EQ(FormatMolarMass(kNoMolarMass, 2), "---");
    EXPECT_EQ(FormatMolarMass(1.5, 2), "1.50");
}

}  // namespace
