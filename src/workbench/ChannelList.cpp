#include "workbench/ChannelList.h"

#include <algorithm>
#include <string>

namespace {

void ExcludeAll(std::vector<Assay>& assays) {
    for (Assay& assay : assays) assay.included = 0;
}

Assay* AssayAt(std::vector<Assay>& assays, int32_t row) {
    return row >= 0 && static_cast<size_t>(row) < assays.size() ? &assays[row] : nullptr;
}

int32_t ChannelCount(const Assay* assay) { return assay ? static_cast<int32_t>(assay->channels.size()) : 0; }

ChannelListResult Entries(WorkbenchState& state, int32_t entries) {
    state.ChannelIndex = 0;
    return {true, entries};
}

}  // namespace

ChannelListResult RebuildChannels(WorkbenchState& state, int32_t changedRow, MessageSink& messages) {
    Assay* changed = AssayAt(state.Assays, changedRow);
    int32_t entries = 0;
    bool first = true;
    std::string method;
    for (Assay& assay : state.Assays) {
        if (assay.included == 0) continue;
        if (!first && assay.method != method) {
            if (changedRow == -1) {
                // Carry on with this assay: it still offers its channels, all later ones are excluded.
                ExcludeAll(state.Assays);
            } else {
                const MessageSink::Answer answer =
                    messages.Show(MessageId::OtherMethodQuestion, MessageId::OtherMethodCaption,
                                  MessageSink::Buttons::OkCancel, MessageSink::Icon::Question);
                if (answer == MessageSink::Answer::Cancel) {
                    if (changed) changed->included = 0;
                    return {};
                }
                if (answer == MessageSink::Answer::Ok) {
                    ExcludeAll(state.Assays);
                    if (changed) changed->included = 1;
                }
                return Entries(state, entries);
            }
        }
        method = assay.method;
        first = false;
        entries = std::max(entries, changedRow != -1 ? ChannelCount(changed) : ChannelCount(&assay));
    }
    return Entries(state, entries);
}
