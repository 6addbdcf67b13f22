#include "AttachedHost.h"

#include "hostlink/HostLink.h"
#include "hostlink/Profile.h"

AttachedHost::AttachedHost() {
    HostLink::Attach(Api());
    SetProfileBasePath("plugins\\quorvel");
}

AttachedHost::~AttachedHost() {
    HostLink::Attach(nullptr);
    SetProfileBasePath("");
}
