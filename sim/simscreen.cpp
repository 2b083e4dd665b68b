#include "simscreen.h"

#include <QApplication>
#include <QGraphicsView>
#include <QPaintEvent>
#include <QScreen>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QThread>
#include <QTimer>

#include "mplaylib.h"
#include "videothumbnailer.h"

SimScreen::SimScreen(QWidget *parent)
    : QWidget(parent)
    , m_placeholder(placeholderPicture())
    , m_picture(m_placeholder)
{
    setFixedSize(Width, Height);
    setWindowTitle(QStringLiteral("ostrel (simulated camera)"));
    m_shade = new QWidget(this);
    m_shade->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_shade->setAutoFillBackground(true);
    m_shade->setGeometry(0, 0, Width, Height);
    updateShade();
    m_layer = QImage(Width, Height, QImage::Format_RGB32);
    drawBoard(m_layer);
    // The window system keeps no stacking order a screenshot could ask
    // for: follow it from the show and raise events.
    qApp->installEventFilter(this);
    auto *encoderPoll = new QTimer(this);
    // The photo grab takes what stands on this screen, not its picture.
    setProperty("ostrelBoardLayer", true);
    connect(encoderPoll, &QTimer::timeout, this, &SimScreen::refreshEncoderState);
    encoderPoll->start(EncoderPollMs);
    auto *videoPoll = new QTimer(this);
    connect(videoPoll, &QTimer::timeout, this, &SimScreen::refreshVideoFrame);
    videoPoll->start(VideoFramePollMs);
}

void SimScreen::refreshVideoFrame()
{
    const MplayLib *player = MplayLib::active();
    const bool playing = player && !player->playingFile().isEmpty()
                         && (player->state() == MplayLib::stPlaying || player->state() == MplayLib::stPaused);
    if (!playing) {
        m_frameKey.clear();
        if (!m_videoFrame.isNull())
            setVideoFrame(QImage());
        return;
    }
    const QString file = player->playingFile();
    const int second = player->position();
    const QString key = file + QLatin1Char('@') + QString::number(second);
    // One decode at a time, and none for a frame already shown.
    if (key == m_frameKey || m_frameThread)
        return;
    m_frameKey = key;
    QPointer<SimScreen> self(this);
    m_frameThread = QThread::create([self, file, second] {
        const QImage frame = VideoThumbnailer::instance()->frameAt(file, second, QSize(Width, Height));
        QMetaObject::invokeMethod(qApp, [self, frame] {
            if (self && !frame.isNull() && !self->m_frameKey.isEmpty())
                self->setVideoFrame(frame);
        }, Qt::QueuedConnection);
    });
    connect(m_frameThread, &QThread::finished, this, [this] {
        m_frameThread->deleteLater();
        m_frameThread = nullptr;
    });
    m_frameThread->start();
}

void SimScreen::setVideoFrame(const QImage &frame)
{
    m_videoFrame = frame;
    // The player's picture lies right under the playback screen's own
    // items, above every other window, as the camera's video layer shows
    // through the playback screen alone.
    for (QWidget *window : QApplication::topLevelWidgets()) {
        auto *surface = qobject_cast<QGraphicsView *>(window);
        if (surface && surface->property("ostrelVideoSurface").toBool())
            surface->setBackgroundBrush(frame.isNull() ? QBrush() : QBrush(frame));
    }
}

void SimScreen::refreshEncoderState()
{
    setEncoderState(EncoderState::load());
}

void SimScreen::setEncoderState(const EncoderState &state)
{
    if (state == m_encoder)
        return;
    m_encoder = state;
    layerChanged();
}

// On the camera the board's picture is a video layer under the whole frame
// buffer, and a clear window lets it through wherever it is transparent.
// Here that layer is this widget, and the frame-buffer platforms put each
// window over the others as it is, transparent pixels included (black on
// the screen): a clear window is painted on the part of the layer it
// covers, before it paints itself.
static bool isClearWindow(const QWidget *widget)
{
    return widget->isWindow() && widget->testAttribute(Qt::WA_TranslucentBackground);
}

