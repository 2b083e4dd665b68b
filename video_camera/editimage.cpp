#include "editimage.h"

#include "encoderlink.h"
#include "paths.h"

#include <QApplication>
#include <QBuffer>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QWidget>

namespace {

constexpr int PanelWidth = 320;
constexpr int PanelHeight = 240;

} // namespace

EditImage::EditImage()
    : m_canvas(EncoderLink::PhotoWidth, EncoderLink::PhotoHeight, QImage::Format_ARGB32_Premultiplied)
{
    m_grabber = [] {
        if (Paths::isRealRoot()) {
            if (QScreen *screen = QGuiApplication::primaryScreen())
                return screen->grabWindow(0, 0, 0, PanelWidth, PanelHeight).toImage();
        }
        return grabTopLevelWindows();
    };
}

QImage EditImage::grabTopLevelWindows()
{
    QImage out(PanelWidth, PanelHeight, QImage::Format_ARGB32_Premultiplied);
    out.fill(Qt::transparent);
    QPainter painter(&out);
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (!w->isVisible() || w->windowType() == Qt::Desktop)
            continue;
        w->render(&painter, w->pos(), QRegion(), QWidget::DrawChildren);
    }
    return out;
}

void EditImage::loadImage(const QString &path)
{
    m_path = path;
    m_photo = QImage(Paths::resolve(path));
}

void EditImage::loadImageData(const QByteArray &jpeg)
{
    m_photo = QImage::fromData(jpeg);
}

bool EditImage::modifiedImage()
{
    grabScreen();
    composition();
    return saveImage();
}

void EditImage::grabScreen()
{
    m_grab = m_grabber().scaled(EncoderLink::PhotoWidth, EncoderLink::PhotoHeight, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

void EditImage::composition()
{
    QPainter painter(&m_canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(m_canvas.rect(), Qt::transparent);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.drawImage(0, 0, m_photo);
    painter.setCompositionMode(QPainter::CompositionMode_Lighten);
    painter.drawImage(0, 0, m_grab);
    painter.setCompositionMode(QPainter::CompositionMode_DestinationOver);
    painter.fillRect(m_canvas.rect(), Qt::white);
}

bool EditImage::saveImage()
{
    if (m_canvas.save(Paths::resolve(m_path), "JPG", -1)) {
        qDebug("saveImage success!");
        return true;
    }
    return false;
}

QByteArray EditImage::composeJpeg(const QByteArray &jpeg)
{
    loadImageData(jpeg);
    if (m_photo.isNull())
        return {};
    grabScreen();
    composition();
    return composeJpegFromCanvas();
}

QByteArray EditImage::composeJpegFromCanvas() const
{
    if (m_photo.isNull())
        return {};
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    if (!m_canvas.save(&buffer, "JPG", -1))
        return {};
    return out;
}
