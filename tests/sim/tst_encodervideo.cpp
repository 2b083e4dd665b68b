// encoder-sim's recording, with the build's own encoder-sim as a child
// process: the MP4 it writes (its start box, the end box with the recording
// check's marker), the side data and its offset appended, one record a
// second, the answers on the pipes and the switches that make it misbehave;
// and the sample recording of "--make-recording". The video is decoded with
// the system's libavformat.
#include "../smplayer/scriptedplayer.h"
#include "eglobal.h"
#include "egraphicstextitem.h"
#include "egraphicsview.h"
#include "encoderlink.h"
#include "encoderphoto.h"
#include "ephotosgraphicsview.h"
#include "evideographicsview.h"
#include "fpga.h"
#include "encodervideo.h"
#include "fiforeader.h"
#include "framesegment.h"
#include "ipckeys.h"
#include "mp4writer.h"
#include "paths.h"
#include "photolayout.h"
#include "photoreader.h"
#include "pipecommand.h"
#include "sharedmemory.h"
#include "simboard.h"
#include "simencoder.h"
#include "simroot.h"
#include "stepclock.h"
#include "systemclock.h"
#include "testroot.h"
#include "videopipeinterface.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <atomic>
#include <chrono>
#include <cstring>
#include <thread>

#ifdef OSTREL_HAVE_LIBAV
extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}
#endif

namespace {

constexpr const char *VideoPath = "/media/mmc/videoFile/260102_0001V.mp4";
constexpr double TimeScale = 0.02;

// What a player needs to know of the file.
struct Decoded
{
    bool opened = false;
    bool mpeg4 = false;
    int width = 0;
    int height = 0;
    int frames = 0;
    int patternFrames = 0;   // encoder-sim's eight bars: white left, black right
    double seconds = 0;
};

#ifdef OSTREL_HAVE_LIBAV
// The bars run from white to black: the left eighth is far brighter than
// the right one, where a scene of one grey is even.
bool isTestPattern(const AVFrame *frame)
{
    if (frame->format != AV_PIX_FMT_YUV420P || frame->width < 16)
        return false;
    const uint8_t *row = frame->data[0] + (frame->height / 2) * frame->linesize[0];
    return int(row[frame->width / 16]) - int(row[frame->width * 15 / 16]) > 100;
}
#endif

// The simulated screen's side of the frame segment: one grey scene
// published again and again with short pauses, so encoder-sim's reads
// often meet a write, as they do beside the simulator's frame timer.
class ScenePublisher
{
public:
    ~ScenePublisher()
    {
        m_stop = true;
        if (m_thread.joinable())
            m_thread.join();
        m_segment.remove();
    }
    bool start()
    {
        if (!m_segment.create())
            return false;
        QImage scene(EncoderLink::FrameWidth, EncoderLink::FrameHeight, QImage::Format_RGB32);
        scene.fill(qRgb(90, 90, 90));
        m_thread = std::thread([this, scene] {
            while (!m_stop) {
                m_segment.publish(scene);
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            }
        });
        return true;
    }

private:
    FrameSegment m_segment;
    std::thread m_thread;
    std::atomic<bool> m_stop{false};
};

Decoded decode(const QString &path)
{
    Decoded out;
#ifdef OSTREL_HAVE_LIBAV
    av_log_set_level(AV_LOG_QUIET);
    AVFormatContext *format = nullptr;
    const QByteArray url = "file:" + QFile::encodeName(path);
    if (avformat_open_input(&format, url.constData(), nullptr, nullptr) < 0)
        return out;
    const AVCodec *codec = nullptr;
    const int stream = avformat_find_stream_info(format, nullptr) >= 0
                           ? av_find_best_stream(format, AVMEDIA_TYPE_VIDEO, -1, -1, &codec, 0)
                           : -1;
    AVCodecContext *context = stream >= 0 ? avcodec_alloc_context3(codec) : nullptr;
    if (context && avcodec_parameters_to_context(context, format->streams[stream]->codecpar) >= 0
        && avcodec_open2(context, codec, nullptr) >= 0) {
        out.opened = true;
        out.mpeg4 = codec->id == AV_CODEC_ID_MPEG4;
        out.width = context->width;
        out.height = context->height;
        const AVStream *s = format->streams[stream];
        out.seconds = s->duration > 0 ? double(s->duration) * av_q2d(s->time_base) : 0;
        AVPacket *packet = av_packet_alloc();
        AVFrame *frame = av_frame_alloc();
        const auto drain = [&] {
            while (avcodec_receive_frame(context, frame) == 0) {
                ++out.frames;
                if (isTestPattern(frame))
                    ++out.patternFrames;
            }
        };
        while (av_read_frame(format, packet) >= 0) {
            if (packet->stream_index == stream && avcodec_send_packet(context, packet) >= 0)
                drain();
            av_packet_unref(packet);
        }
        avcodec_send_packet(context, nullptr);
        drain();
        av_frame_free(&frame);
        av_packet_free(&packet);
    }
    avcodec_free_context(&context);
    avformat_close_input(&format);
#else
    Q_UNUSED(path)
#endif
    return out;
}

quint32 u32be(const QByteArray &bytes, qint64 at)
{
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.constData() + at);
    return quint32(p[0]) << 24 | quint32(p[1]) << 16 | quint32(p[2]) << 8 | p[3];
}

