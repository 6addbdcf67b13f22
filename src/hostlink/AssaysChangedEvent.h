// The Qt event standing for the host window message 0x040B, "the assay set changed", which the
// workbench posts without parameters so the host refreshes its view of the assays.
#pragma once

#include "hostlink/HostApi.h"

#include <QEvent>

inline constexpr QEvent::Type kAssaysChangedEventType =
    static_cast<QEvent::Type>(QEvent::User + HOST_MSG_ASSAYS_CHANGED);
