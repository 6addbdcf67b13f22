// A FakeHost that serves as the module's host, with the module's profile base path, for as long as it
// lives. Both are undone when it goes, also when a failed assertion ends a test early, so no later
// test calls into a host that is gone.
#pragma once

#include "FakeHost.h"

class AttachedHost : public FakeHost {
public:
    AttachedHost();
    ~AttachedHost();
};
