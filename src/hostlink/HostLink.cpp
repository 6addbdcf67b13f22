// Calls into the host's table, guarded against a missing host or entry.
#include "hostlink/HostLink.h"

bool HostLink::Serves(const char* command) const { return host_ && host_->Exists && host_->Exists(command) != 0; }

intptr_t HostLink::Call(const char* command, intptr_t argument1, intptr_t argument2) const {
    if (!host_ || !host_->Call) return 0;
    return host_->Call(command, argument1, argument2);
}
