// The module's resources: the dialog templates and their layout in pixels, the compiled-in icons,
// the message formats, and the English translation of every string table entry and template text.
#include "resources/DialogLayout.h"
#include "resources/DialogTemplate.h"
#include "resources/MessageTable.h"
#include "resources/ModuleIcons.h"
#include "resources/StringTable.h"
#include "hostlink/LanguageTable.h"
#include "resources/ResourceLibrary.h"

#include <QComboBox>
#include <QLabel>
#include <QRegularExpression>
#include <QWidget>

#include <gtest/gtest.h>

#include <set>

namespace {

bool HasCyrillic(const std::string& text) {
    return QString::fromStdString(text).contains(QRegularExpression(QStringLiteral("[\\x{0400}-\\x{04FF}]")));
}

const DialogTemplate* const kTemplates[] = {&WorkbenchTemplate(), &ComponentsTemplate()};

TEST(DialogTemplates, EveryControlLiesInsideItsDialogWithItsOwnIdentifier) {
    for (const DialogTemplate* dialog : kTemplates) {
        SCOPED_TRACE(dialog->caption);
        std::set<int> ids;
        for (size_t i = 0; i < dialog->count; ++i) {
            const DialogItem& item = dialog->items[i];
            SCOPED_TRACE(item.id);
            EXPECT_GT(item.width, 0);
            EXPECT_GT(item.height, 0);
            EXPECT_LE(item.x + item.width, dialog->width);
            EXPECT_LE(item.y + item.height, dialog->height);
            if (item.id == -1) continue;
            EXPECT_TRUE(ids.insert(item.id).second) << "identifier used twice";
            EXPECT_EQ(FindDialogItem(*dialog, item.id), &item);
        }
    }
    EXPECT_EQ(FindDialogItem(WorkbenchTemplate(), 0), nullptr);
    EXPECT_EQ(WorkbenchTemplate().count, 44u);
    EXPECT_EQ(ComponentsTemplate().count, 5u);
    EXPECT_EQ(FindDialogItem(ComponentsTemplate(), 1)->kind, DialogItemKind::DefaultButton);
}

TEST(DialogLayout, ConvertsDialogUnitsWithTheFontAndKeepsAlignedEdgesAligned) {
    const DialogLayout layout(WorkbenchTemplate(), DialogFont(WorkbenchTemplate()));
    ASSERT_GT(layout.BaseX(), 0);
    ASSERT_GT(layout.BaseY(), 0);
    EXPECT_EQ(layout.TemplateSize(), QSize(761 * layout.BaseX() / 4, 399 * layout.BaseY() / 8));
    const QSize size = layout.TemplateSize();
    const QRect close = layout.ItemRect(*FindDialogItem(WorkbenchTemplate(), 2), size);
    const QRect chart = layout.ItemRect(*FindDialogItem(WorkbenchTemplate(), 1031), size);
    const QRect points = layout.ItemRect(*FindDialogItem(WorkbenchTemplate(), 1002), size);
    // 149 + 605 = 704 + 50 = 460 + 294 = 754 dialog units: one right edge in pixels too.
    EXPECT_EQ(chart.right(), close.right());
    EXPECT_EQ(points.right(), close.right());
    EXPECT_EQ(close.x(), 704 * layout.BaseX() / 4);
    EXPECT_EQ(close.bottom() + 1, (375 + 17) * layout.BaseY() / 8);
}

TEST(DialogLayout, SharesOfASizeChange) {
    const DialogLayout layout(WorkbenchTemplate(), DialogFont(WorkbenchTemplate()));
    const QSize size = layout.TemplateSize();
    struct Row {
        const char* name;
        int id;
        int moveX, moveY, sizeX, sizeY;  // pixels for a growth of 200 x 100
    };
    const Row rows[] = {
        {"close", 2, 200, 100, 0, 0},  {"chart", 1031, 0, 0, 200, 100}, {"points", 1002, 100, 0, 100, 0},
        {"assays", 1001, 0, 0, 100, 0}, {"type", 1003, 100, 0, 0, 0},    {"k3", 1008, 100, 0, 0, 0},
        {"K", 1010, 0, 0, 0, 0},       {"add", 1016, 0, 0, 0, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const DialogItem& item = *FindDialogItem(WorkbenchTemplate(), row.id);
        const QRect before = layout.ItemRect(item, size);
        const QRect after = layout.ItemRect(item, size + QSize(200, 100));
        EXPECT_EQ(after.x() - before.x(), row.moveX);
        EXPECT_EQ(after.y() - before.y(), row.moveY);
        EXPECT_EQ(after.width() - before.width(), row.sizeX);
        EXPECT_EQ(after.height() - before.height(), row.sizeY);
    }
}

TEST(DialogLayout, PlacesCombosClosedAndLabelsUncut) {
    const DialogTemplate& dialog = WorkbenchTemplate();
    QWidget window;
    window.setFont(DialogFont(dialog));
    DialogLayout layout(dialog, window.font());
    auto* combo = new QComboBox(&window);
    auto* label = new QLabel(QStringLiteral("A label much longer than its template rectangle"), &window);
    const DialogItem& comboItem = *FindDialogItem(dialog, 1034);
    const DialogItem* labelItem = nullptr;  // "Канал:", 24 dialog units wide
    for (size_t i = 0; i < dialog.count; ++i)
        if (std::string(dialog.items[i].text) == "Канал:") labelItem = &dialog.items[i];
    ASSERT_NE(labelItem, nullptr);
    layout.Add(combo, comboItem);
    layout.Add(label, *labelItem);
    layout.Place(layout.TemplateSize());
    EXPECT_EQ(combo->geometry().topLeft(), layout.ItemRect(comboItem, layout.TemplateSize()).topLeft());
    EXPECT_EQ(combo->height(), combo->sizeHint().height());
    EXPECT_LT(combo->height(), 30 * layout.BaseY() / 8);
    EXPECT_EQ(label->width(), label->sizeHint().width());
    EXPECT_GT(label->width(), 24 * layout.BaseX() / 4);
}

TEST(ModuleIcons, FiveDistinctButtonImagesAndTheWindowIcon) {
    std::vector<QImage> images;
    for (int id : {1016, 1017, 1018, 1020, 1023}) {
        SCOPED_TRACE(id);
        const QIcon icon = ButtonIcon(id);
        ASSERT_FALSE(icon.isNull());
        EXPECT_EQ(icon.availableSizes(), QList<QSize>{QSize(16, 16)});
        const QImage image = icon.pixmap(16, 16).toImage();
        for (const QImage& other : images) EXPECT_NE(image, other);
        images.push_back(image);
    }
    EXPECT_TRUE(ButtonIcon(1022).isNull());
    EXPECT_TRUE(ButtonIcon(0).isNull());
    EXPECT_EQ(DialogIcon().availableSizes(), QList<QSize>{QSize(32, 32)});
}

TEST(MessageTable, FindsTheFormatOfAShownText) {
    struct Row {
        const char* name;
        std::string text;
        const char* format;  // null: no message of the module
        std::string argument;
    };
    const Row rows[] = {
        {"plain", "Слишком большое K!", "Слишком большое K!", ""},
        {"plain with a tail", "Слишком большое K!!", nullptr, ""},
        {"filled at the end", "Ошибка базы данных: no such table: peak", "Ошибка базы данных: %s", "no such table: peak"},
        {"filled in the middle", "Файл /a/b.csv удалён или изменён: таблица компонентов не сохранена.",
         "Файл %s удалён или изменён: таблица компонентов не сохранена.", "/a/b.csv"},
        {"filled with nothing", "В таблице компонентов не найден ", "В таблице компонентов не найден %s", ""},
        {"prefix and suffix overlap", "Файл удалён или изменён: таблица компонентов не сохранена.", nullptr, ""},
        {"empty", "", nullptr, ""},
        {"someone else's", "Permission denied", nullptr, ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const std::optional<MessageMatch> match = MatchMessage(row.text);
        ASSERT_EQ(match.has_value(), row.format != nullptr);
        if (!match) continue;
        EXPECT_STREQ(match->format, row.format);
        EXPECT_EQ(match->argument, row.argument);
    }
}

// The English translation as the module finds it for language 1033, beside the module file.
class EnglishTranslation : public testing::Test {
protected:
    void SetUp() override {
        const std::string module = std::string(QUORVEL_BIN_DIR) + "/quorvel.so";
        ASSERT_TRUE(library.LoadTranslation(ResourceLibrary::TranslationPath(module, LanguageAbbreviation(1033).value())));
    }
    std::string Tr(const char* context, const char* russian) const { return library.Translate(context, russian); }

    ResourceLibrary library;
};

TEST_F(EnglishTranslation, CoversTheStringTableAndEveryTemplateText) {
    for (int id = 103; id <= 109; ++id) {
        SCOPED_TRACE(id);
        ASSERT_NE(StringTableText(id), nullptr);
        EXPECT_FALSE(HasCyrillic(library.String(id)));
    }
    const std::pair<const DialogTemplate*, const char*> contexts[] = {{&WorkbenchTemplate(), "DlgMain"},
                                                                      {&ComponentsTemplate(), "Dlg_Components"}};
    for (const auto& [dialog, context] : contexts) {
        SCOPED_TRACE(context);
        EXPECT_FALSE(HasCyrillic(Tr(context, dialog->caption)));
        for (size_t i = 0; i < dialog->count; ++i) {
            const DialogItem& item = dialog->items[i];
            SCOPED_TRACE(item.text);
            if (item.kind == DialogItemKind::IconButton) continue;  // shows its image, not its text
            EXPECT_FALSE(HasCyrillic(Tr(context, item.text)));
        }
    }
    EXPECT_EQ(Tr("DlgMain", "Закрыть"), "Close");
    EXPECT_EQ(Tr("Dlg_Components", "Сохранить"), "Save");
}

TEST(ResourceLibrary, TranslationPathReplacesTheExtension) {
    EXPECT_EQ(ResourceLibrary::TranslationPath("/opt/cds/plugins/quorvel.so", "ENU"), "/opt/cds/plugins/quorvelENU.qm");
    EXPECT_EQ(ResourceLibrary::TranslationPath("/opt/v1.2/quorvel", "DEU"), "/opt/v1.2/quorvelDEU.qm");
}

TEST(ResourceLibrary, StringTableWithoutTranslation) {
    ResourceLibrary library;
    EXPECT_EQ(library.String(103), "Данные/Расчёты/Гель хроматография");
    EXPECT_EQ(library.String(108), "Отчет");
    EXPECT_EQ(library.String(110), "");
    EXPECT_FALSE(library.LoadTranslation("/nonexistent/quorvelENU.qm"));
    EXPECT_FALSE(library.IsTranslated());
}

}  // namespace
