// A FakeHost with the module's host side built on it as the plug-in entry builds it by the first menu
// command: the link to its table, the profile under the module's base path and the environment that
// asks them. All of it goes with the host, so no part of the module can call a host that is gone.
#pragma once

#include "FakeHost.h"
#include "hostlink/HostEnvironment.h"

class LinkedHost : public FakeHost {
public:
    HostLink link{Api()};
    Profile profile{link, kModuleProfileBasePath};
    HostEnvironment environment{link, profile};
};