// A recording as the recording check and the replay read it: the video
// data starts with its "ftyp" box and is a chain of top-level boxes ending
// with the end box; the final u32 is where the side data begins.
void checkRecording(const QByteArray &bytes, const QByteArray &side)
{
    QVERIFY(bytes.size() > 64);
    QCOMPARE(bytes.mid(4, 4), QByteArray("ftyp"));
    qint64 offset = 0;
    QVERIFY(PhotoReader::trailingLength(bytes, &offset));
    QCOMPARE(bytes.mid(offset - 8, 8), QByteArray(Mp4Writer::EndMarker));
    qint64 at = 0;
    QByteArray lastType;
    while (at < offset) {
        const quint32 size = u32be(bytes, at);
        QVERIFY2(size >= 8 && at + size <= offset, qPrintable(QStringLiteral("box at %1").arg(at)));
        lastType = bytes.mid(at + 4, 4);
        if (at + size == offset)
            QCOMPARE(qint64(size), qint64(Mp4Writer::EndBoxSize));
        at += size;
    }
    QCOMPARE(lastType, QByteArray("free"));
    QCOMPARE(bytes.mid(offset, bytes.size() - offset - 4), side);
}

// The second counter of each record, in file order.
QList<int> recordSeconds(const QByteArray &bytes)
{
    QList<int> seconds;
    for (qint64 k = 0;; ++k) {
        const PhotoReader::Range r = PhotoReader::videoRecord(bytes, k);
        if (!r.isValid())
            return seconds;
        seconds.append(int(PhotoLayout::getU16(reinterpret_cast<const unsigned char *>(bytes.constData() + r.offset) + 0x5E)));
    }
}

// The live view over the simulated board in the test's own root, so the
// recording's records and picture mode come from it.
struct LiveView
{
    explicit LiveView(const QString &root)
        : board(std::make_shared<SimBoard>())
    {
        SimRoot::prepare(root);
        SimBoard::install(board);
        fpga = std::make_unique<FPGA>();
        EGlobal::setFPGA(fpga.get());
        view = std::make_unique<EGraphicsView>();
    }
    ~LiveView()
    {
        view.reset();
        EGlobal::setFPGA(nullptr);
        fpga.reset();
        SimBoard::install(nullptr);
    }
    std::shared_ptr<SimBoard> board;
    std::unique_ptr<FPGA> fpga;
    std::unique_ptr<EGraphicsView> view;
};

} // namespace

