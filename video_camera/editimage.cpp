#include "editimage.h"

#include "encoderlink.h"
#include "paths.h"
#include "transientmark.h"

#include <QApplication>
#include <QBuffer>
#include <QGraphicsItem>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QImageReader>
#include <QPainter>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace {

constexpr int PanelWidth = 320;
constexpr int PanelHeight = 240;

// Hides the transient children and scene items of the windows while the
// overlay is rendered, and shows them again afterwards: the photo never
// holds them, the screen goes on showing them.
class TransientsHidden
{
public:
    explicit TransientsHidden(const QList<QWidget *> &windows)
    {
        for (QWidget *window : windows) {
            for (QWidget *child : window->findChildren<QWidget *>())
                if (child->isVisible() && TransientMark::isMarked(child)) {
                    child->hide();
                    m_widgets.append(child);
                }
            QList<QGraphicsView *> views = window->findChildren<QGraphicsView *>();
            if (auto *view = qobject_cast<QGraphicsView *>(window))
                views.append(view);
            for (QGraphicsView *view : std::as_const(views))
                if (QGraphicsScene *scene = view->scene())
                    for (QGraphicsItem *item : scene->items())
                        if (item->isVisible() && TransientMark::isMarked(item)) {
                            item->hide();
                            m_items.append(item);
                        }
        }
    }

    ~TransientsHidden()
    {
        for (QGraphicsItem *item : std::as_const(m_items))
            item->show();
        for (QWidget *widget : std::as_const(m_widgets))
            widget->show();
    }

    TransientsHidden(const TransientsHidden &) = delete;
    TransientsHidden &operator=(const TransientsHidden &) = delete;

private:
    QList<QWidget *> m_widgets;
    QList<QGraphicsItem *> m_items;
};

// The windows the overlay is made of, the oldest first: windows are shown
// above the ones built before them, so later ones are painted over.
QList<QWidget *> overlayWindows()
{
    QList<QWidget *> windows;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (!w->isVisible() || w->windowType() == Qt::Desktop || TransientMark::isMarked(w))
            continue;
        // A widget embedded in a scene is drawn by that scene's view.
        if (w->graphicsProxyWidget())
            continue;
        windows.append(w);
    }
    const QWindowList order = QGuiApplication::allWindows();
    std::stable_sort(windows.begin(), windows.end(), [&order](const QWidget *a, const QWidget *b) {
        return order.indexOf(a->windowHandle()) < order.indexOf(b->windowHandle());
    });
    return windows;
}

} // namespace

EditImage::EditImage()
    : m_canvas(EncoderLink::PhotoWidth, EncoderLink::PhotoHeight, QImage::Format_ARGB32_Premultiplied)
    , m_grabber(&EditImage::grabTopLevelWindows)
{
}

QImage EditImage::grabTopLevelWindows()
{
    QImage out(PanelWidth, PanelHeight, QImage::Format_ARGB32_Premultiplied);
    out.fill(Qt::transparent);
    const QList<QWidget *> windows = overlayWindows();
    const TransientsHidden hidden(windows);
    QPainter painter(&out);
    for (QWidget *w : windows) {
        if (!w->property(BoardLayerProperty).toBool()) {
            w->render(&painter, w->pos(), QRegion(), QWidget::DrawChildren);
            continue;
        }
        // A window that paints the board's layer itself: only what stands
        // on it, as the framebuffer holds only the overlay.
        for (QWidget *child : w->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
            if (child->isVisible())
                child->render(&painter, w->pos() + child->pos(), QRegion(), QWidget::DrawChildren);
    }
    return out;
}

void EditImage::loadImage(const QString &path)
{
    m_path = path;
    // Photos are JPEG: no other image reader gets the file, not even when
    // the JPEG reader refuses it.
    QImageReader reader(Paths::resolve(path), "jpeg");
    reader.setAutoDetectImageFormat(false);
    reader.setDecideFormatFromContent(false);
    m_photo = reader.read();
}

void EditImage::loadImageData(const QByteArray &jpeg)
{
    QBuffer buffer;
    buffer.setData(jpeg);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "jpeg");
    reader.setAutoDetectImageFormat(false);
    reader.setDecideFormatFromContent(false);
    m_photo = reader.read();
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
