#include "waitpicture.h"

#include "paintflush.h"
#include "picturecache.h"

#include <QPainter>

WaitPicture::WaitPicture(QWidget *parent, const QSize &size, Qt::WindowFlags flags, const QString &picturePath)
    : QWidget(parent)
    , m_picturePath(picturePath)
{
    setFixedSize(size);
    setWindowFlags(flags);
    setWindowModality(Qt::WindowModal);
    setFocusPolicy(Qt::NoFocus);
    QPalette transparent = palette();
    transparent.setColor(QPalette::Window, QColor(0, 0, 0, 0));
    setPalette(transparent);
    move((320 - size.width()) / 2, (240 - size.height()) / 2);
}

void WaitPicture::IndicatorRunImage()
{
    setVisible(true);
    PaintFlush::now();
}

void WaitPicture::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QImage picture = PictureCache::image(m_picturePath);
    if (!picture.isNull())
        painter.drawImage(rect(), picture);
}