class TstEncoderVideo : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void recordsWithTheSideFile();
    void recordingReplaysItsMeasurements_data();
    void recordingReplaysItsMeasurements();
    void recordsOnlyTheScene_data();
    void recordsOnlyTheScene();
    void switches_data();
    void switches();
    void staleSideFileIsLeftOut();
    void recordsOnlyInsideTheRoot_data();
    void recordsOnlyInsideTheRoot();
    void startRemovesStaleTemporaries_data();
    void startRemovesStaleTemporaries();
    void sampleRecording();
    void sampleRecordingRefusesBadArguments_data();
    void sampleRecordingRefusesBadArguments();

private:
    bool startEncoder();
    int seconds() const;
    QByteArray videoFile() const { return m_root->readFile(QLatin1String(VideoPath)); }
    std::unique_ptr<TestRoot> m_root;
    std::unique_ptr<QProcess> m_encoder;
    std::unique_ptr<FifoReader> m_time;
    QByteArrayList m_timeMessages;
};

void TstEncoderVideo::init()
{
    m_root = std::make_unique<TestRoot>();
    QVERIFY(m_root->writeFile(QLatin1String(SimRoot::MarkFile), ""));
    QVERIFY(QDir().mkpath(m_root->hostPath(QStringLiteral("/media/mmc/videoFile"))));
    QVERIFY(QDir().mkpath(m_root->hostPath(QStringLiteral("/root"))));
    m_timeMessages.clear();
    m_time = std::make_unique<FifoReader>(QLatin1String(EncoderLink::VideoTimePipe));
    connect(m_time.get(), &FifoReader::received, this, [this](const QByteArray &data) { m_timeMessages.append(data); });
    QVERIFY(m_time->open());
}

void TstEncoderVideo::cleanup()
{
    if (m_encoder) {
        m_encoder->terminate();
        if (!m_encoder->waitForFinished(5000))
            m_encoder->kill();
        m_encoder->waitForFinished(5000);
        m_encoder.reset();
    }
    m_time.reset();
    SharedMemory segment;
    if (segment.attach(IpcKeys::key(EncoderLink::VideoSecondsKey), EncoderLink::VideoSecondsSize))
        segment.remove();
    SystemClock::install(nullptr);
    m_root.reset();
}

bool TstEncoderVideo::startEncoder()
{
    m_encoder = std::make_unique<QProcess>();
    m_encoder->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("OSTREL_TIME_SCALE"), QString::number(TimeScale));
    m_encoder->setProcessEnvironment(env);
    m_encoder->start(SimEncoder::program(), {m_root->root()});
    if (!m_encoder->waitForStarted(5000))
        return false;
    const QString pipe = m_root->hostPath(QLatin1String(EncoderLink::CommandPipe));
    QElapsedTimer t;
    t.start();
    while (!QFileInfo::exists(pipe) && t.elapsed() < 10000)
        QTest::qWait(10);
    return QFileInfo::exists(pipe);
}

int TstEncoderVideo::seconds() const
{
    SharedMemory segment;
    if (!segment.attach(IpcKeys::key(EncoderLink::VideoSecondsKey), EncoderLink::VideoSecondsSize, true))
        return -1;
    qint32 value = 0;
    std::memcpy(&value, segment.data(), sizeof value);
    return value;
}

