#pragma once

#include <QImage>
#include <QString>

// Pictures of the resource file, each read once per process: rows and
// indicators repaint every 20-40 ms while a list glides or a tip fades.
// ":images/x" and ":/images/x" name the same picture. A missing picture
// gives a null image, and is not looked for again.
class PictureCache
{
public:
    static QImage image(const QString &path, Qt::ImageConversionFlags flags = Qt::AutoColor);
    // How many times a picture was read from the resources (for tests).
    static int loadCount();

private:
    PictureCache() = delete;
};
