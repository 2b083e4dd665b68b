#include "videoview.h"

#include "qphotoinfolabel.h"
#include "thumbcache.h"
#include "mixer.h"
#include "nativename.h"
#include "videointerface.h"
#include "volumeinterface.h"

#include <QDateTime>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QTimer>

#include <sys/stat.h>

VideoView::VideoView(QWidget *parent)
    : QWidget(parent, Qt::FramelessWindowHint)
    , m_banner(new QPhotoInfoLabel(this))
    , m_volumeTimer(new QTimer(this))
    , m_refusal(new QLabel(this))
{
    setFixedSize(320, 240);
    setWindowModality(Qt::WindowModal);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(0, 0, 0, 0));
    setPalette(palette);
    setAttribute(Qt::WA_TranslucentBackground);
    m_banner->setObjectName(QStringLiteral("videoLabel"));
    m_banner->move(195, 0);
    m_banner->show();
    connect(m_volumeTimer, &QTimer::timeout, this, &VideoView::Soundtimer_SLots);
    m_refusal->setObjectName(QStringLiteral("videoRefusal"));
    m_refusal->setTextFormat(Qt::PlainText);
    m_refusal->setAlignment(Qt::AlignCenter);
    m_refusal->setText(tr("This video cannot be played"));
    m_refusal->setStyleSheet(QStringLiteral("color: white; background-color: rgba(0, 0, 0, 160);"));
    m_refusal->setGeometry(20, 70, 280, 30);
    m_refusal->hide();
}

void VideoView::loadNetVideo(const QFileInfo &file)
{
    // The time the device reports as the file's creation, as the
    // thumbnail names take it.
    QDateTime created = ThumbCache::fileTime(file);
    if (NativeName::hasRawBytes(file.absoluteFilePath())) {
        // Qt would look at another name: the time of the file under these bytes.
        struct stat info {};
        created = ::stat(NativeName::encode(file.absoluteFilePath()).constData(), &info) == 0
                      ? QDateTime::fromSecsSinceEpoch(info.st_ctim.tv_sec)
                      : QDateTime();
    }
    m_banner->updateInformation(NativeName::shown(file.fileName()) + QLatin1Char('\n') + created.toString(QStringLiteral("yyyy/MM/dd"))
                                + QLatin1Char('\n') + created.toString(QStringLiteral("hh:mm:ss")));
    if (!m_videoInterface) {
        m_videoInterface = new VideoInterface(this);
        connect(m_videoInterface, &VideoInterface::sound_signals, this, &VideoView::SoundShow_Slots);
        connect(m_videoInterface, &VideoInterface::signal_startTime, this, &VideoView::signal_startTime);
        connect(m_videoInterface, &VideoInterface::signal_stopPlay, this, &VideoView::signal_stopPlay);
        connect(m_videoInterface, &VideoInterface::signal_cannotPlay, m_refusal, [this] {
            m_refusal->show();
            m_refusal->raise();
        });
        m_videoInterface->move((320 - m_videoInterface->width()) / 2, 220 - m_videoInterface->height());
        m_volumeInterface = new VolumeInterface(this);
        m_volumeInterface->move(230, 25);
        m_volumeInterface->setVolume(get_volume());
        connect(m_volumeInterface, &VolumeInterface::volumeMoveEvent, this, &VideoView::sliderMoved_slots);
        connect(m_volumeInterface, &VolumeInterface::volumeReleaseEvent, this, &VideoView::sliderReleased_slots);
        connect(m_volumeInterface, &VolumeInterface::volumePressEvent, this, &VideoView::sliderPressed_slots);
    }
    m_refusal->hide();
    m_videoInterface->setVideoFn(file.absoluteFilePath());
    m_videoInterface->show();
    if (m_volumeInterface)
        m_volumeInterface->hide();
}

bool VideoView::isVideoInterface(int x, int y) const
{
    return x >= 11 && x <= 309 && y >= 131 && y <= 229;
}

void VideoView::mousePressEvent(QMouseEvent *event)
{
    if (!m_videoInterface)
        return;
    const QPoint at = event->position().toPoint();
    if (m_videoInterface->isVisible()) {
        if (isVideoInterface(at.x(), at.y()))
            return;
        if (m_volumeInterface && m_volumeInterface->isVisible())
            m_volumeInterface->hide();
        m_videoInterface->hide();
    } else {
        m_videoInterface->show();
    }
}

void VideoView::defaultkeyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_I) {
        if (m_videoInterface)
            m_videoInterface->startpausePlay();
    } else if (event->key() == Qt::Key_Escape) {
        mplayProcessClose();
    }
}

void VideoView::mplayProcessClose()
{
    if (m_videoInterface) {
        if (!m_videoInterface->close())
            qWarning("\t %s %s %d close m_videoInterface fail \n", __FILE__, "mplayProcessClose", __LINE__);
        delete m_videoInterface;
        m_videoInterface = nullptr;
    }
    if (m_volumeInterface) {
        if (!m_volumeInterface->close())
            qWarning("\t %s %s %d close m_volumeInterface fail \n", __FILE__, "mplayProcessClose", __LINE__);
        delete m_volumeInterface;
        m_volumeInterface = nullptr;
    }
}

int VideoView::get_volume()
{
    return Mixer::masterVolume();
}

int VideoView::set_volume(int level)
{
    return Mixer::setMasterVolume(level);
}

void VideoView::sliderMoved_slots(int level)
{
    set_volume(level);
}

void VideoView::SoundShow_Slots()
{
    if (m_volumeInterface)
        m_volumeInterface->setVisible(!m_volumeInterface->isVisible());
}

void VideoView::sliderPressed_slots()
{
    qWarning("\t %s %s %d \n", __FILE__, "sliderPressed_slots", __LINE__);
    m_volumeTimer->stop();
}

void VideoView::sliderReleased_slots()
{
    qWarning("\t %s %s %d \n", __FILE__, "sliderReleased_slots", __LINE__);
    m_volumeTimer->stop();
    m_volumeTimer->start(VolumeHideMs);
}

void VideoView::Soundtimer_SLots()
{
    m_volumeTimer->stop();
    if (m_volumeInterface)
        m_volumeInterface->hide();
}
