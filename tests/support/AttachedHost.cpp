#include "AttachedHost.h"

#include "shell/HostLink.h"
#include "shell/Profile.h"

AttachedHost::AttachedHost() {
    HostLink::Attach(Api());
    SetProfileBasePath("plugins\\quorvel");
}

AttachedHost::~AttachedHost() {
    HostLink::Attach(nullptr);
    SetProfileBasePath("");
}
