// Every message box text and caption of the module, as the calculation, the workbench, the
// components table and the report write them. The components dialog translates its own question.
#include "resources/MessageTable.h"

#include <string_view>

namespace {

constexpr const char* kFormats[] = {
    "Ошибка расчета параметров ММР!",
    "Ошибка базы данных: %s",
    "Выбран другой метод, хотите переключиться на него?",
    "Подтверждение изменения метода",
    "Введите число.",
    "Ошибка при выборе хроматограммы: Отсутствует информация.",
    "Слишком большое K!",
    "Слишком большое Alpha!",
    "В таблице компонентов не найден %s",
    "Ошибка построения отчёта: %s",
    "Не удалось записать файл %s",
    "Не задана папка документов: таблица компонентов не сохранена.",
    "Файл %s содержит слишком много компонентов: он не изменён.",
    "Файл %s удалён или изменён: таблица компонентов не сохранена.",
    "Компонент %s содержит \";\" или перевод строки: таблица не сохранена.",
    "Поле компонента %s длиннее 198 байт: таблица не сохранена.",
};

// The part of text standing in the "%s" of format; nothing when text was not made from format.
std::optional<std::string> Argument(std::string_view format, std::string_view text) {
    const std::string_view::size_type at = format.find("%s");
    if (at == std::string_view::npos) return text == format ? std::optional<std::string>("") : std::nullopt;
    const std::string_view prefix = format.substr(0, at);
    const std::string_view suffix = format.substr(at + 2);
    if (text.size() < prefix.size() + suffix.size() || !text.starts_with(prefix) || !text.ends_with(suffix))
        return std::nullopt;
    return std::string(text.substr(prefix.size(), text.size() - prefix.size() - suffix.size()));
}

}  // namespace

std::optional<MessageMatch> MatchMessage(const std::string& text) {
    for (const char* format : kFormats)
        if (std::optional<std::string> argument = Argument(format, text)) return MessageMatch{format, *argument};
    return std::nullopt;
}
