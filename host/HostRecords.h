// Reading and writing the argument records of the host interface: the menu request of
// "MainMenu/CreateNewMenu" and the identifier list of "Main/OpenAssayIdDlgEx".
#pragma once

#include "hostlink/HostApi.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// A menu entry a plug-in asks for.
struct MenuRequest {
    std::vector<std::string> levels;  // menu titles from the menu bar down to the entry (UTF-8)
    std::string commandName;  // the command the entry runs
};

// Longest command name read from a plug-in, in bytes.
inline constexpr std::size_t MaxCommandNameLength = 4096;

// The menu levels of a path split at "/", empty levels dropped; empty for an empty path.
std::vector<std::string> SplitMenuPath(const std::string& path);
// The request held by record; nothing for a null record, path or command name, a path without
// levels, or an empty or overlong command name.
std::optional<MenuRequest> ReadMenuRecord(const CreateNewMenuRecord* record);
// Writes ids into list, at most its capacity; returns how many were written (0 for a null list or
// id array, or a capacity below 1).
int32_t WriteAssayIds(const std::vector<int32_t>& ids, AssayIdList* list);
