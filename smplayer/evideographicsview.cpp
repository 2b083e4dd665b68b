#include "evideographicsview.h"

#include "ephotosgraphicsview.h"
#include "nativename.h"
#include "videoview.h"

#include <QCloseEvent>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QKeyEvent>
#include <QtEndian>


int EVideoGraphicsView::s_timeStampEnable = 0;
qint64 EVideoGraphicsView::s_position = 0;

EVideoGraphicsView::EVideoGraphicsView(QWidget *parent)
    : QGraphicsView(parent)
    , m_videoView(new VideoView)
    , m_record(RecordSize, '\0')
{
    setFixedSize(320, 240);
    setStyleSheet(QStringLiteral("background-color: rgba(0, 0, 0, 0);"));
    setWindowFlags(Qt::FramelessWindowHint);
    setAttribute(Qt::WA_TranslucentBackground);
    // The simulated screen paints the playing video in here.
    setProperty("ostrelVideoSurface", true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFrameShape(QFrame::NoFrame);
    auto *scene = new QGraphicsScene(QRectF(0, 0, 320, 240), this);
    scene->setItemIndexMethod(QGraphicsScene::NoIndex);
    setScene(scene);
    scene->addWidget(m_videoView);
    m_replay = new EPhotosGraphicsView(this);
    connect(m_videoView, &VideoView::signal_startTime, this, &EVideoGraphicsView::slot_startTime);
    connect(m_videoView, &VideoView::signal_stopPlay, this, &EVideoGraphicsView::slot_stopPlay);
}

EVideoGraphicsView::~EVideoGraphicsView()
{
    // The player widget goes with the scene, after this object: nothing
    // it reports may reach the replay any more.
    m_videoView->disconnect(this);
    m_videoView->mplayProcessClose();
    closeVideoFile();
    delete m_replay;
    m_replay = nullptr;
}

qint64 EVideoGraphicsView::stride()
{
    return s_timeStampEnable ? RecordSize : FramedStride;
}

int EVideoGraphicsView::storedSecond(const QByteArray &record)
{
    return qFromLittleEndian<quint16>(record.constData() + StoredSecondOffset);
}

void EVideoGraphicsView::loadNetVideo(const QFileInfo &file)
{
    // Nothing of the previous video may stand over this one.
    closeAllObjects();
    m_lastSecond = -1;
    m_videoView->loadNetVideo(file);
    m_firstRecord = readFileHeaderFromFile(file.absoluteFilePath());
    s_position = m_firstRecord;
}

qint64 EVideoGraphicsView::readFileHeaderFromFile(const QString &path)
{
    closeVideoFile();
    m_video = PhotoReader::Video();
    if (!NativeName::openForReading(m_file, path))
        return -1;
    qWarning("=============open video file:%d==========", m_file.handle());
    m_fileLength = m_file.size();
    m_video = PhotoReader::readVideo(&m_file);
    // The video is only read: nothing to flush, and a flush of the whole
    // card on the GUI thread could wait for a recording just written.
    if (!m_video.valid) {
        closeVideoFile();
        return -1;
    }
    s_timeStampEnable = m_video.stampFlag;
    m_imageMode = m_video.imageMode;
    if (!EPhotosGraphicsView::acceptsImageMode(m_imageMode)) {
        closeVideoFile();
        return -1;
    }
    return m_video.firstRecord();
}

// Offsets are those of records (the first, then whole strides on), so the
// record's index is exact; the reader says whether it exists and how much
// of it the file holds. The rest of the buffer stays zero.
bool EVideoGraphicsView::readRecordAt(qint64 offset)
{
    m_record.fill('\0');
    if (!m_file.isOpen() || offset < m_video.firstRecord())
        return false;
    const PhotoReader::Range range = m_video.record((offset - m_video.firstRecord()) / m_video.stride());
    if (!range.isValid())
        return false;
    ++m_reads;
    const QByteArray bytes = PhotoReader::read(&m_file, range);
    m_record.replace(0, bytes.size(), bytes);
    return true;
}

void EVideoGraphicsView::slot_startTime(int second, bool seek)
{
    if (m_firstRecord < 0 || !m_file.isOpen())
        return;
    if (!seek) {
        if (second == m_lastSecond)
            return;
        m_lastSecond = second;
        if (second == 0)
            s_position = m_firstRecord;
        readIRDataFromFile(s_position, second);
        return;
    }
    const qint64 s = stride();
    qint64 offset = m_firstRecord + qint64(second) * s;
    while (offset >= m_fileLength - 10 && second > 0) {
        --second;
        offset -= s;
    }
    if (offset >= m_fileLength - 10 || !readRecordAt(offset))
        return;
    if (storedSecond(m_record) == second || second == 0) {
        s_position = offset;
        analysisIRData(m_record, second);
        return;
    }
    s_position = m_firstRecord + qint64(second - 1) * s;
    readIRDataFromFile(s_position, second - 1);
}

// A record whose offset reaches the final u32 does not exist: nothing is
// read or drawn.
void EVideoGraphicsView::readIRDataFromFile(qint64 offset, int second)
{
    if (!readRecordAt(offset))
        return;
    qWarning("=================Line:%d, offset:%lld second:%d", __LINE__, offset, second);
    analysisIRData(m_record, second);
}

void EVideoGraphicsView::analysisIRData(const QByteArray &record, int second)
{
    if (record.constData() != m_record.constData())
        m_record = record.left(RecordSize).leftJustified(RecordSize, '\0');
    int stored = storedSecond(m_record);
    qWarning("current second:%d ad second:%d", second, stored);
    const qint64 s = stride();
    if (stored == 0 || stored == second) {
        s_position += s;
    } else if (stored < second) {
        // The data is behind the picture: skip forward to this second.
        for (;;) {
            s_position += s;
            if (!readRecordAt(s_position))
                return;
            stored = storedSecond(m_record);
            if (stored == second) {
                s_position += s;
                break;
            }
            if (stored > second)
                break;
        }
    }
    draw(m_record);
}

void EVideoGraphicsView::draw(const QByteArray &record)
{
    m_shownRecordSecond = storedSecond(record);
    m_replay->setStoredImageMode(m_imageMode);
    m_replay->analysisIRData(record);
}

void EVideoGraphicsView::slot_stopPlay()
{
    closeAllObjects();
}

void EVideoGraphicsView::closeAllObjects()
{
    m_shownRecordSecond = -1;
    if (m_replay)
        m_replay->close();
}

void EVideoGraphicsView::closeVideoFile()
{
    if (m_file.isOpen())
        m_file.close();
}

void EVideoGraphicsView::releaseMplayer()
{
    if (m_videoView)
        m_videoView->mplayProcessClose();
    QWidget::close();
}

void EVideoGraphicsView::keyPressEvent(QKeyEvent *event)
{
    if (m_videoView)
        m_videoView->defaultkeyPressEvent(event);
    if (event->key() == Qt::Key_Escape) {
        QWidget::close();
        Q_EMIT listPlayerSignal();
    }
}

void EVideoGraphicsView::closeEvent(QCloseEvent *event)
{
    qWarning("=============close video file:%d==========", m_file.isOpen() ? m_file.handle() : -1);
    closeVideoFile();
    closeAllObjects();
    QGraphicsView::closeEvent(event);
}
