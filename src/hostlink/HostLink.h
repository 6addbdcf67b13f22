// The module's link to its host: the HostApi table given to Load, and the ask-then-call pattern
// every use of a host command follows.
#pragma once

#include "hostlink/HostApi.h"

#include <cstdint>

namespace HostLink {

// Keeps the host's table for the rest of the process; null detaches.
void Attach(const HostApi* host);
// The attached table; null before Load.
const HostApi* Api();
// True when a host is attached and serves the command.
bool Serves(const char* command);
// Calls the command; 0 when no host is attached. Callers ask Serves first where the host may lack it.
intptr_t Call(const char* command, intptr_t argument1, intptr_t argument2);

}  // namespace HostLink