// The application's own side-file writer beside encoder-sim: "fadsave"
// opens the side file, three seconds give three records, the stop closes
// it and the finished recording carries those bytes after its end box.
void TstEncoderVideo::recordsWithTheSideFile()
{
    auto *clock = new StepClock;
    SystemClock::install(clock);
    QVERIFY(startEncoder());
    VideoPipeInterface pipe;
    QVERIFY(pipe.start());
    QSignalSpy ended(&pipe, &VideoPipeInterface::videoExitPipeSignals);
    QVERIFY(PipeCommand::send(EncoderLink::CommandPipe, QByteArray(EncoderLink::MultimediaStartPrefix) + VideoPath, "test"));
    QTRY_VERIFY(pipe.hasSideFile());
    QTRY_COMPARE(m_timeMessages, QByteArrayList{"video"});
    // The count runs on encoder-sim's scaled second; the MP4 grows meanwhile.
    QTRY_VERIFY(seconds() >= 2);
    const QString temporary = m_root->hostPath(QLatin1String(VideoPath) + EncoderVideo::TemporarySuffix);
    QTRY_VERIFY(QFileInfo(temporary).size() > 0);
    for (int i = 0; i < 2; ++i) {
        clock->t = clock->t.addSecs(1);
        pipe.tick();
    }
    const QByteArray side = m_root->readFile(QLatin1String(VideoPipeInterface::SideFile));
    QCOMPARE(side.size(), 416 + 3 * 1792);
    QVERIFY(PipeCommand::send(EncoderLink::CommandPipe, EncoderLink::MultimediaStop, "test"));
    QTRY_COMPARE_WITH_TIMEOUT(ended.size(), 1, 10000);
    QVERIFY(!pipe.hasSideFile());
    QCOMPARE(seconds(), 0);
    QVERIFY(!QFileInfo::exists(temporary));
    const QByteArray bytes = videoFile();
    checkRecording(bytes, side);
    QCOMPARE(recordSeconds(bytes), (QList<int>{0, 1, 2}));
#ifdef OSTREL_HAVE_LIBAV
    const Decoded video = decode(m_root->hostPath(QLatin1String(VideoPath)));
    QVERIFY(video.opened);
    QVERIFY(video.mpeg4);
    QCOMPARE(video.width, EncoderLink::FrameWidth);
    QCOMPARE(video.height, EncoderLink::FrameHeight);
    QVERIFY(video.frames >= 1);
#endif
}

// A recording made in each picture mode stores that mode once (mode + 1)
// and the replay shows its measurements from the written file, except for
// a visible-only recording.
void TstEncoderVideo::recordingReplaysItsMeasurements_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("stored");
    QTest::addColumn<bool>("replayed");
    QTest::newRow("infrared") << int(IR) << 1 << true;
    QTest::newRow("visible only") << int(Visible) << 2 << false;
    QTest::newRow("infrared mixed into visible") << int(IR_MIX_VIS) << 5 << true;
    QTest::newRow("visible mixed into infrared") << int(VIS_MIX_IR) << 6 << true;
}

void TstEncoderVideo::recordingReplaysItsMeasurements()
{
    QFETCH(int, mode);
    QFETCH(int, stored);
    QFETCH(bool, replayed);
    LiveView live(m_root->root());
    live.view->setImageMode(Image_Mode_t(mode));
    QCOMPARE(int(live.view->getImageMode()), mode);
    auto *clock = new StepClock;
    SystemClock::install(clock);
    QVERIFY(startEncoder());
    VideoPipeInterface pipe;
    QVERIFY(pipe.start());
    QSignalSpy ended(&pipe, &VideoPipeInterface::videoExitPipeSignals);
    QVERIFY(PipeCommand::send(EncoderLink::CommandPipe, QByteArray(EncoderLink::MultimediaStartPrefix) + VideoPath, "test"));
    QTRY_VERIFY(pipe.hasSideFile());
    const QString temporary = m_root->hostPath(QLatin1String(VideoPath) + EncoderVideo::TemporarySuffix);
    QTRY_VERIFY(QFileInfo(temporary).size() > 0);
    clock->t = clock->t.addSecs(1);
    pipe.tick();
    QVERIFY(PipeCommand::send(EncoderLink::CommandPipe, EncoderLink::MultimediaStop, "test"));
    QTRY_COMPARE_WITH_TIMEOUT(ended.size(), 1, 10000);
    QCOMPARE(recordSeconds(videoFile()), (QList<int>{0, 1}));

    ScriptedPlayer::install();
    {
        EVideoGraphicsView replay;
        replay.loadNetVideo(QFileInfo(m_root->hostPath(QLatin1String(VideoPath))));
        QCOMPARE(replay.storedImageMode(), stored);
        replay.slot_startTime(0, false);
        replay.slot_startTime(1, false);
        QCOMPARE(replay.shownRecordSecond(), replayed ? 1 : -1);
        QCOMPARE(replay.replay()->legend()->isVisible(), replayed);
    }
    ScriptedPlayer::uninstall();
}

