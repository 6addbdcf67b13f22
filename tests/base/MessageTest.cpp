// The module's messages: names fit for the translation file, and Russian texts filled in where
// their "%s" stands.
#include "base/Message.h"
#include "base/Status.h"

#include <gtest/gtest.h>

#include <cctype>
#include <set>

namespace {

TEST(Message, NamesAreDistinctIdentifiersAndFormatsHoldAtMostOneArgument) {
    std::set<std::string> names;
    for (const MessageId id : kAllMessages) {
        const std::string name = MessageName(id);
        SCOPED_TRACE(name);
        EXPECT_TRUE(names.insert(name).second) << "name used twice";
        ASSERT_FALSE(name.empty());
        for (const char c : name) EXPECT_TRUE(std::isalnum(static_cast<unsigned char>(c))) << c;
        const std::string format = MessageFormat(id);
        EXPECT_FALSE(format.empty());
        const std::string::size_type at = format.find("%s");
        EXPECT_TRUE(at == std::string::npos || format.find("%s", at + 2) == std::string::npos);
    }
}

TEST(Message, TextFillsTheFormatWithTheArgument) {
    struct Row {
        const char* name;
        Message message;
        std::string text;
    };
    const Row rows[] = {
        {"plain", MessageId::KTooLarge, "Слишком большое K!"},
        {"plain, an argument has nowhere to go", {MessageId::KTooLarge, "x"}, "Слишком большое K!"},
        {"filled at the end",
         {MessageId::DatabaseError, "no such table: peak"},
         "Ошибка базы данных: no such table: peak"},
        {"filled in the middle",
         {MessageId::ComponentsFileChanged, "/a/b.csv"},
         "Файл /a/b.csv удалён или изменён: таблица компонентов не сохранена."},
        {"filled with nothing", MessageId::ComponentNotFound, "В таблице компонентов не найден "},
        {"argument holding a format", {MessageId::ComponentNotFound, "%s"}, "В таблице компонентов не найден %s"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(MessageText(row.message), row.text);
    }
}

TEST(Status, DescribesOnlyAFailure) {
    EXPECT_EQ(Status::Ok().Description(), "");
    EXPECT_TRUE(Status::Ok());
    const Status failed = Status::Failed(MessageId::FileNotWritten, "/a: Permission denied");
    EXPECT_FALSE(failed);
    EXPECT_EQ(failed.Description(), "Не удалось записать файл /a: Permission denied");
}

}  // namespace
