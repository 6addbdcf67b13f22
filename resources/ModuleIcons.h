// The module's own icons, drawn for it and compiled in (icons/*.xpm): the window icon (32 x 32
// pixels) and the 16 x 16 images of the workbench's five icon buttons. They never come from a
// translation.
#pragma once

#include <QIcon>

// The workbench window's icon (resource 104).
QIcon DialogIcon();
// The image of icon button 1016 (add), 1017 (delete), 1018 (delete all), 1020 (open) or 1023
// (report); a null icon for any other control.
QIcon ButtonIcon(int controlId);