// Every frame of a recording is the scene the screen publishes, also when
// a read meets a write and when the scene comes only after the start; the
// test pattern never shows.
void TstEncoderVideo::recordsOnlyTheScene_data()
{
    QTest::addColumn<bool>("sceneFirst");
    QTest::newRow("scene there at the start") << true;
    QTest::newRow("scene comes after the start") << false;
}

void TstEncoderVideo::recordsOnlyTheScene()
{
#ifndef OSTREL_HAVE_LIBAV
    QSKIP("no video libraries to decode the recording");
#endif
    QFETCH(bool, sceneFirst);
    ScenePublisher scene;
    if (sceneFirst)
        QVERIFY(scene.start());
    QVERIFY(startEncoder());
    FifoReader main(QLatin1String(EncoderLink::VideoMainPipe));
    QByteArray messages;
    connect(&main, &FifoReader::received, this, [&](const QByteArray &data) { messages += data; });
    QVERIFY(main.open());
    QVERIFY(PipeCommand::send(EncoderLink::CommandPipe, QByteArray(EncoderLink::MultimediaStartPrefix) + VideoPath, "test"));
    QTRY_COMPARE(messages, QByteArray("fadsave"));
    QVERIFY(m_root->writeFile(QLatin1String(VideoPipeInterface::SideFile), QByteArray(416 + 1792, '\0')));
    if (!sceneFirst) {
        QTRY_VERIFY(seconds() >= 1);
        QVERIFY(scene.start());
    }
    QTRY_VERIFY(seconds() >= 10);
    QVERIFY(PipeCommand::send(EncoderLink::CommandPipe, EncoderLink::MultimediaStop, "test"));
    QTRY_VERIFY_WITH_TIMEOUT(messages.endsWith("videostop"), 10000);
#ifdef OSTREL_HAVE_LIBAV
    const Decoded video = decode(m_root->hostPath(QLatin1String(VideoPath)));
    QVERIFY(video.opened);
    QVERIFY(video.frames >= 2);
    QCOMPARE(video.patternFrames, 0);
#endif
}

// Each switch against the plain run; the test writes the side file itself
// and reads "/tmp/videomain" raw, so merged answers stay visible.
void TstEncoderVideo::switches_data()
{
    QTest::addColumn<QByteArray>("switchWords");
    QTest::addColumn<QByteArray>("path");   // empty: no start
    QTest::addColumn<QByteArray>("answers");
    QTest::addColumn<bool>("video");
    QTest::addColumn<int>("countAtStart");
    QTest::addColumn<bool>("counts");
    QTest::addColumn<bool>("fileMade");
    const QByteArray path(VideoPath);
    const QByteArray all("fadsavefadstopvideostop");
    QTest::newRow("plain") << QByteArray() << path << all << true << 0 << true << true;
    QTest::newRow("both stops in one write") << QByteArray("video-stops-merged\n") << path << all << true << 0 << true << true;
    QTest::newRow("no videostop") << QByteArray("no-videostop\n") << path << QByteArray("fadsavefadstop") << true << 0 << true << true;
    QTest::newRow("no video") << QByteArray("no-video\n") << path << all << false << 0 << true << true;
    QTest::newRow("count stuck") << QByteArray("count-stuck\n") << path << all << true << 0 << false << true;
    QTest::newRow("count ahead") << QByteArray("count-ahead\n") << path << all << true << int(EncoderVideo::CountLead) << true << true;
    // The answers as ever; the recording is gone, its temporary too.
    QTest::newRow("card fills") << QByteArray("card-full\n") << path << all << true << 0 << true << false;
    QTest::newRow("stop without a recording") << QByteArray() << QByteArray() << QByteArray("fadstopvideostop") << false << 0 << false
                                              << false;
    // Only an absolute path names a file: a relative one is recorded nowhere.
    QTest::newRow("relative path") << QByteArray() << path.mid(1) << all << true << 0 << true << false;
}

