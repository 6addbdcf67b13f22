#include "workbench/CalibrationPoints.h"

bool IsCalibrationPoint(const TableItem& item) { return item.time > 0.0 && item.concent > 0.0; }

std::vector<int32_t> RebuildPointFlags(const std::vector<Assay>& assays, int32_t channelIndex) {
    std::vector<int32_t> flags;
    if (channelIndex < 0) return flags;
    for (const Assay& assay : assays) {
        if (assay.included == 0 || static_cast<size_t>(channelIndex) >= assay.channels.size()) continue;
        for (const TableItem& item : assay.channels[channelIndex].table)
            if (IsCalibrationPoint(item)) flags.push_back(1);
    }
    return flags;
}
