// A QImage with a QPainter under the chart's QtCanvas; QDesktopServices for opening.
#include "report/QtReportPlatform.h"

#include "chart/QtCanvas.h"

#include <QDesktopServices>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QUrl>

bool QtReportPlatform::SavePicture(int32_t width, int32_t height, const std::function<void(Canvas&)>& draw,
                                   const std::string& path) {
    QImage picture(width, height, QImage::Format_ARGB32_Premultiplied);
    if (picture.isNull()) return false;
    picture.fill(Qt::white);
    {
        QPainter painter(&picture);
        QtCanvas canvas(painter);
        draw(canvas);
    }
    return picture.save(QString::fromStdString(path), "PNG");
}

void QtReportPlatform::Open(const std::string& path) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path)));
}
