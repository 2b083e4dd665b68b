#include "simstockpictures.h"

#include "paths.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QSaveFile>

namespace {
QImage card(const QColor &background)
{
    QImage image(72, 54, QImage::Format_RGB32);
    image.fill(background);
    return image;
}

bool writeIfMissing(const QString &path, const QImage &image)
{
    const QString host = Paths::resolve(path);
    if (QFileInfo::exists(host))
        return true;
    QDir().mkpath(QFileInfo(host).absolutePath());
    QSaveFile file(host);
    return file.open(QIODevice::WriteOnly) && image.save(&file, "JPG") && file.commit();
}
} // namespace

QImage SimStockPictures::shortVideo()
{
    QImage image = card(QColor(60, 64, 72));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(200, 200, 200), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(18, 12, 36, 30), 3, 3);
    p.setBrush(QColor(200, 200, 200));
    p.setPen(Qt::NoPen);
    p.drawPolygon(QPolygonF({QPointF(31, 20), QPointF(43, 27), QPointF(31, 34)}));
    return image;
}

QImage SimStockPictures::damagedVideo()
{
    QImage image = card(QColor(72, 40, 40));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(240, 200, 200), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(26, 17, 46, 37);
    p.drawLine(46, 17, 26, 37);
    return image;
}

bool SimStockPictures::install()
{
    const bool shortOk = writeIfMissing(QStringLiteral("/root/nullimage.jpg"), shortVideo());
    const bool damagedOk = writeIfMissing(QStringLiteral("/root/nullimage_err.jpg"), damagedVideo());
    return shortOk && damagedOk;
}