void SimScreen::paintLayerUnder(QWidget *window, const QRegion &region)
{
    if (!m_clearWindows.contains(window))
        m_clearWindows.append(window);
    QPainter p(window);
    p.setClipRegion(region);
    p.drawImage(window->mapFromGlobal(mapToGlobal(QPoint(0, 0))), m_layer);
}

bool SimScreen::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Paint && watched != this) {
        auto *widget = qobject_cast<QWidget *>(watched);
        if (widget && isClearWindow(widget))
            paintLayerUnder(widget, static_cast<QPaintEvent *>(event)->region());
    }
    if (event->type() == QEvent::Show || event->type() == QEvent::ZOrderChange) {
        auto *widget = qobject_cast<QWidget *>(watched);
        if (widget && widget->isWindow() && widget != this) {
            m_stacking.removeAll(QPointer<QWidget>(widget));
            m_stacking.removeAll(QPointer<QWidget>());
            m_stacking.append(widget);
        }
    }
    return QWidget::eventFilter(watched, event);
}

SimScreen::~SimScreen()
{
    if (m_frameThread) {
        m_frameThread->wait();
        delete m_frameThread;
    }
    m_frames.remove();
    if (m_overlay && m_overlay->parent() == this)
        m_overlay->setParent(nullptr);
}

void SimScreen::setOverlay(QWidget *overlay)
{
    m_overlay = overlay;
    if (!overlay)
        return;
    overlay->setParent(this);
    overlay->setAttribute(Qt::WA_TranslucentBackground);
    overlay->setGeometry(0, 0, Width, Height);
    overlay->show();
    m_shade->raise();
}

void SimScreen::setBacklight(int value)
{
    m_backlight = qBound(0, value, 8192);
    updateShade();
}

void SimScreen::setPanelOn(bool on)
{
    m_panelOn = on;
    updateShade();
}

// The darkest backlight still leaves a quarter of the light; off is black.
void SimScreen::updateShade()
{
    const int alpha = m_panelOn ? m_backlight * 191 / 8192 : 255;
    QPalette palette = m_shade->palette();
    palette.setColor(QPalette::Window, QColor(0, 0, 0, alpha));
    m_shade->setPalette(palette);
    m_shade->setVisible(alpha > 0);
    m_shade->raise();
}

void SimScreen::showOnScreen(QWidget *window)
{
    const QRect geometry = window->geometry();
    window->setParent(this);
    window->setGeometry(geometry);
    window->show();
    window->raise();
    m_shade->raise();
}

void SimScreen::setBoardPicture(const QImage &picture)
{
    setBoardLayer(picture, m_colorBar);
}

void SimScreen::setColorBar(const QImage &bar)
{
    setBoardLayer(m_picture, bar);
}

// The board hands out the same picture, shared, while it stands still:
// comparing costs nothing then.
void SimScreen::setBoardLayer(const QImage &picture, const QImage &bar)
{
    const QImage shown = picture.isNull() ? m_placeholder : picture;
    if (m_layerComposed && shown == m_picture && bar == m_colorBar)
        return;
    m_picture = shown;
    m_colorBar = bar;
    layerChanged();
}

QImage SimScreen::placeholderPicture()
{
    // A dull background with one warm and one cold blob, so the overlay can
    // be judged against something that looks like a thermal picture.
    QImage image(Width, Height, QImage::Format_RGB32);
    QPainter p(&image);
    QLinearGradient background(0, 0, 0, Height);
    background.setColorAt(0, QColor(40, 0, 80));
    background.setColorAt(1, QColor(120, 20, 90));
    p.fillRect(image.rect(), background);
    QRadialGradient warm(QPointF(110, 130), 50);
    warm.setColorAt(0, QColor(255, 250, 200));
    warm.setColorAt(0.5, QColor(250, 160, 20));
    warm.setColorAt(1, QColor(250, 160, 20, 0));
    p.setBrush(warm);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(110, 130), 50, 50);
    QRadialGradient cold(QPointF(230, 90), 35);
    cold.setColorAt(0, QColor(0, 0, 30));
    cold.setColorAt(1, QColor(0, 0, 30, 0));
    p.setBrush(cold);
    p.drawEllipse(QPointF(230, 90), 35, 35);
    return image;
}

