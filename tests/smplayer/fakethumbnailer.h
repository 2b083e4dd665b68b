#pragma once

#include "videothumbnailer.h"

#include <QFile>
#include <QImage>
#include <QMutex>
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
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::blue);
        return image.save(jpegPath, "JPG");
    }
    QImage frameAt(const QString &videoPath, int second, const QSize &size) override
    {
        QMutexLocker locker(&mutex);
        frames << second;
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::darkGreen);
        return image;
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
