// The Russian formats and translation names of the module's messages.
#include "base/Message.h"

#include <cstddef>
#include <iterator>

namespace {

struct MessageEntry {
    MessageId id;
    const char* name;
    const char* format;
};

constexpr MessageEntry kMessages[] = {
    {MessageId::AveragesError, "AveragesError", "Ошибка расчета параметров ММР!"},
    {MessageId::DatabaseError, "DatabaseError", "Ошибка базы данных: %s"},
    {MessageId::OtherMethodQuestion, "OtherMethodQuestion", "Выбран другой метод, хотите переключиться на него?"},
    {MessageId::OtherMethodCaption, "OtherMethodCaption", "Подтверждение изменения метода"},
    {MessageId::EnterNumber, "EnterNumber", "Введите число."},
    {MessageId::AssayWithoutInformation, "AssayWithoutInformation",
     "Ошибка при выборе хроматограммы: Отсутствует информация."},
    {MessageId::KTooLarge, "KTooLarge", "Слишком большое K!"},
    {MessageId::AlphaTooLarge, "AlphaTooLarge", "Слишком большое Alpha!"},
    {MessageId::ComponentNotFound, "ComponentNotFound", "В таблице компонентов не найден %s"},
    {MessageId::ReportError, "ReportError", "Ошибка построения отчёта: %s"},
    {MessageId::FileNotWritten, "FileNotWritten", "Не удалось записать файл %s"},
    {MessageId::NoDocumentsFolder, "NoDocumentsFolder",
     "Не задана папка документов: таблица компонентов не сохранена."},
    {MessageId::TooManyComponents, "TooManyComponents", "Файл %s содержит слишком много компонентов: он не изменён."},
    {MessageId::ComponentsFileChanged, "ComponentsFileChanged",
     "Файл %s удалён или изменён: таблица компонентов не сохранена."},
    {MessageId::ComponentWithSeparator, "ComponentWithSeparator",
     "Компонент %s содержит \";\" или перевод строки: таблица не сохранена."},
    {MessageId::ComponentFieldTooLong, "ComponentFieldTooLong",
     "Поле компонента %s длиннее 198 байт: таблица не сохранена."},
    {MessageId::ComponentsCaption, "ComponentsCaption", "Компоненты"},
    {MessageId::LeaveWithoutSavingQuestion, "LeaveWithoutSavingQuestion", "Выйти без сохранения изменений?"},
    {MessageId::LeaveWithoutSavingCaption, "LeaveWithoutSavingCaption", "Подтверждение выхода"},
    {MessageId::TransformFailed, "TransformFailed", "Не удалось преобразовать отчёт: %s"},
    {MessageId::ReportFolderMissing, "ReportFolderMissing", "Не задана папка документов: отчёт не построен."},
    {MessageId::ChromatogramNotOpened, "ChromatogramNotOpened", "Не удалось открыть файл хроматограммы %s"},
    {MessageId::ChromatogramHeaderCut, "ChromatogramHeaderCut", "Файл %s короче заголовка хроматограммы."},
    {MessageId::NotAChromatogram, "NotAChromatogram", "Файл %s не является файлом хроматограммы."},
    {MessageId::ChromatogramVersionUnknown, "ChromatogramVersionUnknown", "Неизвестная версия файла хроматограммы %s"},
    {MessageId::ChromatogramBlockCut, "ChromatogramBlockCut", "Файл хроматограммы %s обрывается в заголовке канала."},
    {MessageId::ChromatogramSamplesMissing, "ChromatogramSamplesMissing",
     "В файле хроматограммы %s недостаёт отсчётов канала."},
    {MessageId::ChromatogramXmlDamaged, "ChromatogramXmlDamaged",
     "XML-часть файла хроматограммы %s отсутствует или повреждена."},
    {MessageId::BroadStandardMissing, "BroadStandardMissing",
     "Нет широкого стандарта: включите калибровочную хроматограмму с пиками в выбранном канале."},
    {MessageId::BroadStandardAveragesMissing, "BroadStandardAveragesMissing", "Задайте Mn и Mw широкого стандарта."},
    {MessageId::BroadStandardRatioUnreachable, "BroadStandardRatioUnreachable",
     "Хроматограмма широкого стандарта не может дать Mw/Mn = %s."},
};

// Both lists follow the declaration order, so a name's entry is at its value.
constexpr bool InDeclarationOrder() {
    for (size_t i = 0; i < std::size(kMessages); ++i)
        if (static_cast<size_t>(kMessages[i].id) != i || static_cast<size_t>(kAllMessages[i]) != i) return false;
    return true;
}

static_assert(std::size(kMessages) == std::size(kAllMessages), "every message has its entry");
static_assert(InDeclarationOrder(), "the entries follow the declaration order");

const MessageEntry& Entry(MessageId id) { return kMessages[static_cast<size_t>(id)]; }

}  // namespace

const char* MessageName(MessageId id) { return Entry(id).name; }

const char* MessageFormat(MessageId id) { return Entry(id).format; }

std::string FillMessage(const std::string& format, const std::string& argument) {
    const std::string::size_type at = format.find("%s");
    return at == std::string::npos ? format : format.substr(0, at) + argument + format.substr(at + 2);
}

std::string MessageText(const Message& message) { return FillMessage(MessageFormat(message.id), message.argument); }
