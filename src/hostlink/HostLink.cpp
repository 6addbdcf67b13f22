#include "hostlink/HostLink.h"

namespace {
const HostApi* attachedHost = nullptr;
}

namespace HostLink {

void Attach(const HostApi* host) { attachedHost = host; }

const HostApi* Api() { return attachedHost; }

bool Serves(const char* command) {
    return attachedHost && attachedHost->Exists && attachedHost->Exists(command) != 0;
}

intptr_t Call(const char* command, intptr_t argument1, intptr_t argument2) {
    if (!attachedHost || !attachedHost->Call) return 0;
    return attachedHost->Call(command, argument1, argument2);
}

}  // namespace HostLink