void TstEncoderVideo::switches()
{
    QFETCH(QByteArray, switchWords);
    QFETCH(QByteArray, path);
    QFETCH(QByteArray, answers);
    QFETCH(bool, video);
    QFETCH(int, countAtStart);
    QFETCH(bool, counts);
    QFETCH(bool, fileMade);
    QVERIFY(m_root->writeFile(QLatin1String(EncoderPhoto::SwitchFile), switchWords));
    QVERIFY(startEncoder());
    FifoReader main(QLatin1String(EncoderLink::VideoMainPipe));
    QByteArrayList messages;
    // Whether the finished recording was there when "fadstop" came.
    bool fileAtFadstop = false;
    const QString finalPath = m_root->hostPath(QLatin1String(VideoPath));
    connect(&main, &FifoReader::received, this, [&](const QByteArray &data) {
        if (data.contains("fadstop"))
            fileAtFadstop = QFileInfo::exists(finalPath);
        messages.append(data);
    });
    QVERIFY(main.open());
    const QByteArray side = QByteArray(416, 'h') + QByteArray(1792, 'r');
    if (!path.isEmpty()) {
        QVERIFY(PipeCommand::send(EncoderLink::CommandPipe, QByteArray(EncoderLink::MultimediaStartPrefix) + path, "test"));
        QTRY_COMPARE(messages.join(), QByteArray("fadsave"));
        const int first = seconds();
        QVERIFY2(first >= countAtStart, qPrintable(QString::number(first)));
        QVERIFY(m_root->writeFile(QLatin1String(VideoPipeInterface::SideFile), side));
        if (counts) {
            QTRY_VERIFY(seconds() >= countAtStart + 3);
        } else {
            // Ten of encoder-sim's seconds.
            QTest::qWait(int(10 * 1000 * TimeScale));
            QCOMPARE(seconds(), 0);
        }
    }
    QVERIFY(PipeCommand::send(EncoderLink::CommandPipe, EncoderLink::MultimediaStop, "test"));
    if (answers.endsWith("videostop")) {
        QTRY_VERIFY_WITH_TIMEOUT(messages.join().endsWith("videostop"), 10000);
    } else {
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(finalPath), 10000);
        // Time for an answer that must not come.
        QTest::qWait(int(EncoderVideo::SideQuietMs * TimeScale * 4));
    }
    QCOMPARE(messages.join(), answers);
    QCOMPARE(m_timeMessages.join(), video ? QByteArray("video") : QByteArray());
    if (QTest::currentDataTag() == QByteArray("both stops in one write")) {
        QVERIFY(messages.contains("fadstopvideostop"));
        QVERIFY(fileAtFadstop);
    }
    QCOMPARE(seconds(), path.isEmpty() ? -1 : 0);
    if (fileMade) {
        const QByteArray bytes = m_root->readFile(QLatin1String(VideoPath));
        checkRecording(bytes, side);
        QCOMPARE(recordSeconds(bytes).size(), 1);
    } else {
        QVERIFY(!QFileInfo::exists(finalPath));
        QDirIterator files(m_root->root(), {QStringLiteral("*.mp4*")}, QDir::Files, QDirIterator::Subdirectories);
        QVERIFY2(!files.hasNext(), qPrintable(files.hasNext() ? files.next() : QString()));
    }
}

