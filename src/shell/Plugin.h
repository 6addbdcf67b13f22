// The plug-in's three exports and its start-up, menu command and shut-down with the host.
#pragma once

#include "base/ModuleEnvironment.h"
#include "hostlink/HostApi.h"
#include "hostlink/Profile.h"
#include "resources/ResourceLibrary.h"

#include <cstdint>

#define QUORVEL_EXPORT __attribute__((visibility("default")))

class DlgMain;

extern "C" {
// The module's self-description; no side effects, may be called before Load.
QUORVEL_EXPORT const PluginInfo* GetPluginInfo(void);
// Keeps the host table, subscribes to the start-up event and settles the language; returns 0.
QUORVEL_EXPORT int32_t Load(const HostApi* host);
// Drops the subscription and registration, the translation, the workbench window and with it the
// profile's base path; returns 0.
QUORVEL_EXPORT int32_t Unload(void);
}

// Finishes start-up once the host has loaded every module: menu command, menu entry, database
// location. The argument is ignored; returns 0.
int32_t OnModulesLoaded(intptr_t argument);
// Shows the workbench, creating it on first use as a child of the QWidget* passed; returns 0.
int32_t OnMenuCommand(intptr_t parentWidget);
// The workbench, or null before the first menu command (and after Unload).
DlgMain* WorkbenchWindow();
// The module's profile (its base path set by the first menu command), environment (as the host last
// told it) and texts (translated once a translation is loaded), for a host-side look at the module.
const Profile& PluginProfile();
const ModuleEnvironment& PluginEnvironment();
const ResourceLibrary& PluginTexts();
