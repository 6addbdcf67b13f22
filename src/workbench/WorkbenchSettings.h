// What the workbench keeps in the host profile between runs of the host: the window rectangle, the
// calibration type, dependence and channel, K and Alpha, what is known of the standards, the points' use
// flags, and the assay set with its inclusion marks ("Assay 1", "Assay 2" ... as "id/included", numbered
// without gaps).
#pragma once

#include "base/MessageSink.h"
#include "base/ModuleEnvironment.h"
#include "data/Assay.h"
#include "hostlink/Profile.h"
#include "workbench/WorkbenchState.h"

#include <cstdint>
#include <vector>

// Window rectangle in screen pixels.
struct WindowRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
};

// Deletes "Assay 1" to "Assay 100", then stores the set when it holds fewer than 100 assays.
void SaveAssaySet(const Profile& profile, const std::vector<Assay>& assays);
// Stores the rectangle, GradIndex, FormulaIndex, ChannelIndex, K, Alpha, the standards' values (texts
// "StandardK", "StandardAlpha", "BroadMn", "BroadMw"; empty when not given) and the point flags (one "0"
// or "1" per point; an empty text for more than 120 points, which a profile text cannot hold).
// Failures are silent.
void SaveWorkbenchValues(const Profile& profile, const WindowRect& rect, const WorkbenchState& state);

// Empties assays and reloads the stored set from the environment's database, each entry through its own
// connection, applying its mark; returns how many entries were counted (also those whose assay no
// longer loads). A database that cannot be opened or read does not stop the next entry; once all are
// done, the last such error is shown as "Ошибка базы данных: %s".
int RestoreAssaySet(const Profile& profile, const ModuleEnvironment& environment, std::vector<Assay>& assays,
                    MessageSink& messages);
// The stored rectangle; zeros when absent.
WindowRect RestoreWindowRect(const Profile& profile);
// GradIndex and FormulaIndex (404 when absent), ChannelIndex (0), K (1.0), Alpha (0.0) and the
// standards' values (not given when absent or not a whole finite number).
void RestoreWorkbenchValues(const Profile& profile, WorkbenchState& state);
// The stored point flags; empty when absent or when the text holds anything but "0" and "1".
std::vector<int32_t> RestorePointFlags(const Profile& profile);