// A side file from an earlier recording that the application never
// replaced: the recording carries no side data rather than another's.
void TstEncoderVideo::staleSideFileIsLeftOut()
{
    const QString side = QLatin1String(VideoPipeInterface::SideFile);
    QVERIFY(m_root->writeFile(side, QByteArray(416 + 1792, 'o')));
    QFile old(m_root->hostPath(side));
    QVERIFY(old.open(QIODevice::ReadWrite));
    QVERIFY(old.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime));
    old.close();
    QVERIFY(startEncoder());
    FifoReader main(QLatin1String(EncoderLink::VideoMainPipe));
    QByteArray messages;
    connect(&main, &FifoReader::received, this, [&](const QByteArray &data) { messages += data; });
    QVERIFY(main.open());
    QVERIFY(PipeCommand::send(EncoderLink::CommandPipe, QByteArray(EncoderLink::MultimediaStartPrefix) + VideoPath, "test"));
    QTRY_COMPARE(messages, QByteArray("fadsave"));
    QVERIFY(PipeCommand::send(EncoderLink::CommandPipe, EncoderLink::MultimediaStop, "test"));
    QTRY_VERIFY_WITH_TIMEOUT(messages.endsWith("videostop"), 10000);
    checkRecording(videoFile(), QByteArray());
    QCOMPARE(recordSeconds(videoFile()), QList<int>());
}

// A recording or photo save cut off with encoder-sim leaves its temporary;
// the next start removes it, and only its own temporaries.
void TstEncoderVideo::recordsOnlyInsideTheRoot_data()
{
    QTest::addColumn<QString>("linked"); // the root's name made a link to a folder beside the root
    QTest::newRow("card's video folder linked out") << "/media/mmc/videoFile";
    QTest::newRow("side file linked out") << QString::fromLatin1(VideoPipeInterface::SideFile);
}

// The program names the recording and writes the side file, so it decides
// what is at those names: encoder-sim neither records through a link out of
// the root nor copies what one leads to into a recording.
void TstEncoderVideo::recordsOnlyInsideTheRoot()
{
    QFETCH(QString, linked);
    QTemporaryDir outside;
    QVERIFY(outside.isValid());
    const QString target = outside.filePath(QStringLiteral("target"));
    const QString name = m_root->hostPath(linked);
    QVERIFY(QDir(name).removeRecursively());
    const bool sideFile = linked == QLatin1String(VideoPipeInterface::SideFile);
    if (!sideFile)
        QVERIFY(QDir().mkpath(target));
    QVERIFY(QFile::link(target, name));
    QVERIFY(startEncoder());
    FifoReader main(QLatin1String(EncoderLink::VideoMainPipe));
    QByteArray messages;
    connect(&main, &FifoReader::received, this, [&](const QByteArray &data) { messages += data; });
    QVERIFY(main.open());
    QVERIFY(PipeCommand::send(EncoderLink::CommandPipe, QByteArray(EncoderLink::MultimediaStartPrefix) + VideoPath, "test"));
    QTRY_COMPARE(messages, QByteArray("fadsave"));
    const QByteArray secret = QByteArray(416, 's') + QByteArray(1792, 'S');
    if (sideFile) {
        // Written during the recording, as the side file is.
        QFile file(target);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(secret), secret.size());
    }
    QVERIFY(PipeCommand::send(EncoderLink::CommandPipe, EncoderLink::MultimediaStop, "test"));
    QTRY_VERIFY_WITH_TIMEOUT(messages.endsWith("videostop"), 10000);
    const QStringList beside = QDir(outside.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    QCOMPARE(beside, QStringList{QStringLiteral("target")});
    if (sideFile) {
        QCOMPARE(QFileInfo(target).size(), secret.size());
        QVERIFY(!videoFile().contains(secret.right(64)));
    } else {
        QVERIFY(QDir(target).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
    }
}

void TstEncoderVideo::startRemovesStaleTemporaries_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("removed");
    QTest::newRow("recording") << "/media/mmc/videoFile/260102_0001V.mp4.enc" << true;
    QTest::newRow("photo") << "/media/mmc/image/.260102_0001T.part.enc" << true;
    QTest::newRow("finished recording") << "/media/mmc/videoFile/260102_0002V.mp4" << false;
    QTest::newRow("other .enc") << "/media/mmc/videoFile/clip.enc" << false;
    QTest::newRow("visible .part.enc") << "/media/mmc/image/260102_0001T.part.enc" << false;
    QTest::newRow("the application's photo temporary") << "/media/mmc/image/.260102_0001T.part" << false;
    QTest::newRow("elsewhere") << "/media/mmc/260102_0001V.mp4.enc" << false;
}

