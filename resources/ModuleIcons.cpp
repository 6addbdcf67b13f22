// The XPM drawings are C arrays; each is turned into a pixmap once, on first use.
#include "resources/ModuleIcons.h"

#include "icons/add.xpm"
#include "icons/delete.xpm"
#include "icons/delete_all.xpm"
#include "icons/open.xpm"
#include "icons/quorvel.xpm"
#include "icons/report.xpm"

#include <QPixmap>

namespace {

struct ButtonImage {
    int controlId;
    const char* const* xpm;
};
const ButtonImage kButtonImages[] = {
    {1016, add_xpm}, {1017, delete_xpm}, {1018, delete_all_xpm}, {1020, open_xpm}, {1023, report_xpm},
};

}  // namespace

QIcon DialogIcon() {
    static const QIcon icon{QPixmap(quorvel_xpm)};
    return icon;
}

QIcon ButtonIcon(int controlId) {
    for (const ButtonImage& image : kButtonImages)
        if (image.controlId == controlId) return QIcon(QPixmap(image.xpm));
    return QIcon();
}
