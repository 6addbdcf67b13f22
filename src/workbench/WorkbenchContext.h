// What the workbench reaches beyond itself, owned by whoever builds it (the plug-in entry, tests):
// the host's commands, the profile its settings live in, the module's environment and its texts.
#pragma once

#include "base/ModuleEnvironment.h"
#include "hostlink/HostLink.h"
#include "hostlink/Profile.h"
#include "resources/ResourceLibrary.h"

// Each referenced object must outlive the workbench given it.
struct WorkbenchContext {
    const HostLink& host;
    const Profile& profile;
    const ModuleEnvironment& environment;
    const ResourceLibrary& texts;
};
