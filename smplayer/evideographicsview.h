#pragma once

#include "photoreader.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QGraphicsView>

class EPhotosGraphicsView;
class VideoView;

// The playback screen: a transparent view carrying the player widget and,
// over the playing video, the measurements recorded with it, one record a
// second, read from the side data the recording appended to the file. The
// side data is found and its records are read through PhotoReader, the
// one bounded reader of photos and videos; this class only chooses which
// record a second shows.
class EVideoGraphicsView : public QGraphicsView
{
    Q_OBJECT
public:
    explicit EVideoGraphicsView(QWidget *parent = nullptr);
    ~EVideoGraphicsView() override;

    void loadNetVideo(const QFileInfo &file);
    qint64 readFileHeaderFromFile(const QString &path);
    void readIRDataFromFile(qint64 offset, int second);
    void analysisIRData(const QByteArray &record, int second);
    void closeAllObjects();
    void closeVideoFile();
    void releaseMplayer();

    VideoView *videoView() const { return m_videoView; }
    EPhotosGraphicsView *replay() const { return m_replay; }
    qint64 firstRecordOffset() const { return m_firstRecord; }
    qint64 fileLength() const { return m_fileLength; }
    int lastSecond() const { return m_lastSecond; }
    int storedImageMode() const { return m_imageMode; }
    static qint64 position() { return s_position; }
    static int timeStampEnable() { return s_timeStampEnable; }
    // The bytes between two seconds' records.
    static qint64 stride();
    // The stored second of the record drawn last, -1 when none is shown.
    int shownRecordSecond() const { return m_shownRecordSecond; }
    int recordReads() const { return m_reads; }

    static constexpr int RecordSize = 1792;
    static constexpr qint64 FramedStride = 0x36700;
    static constexpr int StoredSecondOffset = 0x5E;

Q_SIGNALS:
    void listPlayerSignal();

public Q_SLOTS:
    void slot_startTime(int second, bool seek);
    void slot_stopPlay();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    bool readRecordAt(qint64 offset);
    static int storedSecond(const QByteArray &record);
    void draw(const QByteArray &record);

    VideoView *m_videoView;
    // The one interpretation of a record, shared with the photo replay.
    EPhotosGraphicsView *m_replay = nullptr;
    QByteArray m_record;
    qint64 m_firstRecord = -1;
    QFile m_file;
    PhotoReader::Video m_video;
    int m_lastSecond = -1;
    int m_imageMode = 0;
    qint64 m_fileLength = 0;
    int m_shownRecordSecond = -1;
    int m_reads = 0;

    static int s_timeStampEnable;
    static qint64 s_position;
};
