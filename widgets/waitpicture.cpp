#include "waitpicture.h"

#include "paintflush.h"
#include "picturecache.h"

#include <QPainter>
#include <QWidget>

void WaitPicture::setUp(QWidget *widget, const QSize &size, Qt::WindowFlags flags)
{
    widget->setFixedSize(size);
    widget->setWindowFlags(flags);
    widget->setWindowModality(Qt::WindowModal);
    widget->setFocusPolicy(Qt::NoFocus);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, QColor(0, 0, 0, 0));
    widget->setPalette(palette);
    widget->move((320 - size.width()) / 2, (240 - size.height()) / 2);
}

void WaitPicture::paint(QWidget *widget, const QString &picturePath)
{
    QPainter painter(widget);
    painter.setRenderHint(QPainter::Antialiasing);
    const QImage picture = PictureCache::image(picturePath);
    if (!picture.isNull())
        painter.drawImage(widget->rect(), picture);
}

void WaitPicture::runNow(QWidget *widget)
{
    widget->setVisible(true);
    PaintFlush::now();
}
