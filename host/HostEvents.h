// The Qt event that stands for the host window message 0x040B ("the assay set changed"): a plug-in
// posts or sends it, without parameters, to tell the host to refresh its view of the assays.
#pragma once

#include "shell/HostApi.h"

#include <QEvent>

inline constexpr QEvent::Type AssaysChangedEventType =
    static_cast<QEvent::Type>(QEvent::User + HOST_MSG_ASSAYS_CHANGED);
