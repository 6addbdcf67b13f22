// The Qt event that stands for the host window message 0x040B ("the assay set changed"): a plug-in
// posts or sends it, without parameters, to tell the host to refresh its view of the assays. The
// module defines it; the host reacts to the same type.
#pragma once

#include "hostlink/AssaysChangedEvent.h"
