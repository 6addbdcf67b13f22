// The C table of host entry points handed to plug-ins. C function pointers carry no context, so the
// table forwards to the one bus bound in this process.
#pragma once

#include "host/CommandBus.h"
#include "hostlink/HostApi.h"

// Binds bus to the table's entries (replacing an earlier binding) and returns the table, which
// lives as long as the process. With no bus bound (after Unbind) every entry answers 0.
const HostApi* BindHostApi(CommandBus& bus);
// Detaches the bus bound by BindHostApi; later calls through the table answer 0.
void UnbindHostApi();
