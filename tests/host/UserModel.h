// What the random user expects of the workbench from what it did: which assays are listed and
// ticked, which sample it chose, and which edits it typed into without leaving them yet.
#pragma once

#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <vector>

struct UserModel {
    std::vector<int32_t> listed;  // [assay].id of the assays list's rows, in order
    std::set<int32_t> included;  // the ticked ones
    std::optional<int32_t> chosenSample;  // the assay whose results row the user clicked last
    // Labels of the edits typed into and not left: what they hold is not settled yet.
    std::set<std::string> pendingEdits;
    // A points row the last action toggled and the state its box must show now.
    std::optional<std::pair<int, bool>> toggledPoint;
    std::string problem;  // what went wrong within the last action itself; empty when nothing
};
