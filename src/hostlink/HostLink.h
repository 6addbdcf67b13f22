// The module's link to its host: the HostApi table given to Load, and the ask-then-call pattern
// every use of a host command follows.
#pragma once

#include "hostlink/HostApi.h"

#include <cstdint>

class HostLink {
public:
    // A link to host's table; null (no host) calls nothing.
    explicit HostLink(const HostApi* host = nullptr) : host_(host) {}

    // The host's table; null without a host.
    const HostApi* Api() const { return host_; }
    // True when there is a host and it serves the command.
    bool Serves(const char* command) const;
    // Calls the command; 0 without a host. Callers ask Serves first where the host may lack it.
    intptr_t Call(const char* command, intptr_t argument1, intptr_t argument2) const;

private:
    const HostApi* host_;
};
