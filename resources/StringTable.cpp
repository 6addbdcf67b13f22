// The string table entries 103 to 109 in Russian.
#include "resources/StringTable.h"

namespace {

struct StringEntry {
    int id;
    const char* text;
};

constexpr StringEntry kStrings[] = {
    {kMenuPathString, "Данные/Расчёты/Гель хроматография"},
    {kAddAssaysTip, "Добавить хроматограммы"},
    {kDeleteAssayTip, "Удалить хроматограмму"},
    {kDeleteAllAssaysTip, "Удалить все хроматограммы"},
    {kOpenAssayTip, "Открыть хроматограмму"},
    {kReportTip, "Отчет"},
    {109, "Пересчитать"},
};

}  // namespace

const char* StringTableText(int id) {
    for (const StringEntry& entry : kStrings)
        if (entry.id == id) return entry.text;
    return nullptr;
}
