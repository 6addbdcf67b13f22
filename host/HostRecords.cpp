// The argument records of the host interface.
#include "host/HostRecords.h"

#include "host/HostText.h"

#include <algorithm>
#include <cstring>

std::vector<std::string> SplitMenuPath(const std::string& path) {
    std::vector<std::string> levels;
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t end = path.find('/', start);
        if (end == std::string::npos) end = path.size();
        if (end > start) levels.push_back(path.substr(start, end - start));
        start = end + 1;
    }
    return levels;
}

std::optional<MenuRequest> ReadMenuRecord(const CreateNewMenuRecord* record) {
    if (record == nullptr || record->commandName == nullptr) return std::nullopt;
    const auto path = ReadHostText(record->menuPath);
    const std::size_t nameLength = strnlen(record->commandName, MaxCommandNameLength + 1);
    if (!path || nameLength == 0 || nameLength > MaxCommandNameLength) return std::nullopt;
    MenuRequest request{SplitMenuPath(*path), std::string(record->commandName, nameLength)};
    if (request.levels.empty()) return std::nullopt;
    return request;
}

int32_t WriteAssayIds(const std::vector<int32_t>& ids, AssayIdList* list) {
    if (list == nullptr || list->ids == nullptr || list->capacity < 1) return 0;
    const auto count = static_cast<int32_t>(std::min(ids.size(), static_cast<std::size_t>(list->capacity)));
    std::copy_n(ids.begin(), count, list->ids);
    return count;
}
