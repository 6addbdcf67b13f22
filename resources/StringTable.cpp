// The string table entries 103 to 109 in Russian.
#include "resources/StringTable.h"

namespace {

struct StringEntry {
    int id;
    const char* text;
};

constexpr StringEntry kStrings[] = {
    {103, "Данные/Расчёты/Гель хроматография"},
    {104, "Добавить хроматограммы"},
    {105, "Удалить хроматограмму"},
    {106, "Удалить все хроматограммы"},
    {107, "Открыть хроматограмму"},
    {108, "Отчет"},
    {109, "Пересчитать"},
};

}  // namespace

const char* StringTableText(int id) {
    for (const StringEntry& entry : kStrings)
        if (entry.id == id) return entry.text;
    return nullptr;
}
