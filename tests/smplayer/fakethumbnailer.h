#pragma once

#include "videothumbnailer.h"

#include <QFile>
#include <QImage>
#include <QMutex>
#include <QPainter>
#include <QStringList>

// A thumbnailer that draws a plain picture and counts what it was asked,
// from whichever thread asks.
class FakeThumbnailer : public VideoThumbnailer
{
public:
    bool makeThumbnail(const QString &videoPath, const QString &jpegPath, const QSize &size) override
    {
        {
            QMutexLocker locker(&mutex);
            made << videoPath;
        }
        return picture(size, int(made.size())).save(jpegPath, "JPG");
    }
    QImage frameAt(const QString &videoPath, int second, const QSize &size) override
    {
        QMutexLocker locker(&mutex);
        frames << second;
        return picture(size, second);
    }
    // A dark scene with a warm blob that moves with n.
    static QImage picture(const QSize &size, int n)
    {
        QImage image(size, QImage::Format_RGB32);
        QPainter p(&image);
        QLinearGradient background(0, 0, 0, size.height());
        background.setColorAt(0, QColor(30, 10, 70));
        background.setColorAt(1, QColor(110, 30, 90));
        p.fillRect(image.rect(), background);
        const QPointF centre(size.width() * (0.25 + 0.05 * (n % 10)), size.height() * 0.55);
        QRadialGradient warm(centre, size.height() / 3.0);
        warm.setColorAt(0, QColor(255, 245, 190));
        warm.setColorAt(0.5, QColor(245, 150, 30));
        warm.setColorAt(1, QColor(245, 150, 30, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(warm);
        p.drawEllipse(centre, size.height() / 3.0, size.height() / 3.0);
        return image;
    }
    QList<int> framesSoFar()
    {
        QMutexLocker locker(&mutex);
        return frames;
    }
    QStringList madeSoFar()
    {
        QMutexLocker locker(&mutex);
        return made;
    }

    QMutex mutex;
    QStringList made;
    QList<int> frames;
};
