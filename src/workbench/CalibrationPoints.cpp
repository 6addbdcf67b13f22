// Calibration points among the peak-table items and their use flags.
#include "workbench/CalibrationPoints.h"

bool IsCalibrationPoint(const TableItem& item) { return item.time > 0.0 && item.concent > 0.0; }

void AppendPointFlags(const std::vector<TableItem>& table, std::vector<int32_t>& flags) {
    for (const TableItem& item : table)
        if (IsCalibrationPoint(item)) flags.push_back(1);
}

std::vector<int32_t> RebuildPointFlags(const std::vector<Assay>& assays, int32_t channelIndex) {
    std::vector<int32_t> flags;
    if (channelIndex < 0) return flags;
    for (const Assay& assay : assays) {
        if (assay.included == 0 || static_cast<size_t>(channelIndex) >= assay.channels.size()) continue;
        AppendPointFlags(assay.channels[channelIndex].table, flags);
    }
    return flags;
}
