// The module's resources: the dialog templates and their layout in pixels, the compiled-in icons,
// and the English translation: every string table entry, template text, window text and message
// name translated, and nothing in the translation file that the module no longer looks up.
#include "base/Message.h"
#include "hostlink/LanguageTable.h"
#include "resources/DialogLayout.h"
#include "resources/DialogTemplate.h"
#include "resources/ModuleIcons.h"
#include "resources/ResourceLibrary.h"
#include "resources/StringTable.h"
#include "resources/WindowTexts.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QRegularExpression>
#include <QWidget>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <map>
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
    EXPECT_EQ(WorkbenchTemplate().count, 59u);
    EXPECT_EQ(ComponentsTemplate().count, 5u);
    EXPECT_EQ(FindDialogItem(ComponentsTemplate(), 1)->kind, DialogItemKind::DefaultButton);
}

TEST(DialogLayout, ConvertsDialogUnitsWithTheFontAndKeepsAlignedEdgesAligned) {
    const DialogLayout layout(WorkbenchTemplate(), DialogFont(WorkbenchTemplate()));
    ASSERT_GT(layout.BaseX(), 0);
    ASSERT_GT(layout.BaseY(), 0);
    EXPECT_EQ(layout.TemplateSize(), QSize(761 * layout.BaseX() / 4, 486 * layout.BaseY() / 8));
    const QSize size = layout.TemplateSize();
    const auto rect = [&layout, size](int id) {
        return layout.ItemRect(*FindDialogItem(WorkbenchTemplate(), id), size);
    };
    const QRect close = rect(2);
    // 454 + 300 = 149 + 605 = 704 + 50 = 460 + 294 = 754 dialog units: one right edge in pixels too.
    for (const int id : {1035, 1036, 1002}) EXPECT_EQ(rect(id).right(), close.right()) << id;
    EXPECT_EQ(rect(1031).x(), rect(1036).x()) << "the calibration chart stands over the results list";
    EXPECT_EQ(close.x(), 704 * layout.BaseX() / 4);
    EXPECT_EQ(close.bottom() + 1, (462 + 17) * layout.BaseY() / 8);
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
        {"close", 2, 200, 100, 0, 0},      {"chart", 1031, 0, 0, 100, 100}, {"points", 1002, 100, 0, 100, 0},
        {"assays", 1001, 0, 0, 100, 0},    {"type", 1003, 100, 0, 0, 0},    {"k3", 1008, 100, 0, 0, 0},
        {"K", 1010, 0, 0, 0, 0},           {"add", 1016, 0, 0, 0, 0},       {"distribution", 1035, 100, 0, 100, 100},
        {"results", 1036, 0, 100, 200, 0}, {"R2", 1037, 100, 0, 0, 0},
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

// The English translation as the module finds it for language 1033, beside the module file.
class EnglishTranslation : public testing::Test {
protected:
    void SetUp() override {
        const std::string module = std::string(QUORVEL_BIN_DIR) + "/quorvel.so";
        ASSERT_TRUE(
            library.LoadTranslation(ResourceLibrary::TranslationPath(module, LanguageAbbreviation(1033).value())));
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
    const std::pair<const DialogTemplate*, const char*> contexts[] = {{&WorkbenchTemplate(), kWorkbenchContext},
                                                                      {&ComponentsTemplate(), kComponentsContext}};
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

TEST_F(EnglishTranslation, CoversEveryWindowText) {
    const std::pair<const char*, std::vector<const char*>> windows[] = {
        {kWorkbenchContext, {std::begin(WorkbenchText::kAll), std::end(WorkbenchText::kAll)}},
        {kComponentsContext, {std::begin(ComponentsText::kAll), std::end(ComponentsText::kAll)}}};
    for (const auto& [context, texts] : windows) {
        for (const char* russian : texts) {
            SCOPED_TRACE(std::string(context) + ": " + russian);
            const std::string english = Tr(context, russian);
            EXPECT_NE(english, russian);
            EXPECT_FALSE(HasCyrillic(english));
        }
    }
    EXPECT_EQ(Tr(kWorkbenchContext, WorkbenchText::kNumber), "No.");
    EXPECT_EQ(Tr(kComponentsContext, ComponentsText::kNewComponentKey), "Enter the component name!");
}

// Messages are found by their names; a translation keeps the "%s" where the argument goes.
TEST_F(EnglishTranslation, CoversEveryMessageName) {
    for (const MessageId id : kAllMessages) {
        SCOPED_TRACE(MessageName(id));
        const std::string english = Tr(kMessageContext, MessageName(id));
        EXPECT_NE(english, MessageName(id));
        EXPECT_FALSE(HasCyrillic(english));
        EXPECT_EQ(english.find("%s") != std::string::npos,
                  std::string(MessageFormat(id)).find("%s") != std::string::npos);
    }
    EXPECT_EQ(Tr(kMessageContext, MessageName(MessageId::KTooLarge)), "K is too large!");
}

// One message of the translation file as a translator sees it.
struct SourceMessage {
    std::string source;
    std::string comment;  // the text shown to translators beside the source
};

// The messages of the translation file by context.
std::map<std::string, std::vector<SourceMessage>> ReadTranslationSource() {
    QFile file(QStringLiteral(QUORVEL_TRANSLATION_SOURCE));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    std::map<std::string, std::vector<SourceMessage>> contexts;
    std::string context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        const QStringView element = xml.name();
        if (element == u"name")
            context = xml.readElementText().toStdString();
        else if (element == u"message")
            contexts[context].emplace_back();
        else if (element == u"source")
            contexts[context].back().source = xml.readElementText().toStdString();
        else if (element == u"extracomment")
            contexts[context].back().comment = xml.readElementText().toStdString();
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return contexts;
}

// What the module looks up in each context: a source outside these is a left-over.
std::map<std::string, std::set<std::string>> LookedUpTexts() {
    std::map<std::string, std::set<std::string>> texts;
    for (int id = 103; id <= 109; ++id) texts[kStringTableContext].insert(StringTableText(id));
    const std::pair<const DialogTemplate*, const char*> templates[] = {{&WorkbenchTemplate(), kWorkbenchContext},
                                                                       {&ComponentsTemplate(), kComponentsContext}};
    for (const auto& [dialog, context] : templates) {
        texts[context].insert(dialog->caption);
        for (size_t i = 0; i < dialog->count; ++i) texts[context].insert(dialog->items[i].text);
    }
    texts[kWorkbenchContext].insert(std::begin(WorkbenchText::kAll), std::end(WorkbenchText::kAll));
    texts[kComponentsContext].insert(std::begin(ComponentsText::kAll), std::end(ComponentsText::kAll));
    for (const MessageId id : kAllMessages) texts[kMessageContext].insert(MessageName(id));
    return texts;
}

TEST(TranslationSource, HoldsOnlyWhatTheModuleLooksUp) {
    const std::map<std::string, std::set<std::string>> lookedUp = LookedUpTexts();
    const std::map<std::string, std::vector<SourceMessage>> contexts = ReadTranslationSource();
    for (const auto& [context, messages] : contexts) {
        SCOPED_TRACE(context);
        ASSERT_TRUE(lookedUp.contains(context));
        for (const SourceMessage& message : messages)
            EXPECT_TRUE(lookedUp.at(context).contains(message.source)) << message.source << " is looked up nowhere";
    }
}

// The translators see each message's Russian format beside its name.
TEST(TranslationSource, ShowsEachMessageWithItsRussianFormat) {
    std::map<std::string, std::string> formats;
    for (const MessageId id : kAllMessages) formats[MessageName(id)] = MessageFormat(id);
    const std::map<std::string, std::vector<SourceMessage>> contexts = ReadTranslationSource();
    ASSERT_TRUE(contexts.contains(kMessageContext));
    for (const SourceMessage& message : contexts.at(kMessageContext)) {
        SCOPED_TRACE(message.source);
        ASSERT_TRUE(formats.contains(message.source));
        EXPECT_EQ(message.comment, formats[message.source]);
    }
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
