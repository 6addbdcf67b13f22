// Which peak-table items of the included assays are calibration points, and the use flags the
// workbench keeps for them (one per point, in point order).
#pragma once

#include "data/Assay.h"
#include "data/TableItem.h"

#include <cstdint>
#include <vector>

// True for an item with a positive retention time and a positive concentration.
bool IsCalibrationPoint(const TableItem& item);

// Adds a flag 1 for each calibration point of table.
void AppendPointFlags(const std::vector<TableItem>& table, std::vector<int32_t>& flags);

// One flag 1 per calibration point of the included assays, walking the assays in order and each
// one's table of channel channelIndex; an assay without that channel adds none.
std::vector<int32_t> RebuildPointFlags(const std::vector<Assay>& assays, int32_t channelIndex);
