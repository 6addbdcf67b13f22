// The channel choice of the workbench: which channel indexes the included assays offer, and the
// check that every included assay was measured with one method.
#pragma once

#include "base/MessageSink.h"
#include "workbench/WorkbenchState.h"

#include <cstdint>

struct ChannelListResult {
    bool rebuilt = false;  // the channel entries were rebuilt and ChannelIndex set to 0
    int32_t entries = 0;  // entries 0 .. entries-1, when rebuilt
};

// Walks the included assays. On a method differing from the earlier ones: with changedRow -1 every
// assay is excluded without asking; otherwise the user is asked whether to switch to the assay of
// changedRow (OK keeps only it included, Cancel excludes it and keeps the channel entries as they
// were). The entries are the channel counts of the included assays (of the changed row's assay when
// changedRow is not -1).
ChannelListResult RebuildChannels(WorkbenchState& state, int32_t changedRow, MessageSink& messages);