void TstEncoderVideo::startRemovesStaleTemporaries()
{
    QFETCH(QString, path);
    QFETCH(bool, removed);
    QVERIFY(m_root->writeFile(path, QByteArray(100, 'e')));
    QVERIFY(startEncoder());
    QCOMPARE(QFileInfo::exists(m_root->hostPath(path)), !removed);
}

// "--make-recording": ten frames a second, one record a second counting
// from 0, spot 1 on the warm disc.
void TstEncoderVideo::sampleRecording()
{
    const QString path = m_root->hostPath(QStringLiteral("/sample.mp4"));
    QCOMPARE(QProcess::execute(SimEncoder::program(), {QStringLiteral("--make-recording"), path, QStringLiteral("3")}), 0);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    qint64 offset = 0;
    QVERIFY(PhotoReader::trailingLength(bytes, &offset));
    checkRecording(bytes, bytes.mid(offset, bytes.size() - offset - 4));
    QCOMPARE(recordSeconds(bytes), (QList<int>{0, 1, 2}));
    const QByteArray header = bytes.mid(offset, PhotoLayout::HeaderSize);
    const auto *h = reinterpret_cast<const unsigned char *>(header.constData());
    QCOMPARE(int(PhotoLayout::getU16(h + PhotoLayout::HeaderModeOffset)), 1);
    QCOMPARE(int(PhotoLayout::getU16(h + PhotoLayout::HeaderStampOffset)), 1);
    const PhotoReader::Range last = PhotoReader::videoRecord(bytes, 2);
    const auto *spot = reinterpret_cast<const unsigned char *>(bytes.constData() + last.offset + 0x100);
    QCOMPARE(int(spot[0]), 1);
    QVERIFY(PhotoLayout::getU16(spot + 0x02) > 0);
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(spot + 0x17)), QByteArray("OK"));
    QVERIFY(!QFileInfo::exists(path + QLatin1String(".enc")));
#ifdef OSTREL_HAVE_LIBAV
    const Decoded video = decode(path);
    QVERIFY(video.opened);
    QVERIFY(video.mpeg4);
    QCOMPARE(video.width, EncoderLink::FrameWidth);
    QCOMPARE(video.height, EncoderLink::FrameHeight);
    QCOMPARE(video.frames, 3 * Mp4Writer::FramesPerSecond);
    QVERIFY2(qAbs(video.seconds - 3.0) < 0.15, qPrintable(QString::number(video.seconds)));
#endif
}

void TstEncoderVideo::sampleRecordingRefusesBadArguments_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::newRow("no seconds") << QStringList{QStringLiteral("--make-recording"), QStringLiteral("/x.mp4")};
    QTest::newRow("zero") << QStringList{QStringLiteral("--make-recording"), QStringLiteral("/x.mp4"), QStringLiteral("0")};
    QTest::newRow("not a number") << QStringList{QStringLiteral("--make-recording"), QStringLiteral("/x.mp4"), QStringLiteral("3s")};
    QTest::newRow("no folder") << QStringList{QStringLiteral("--make-recording"), QStringLiteral("/none/x.mp4"), QStringLiteral("1")};
}

void TstEncoderVideo::sampleRecordingRefusesBadArguments()
{
    QFETCH(QStringList, args);
    const QString path = m_root->hostPath(args.at(1));
    args[1] = path;
    QProcess process;
    process.start(SimEncoder::program(), args);
    QVERIFY(process.waitForFinished(10000));
    QCOMPARE(process.exitCode(), 1);
    QVERIFY(!QFileInfo::exists(path));
    QVERIFY(!QFileInfo::exists(path + QLatin1String(".enc")));
}

QTEST_MAIN(TstEncoderVideo)
#include "tst_encodervideo.moc"