QImage SimScreen::videoLayer() const
{
    QImage layer(Width, Height, QImage::Format_RGB32);
    drawBoard(layer);
    return layer;
}

// The board's picture zoomed and turned as encoder-sim keeps it.
void SimScreen::drawBoard(QImage &layer) const
{
    QPainter p(&layer);
    // Whatever the picture leaves uncovered is black.
    if (!m_encoder.isNeutral() || m_picture.hasAlphaChannel())
        p.fillRect(layer.rect(), Qt::black);
    if (!m_encoder.isNeutral()) {
        // As the encoder service does: zoom and turn about the centre.
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.translate(Width / 2.0, Height / 2.0);
        p.rotate(m_encoder.angle);
        p.scale(m_encoder.zoom / 10.0, m_encoder.zoom / 10.0);
        p.translate(-Width / 2.0, -Height / 2.0);
    }
    p.drawImage(layer.rect(), m_picture);
}

// Composed once per change: the frame segment and the paint share it.
void SimScreen::layerChanged()
{
    m_layerComposed = true;
    drawBoard(m_layer);
    if (!m_colorBar.isNull())
        QPainter(&m_layer).drawImage(QPoint(299, 56), m_colorBar);
    publishVideoLayer();
    update();
    m_clearWindows.removeAll(QPointer<QWidget>());
    for (QWidget *window : std::as_const(m_clearWindows))
        if (window->isVisible() && isClearWindow(window))
            window->update();
}

void SimScreen::publishVideoLayer()
{
    // encoder-sim encodes photos from what the board shows.
    if (m_frames.create())
        m_frames.publish(m_layer);
}

void SimScreen::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.drawImage(rect(), m_layer);
}

bool SimScreen::onFrameBuffer()
{
    const QString platform = QGuiApplication::platformName();
    return platform == QLatin1String("vnc") || platform == QLatin1String("linuxfb");
}

// Exposes, paints, flushes and redraws the frame buffer: each step posts
// the next.
static void settleFrameBuffer()
{
    for (int round = 0; round < 4; ++round)
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

QImage SimScreen::frameBufferImage()
{
    settleFrameBuffer();
    QScreen *panel = screen();
    const QRect area(mapToGlobal(QPoint(0, 0)) - panel->geometry().topLeft(), size());
    return panel->grabWindow(0, area.x(), area.y(), area.width(), area.height())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

QImage SimScreen::composed()
{
    // The backlight lights every window on the panel: the shade goes over
    // the dialogs too, once.
    const bool shaded = m_shade->isVisible();
    m_shade->hide();
    if (onFrameBuffer()) {
        QImage image = frameBufferImage();
        m_shade->setVisible(shaded);
        if (shaded)
            QPainter(&image).fillRect(image.rect(), m_shade->palette().color(QPalette::Window));
        return image;
    }
    QImage image = grab().toImage().convertToFormat(QImage::Format_RGB32);
    m_shade->setVisible(shaded);
    QPainter p(&image);
    const QPoint origin = geometry().topLeft();
    QList<QWidget *> windows;
    for (const QPointer<QWidget> &window : std::as_const(m_stacking))
        if (window)
            windows.append(window);
    // Windows shown before this screen existed go beneath the others.
    for (QWidget *window : QApplication::topLevelWidgets())
        if (!windows.contains(window))
            windows.prepend(window);
    for (QWidget *window : std::as_const(windows)) {
        if (window == this || !window->isVisible() || window->isMinimized())
            continue;
        p.drawPixmap(window->geometry().topLeft() - origin, window->grab());
    }
    if (shaded)
        p.fillRect(image.rect(), m_shade->palette().color(QPalette::Window));
    return image;
}
