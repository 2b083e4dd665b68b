#include "saveimage.h"

#include "capturerelease.h"
#include "editimage.h"
#include "efilemanager.h"
#include "eglobal.h"
#include "egraphicsview.h"
#include "encoderlink.h"
#include "fiforeader.h"
#include "filenamesystem.h"
#include "intervals.h"
#include "paths.h"
#include "photocomposition.h"
#include "photolayout.h"
#include "photowriter.h"
#include "pipecommand.h"
#include "replytokenizer.h"

#include <QFile>
#include <QPointer>
#include <QTimer>

using namespace PhotoLayout;

SaveImage::SaveImage(QObject *parent)
    : QObject(parent)
    , m_requests(new FifoReader(QLatin1String(EncoderLink::SaveRequestPipe), this))
    , m_replies(new FifoReader(QLatin1String(EncoderLink::PhotoReplyPipe), this))
    , m_requestTokens(std::make_unique<ReplyTokenizer>(QList<QByteArray>{EncoderLink::SaveRequest}, Qt::CaseInsensitive))
    , m_replyTokens(std::make_unique<ReplyTokenizer>(QList<QByteArray>{EncoderLink::JpegSaved}, Qt::CaseInsensitive))
    , m_edit(std::make_unique<EditImage>())
    , m_turnTimer(new QTimer(this))
{
    connect(m_requests, &FifoReader::received, this, &SaveImage::onRequest);
    connect(m_replies, &FifoReader::received, this, &SaveImage::onReply);
    connect(m_turnTimer, &QTimer::timeout, this, &SaveImage::onTurn);
}

SaveImage::~SaveImage()
{
    stop();
}

bool SaveImage::start()
{
    // A crash mid-save leaves only hidden temporaries; they go first, on
    // the worker: the pass over every photo stays off the GUI thread at
    // start-up, and the first save joins it before it takes a name.
    joinWorker();
    m_worker = std::thread([] { PhotoWriter::removeStaleTemporaries(QLatin1String(FilenameSystem::ImageFolder)); });
    if (!m_replies->open())
        qWarning("\n\t[%s] [%s] [%d] Create fifo error ", __FILE__, __func__, __LINE__);
    return m_requests->open();
}

void SaveImage::stop()
{
    m_turnTimer->stop();
    m_requests->stop();
    m_replies->stop();
    joinWorker();
}

void SaveImage::joinWorker()
{
    if (m_worker.joinable())
        m_worker.join();
}

void SaveImage::setEditImage(EditImage *edit)
{
    m_edit.reset(edit);
}

QString SaveImage::photoPath(const QString &name)
{
    return QLatin1String(FilenameSystem::ImageFolder) + name;
}

QString SaveImage::temporaryPath(const QString &name)
{
    return QLatin1String(FilenameSystem::ImageFolder) + PhotoWriter::temporaryName(name);
}

FilenameSystem *SaveImage::names()
{
    if (FilenameSystem *shared = EGlobal::get_FilenameSystem())
        return shared;
    if (!m_ownNames) {
        // Registers itself, so the date dialog reaches it too.
        m_ownNames = std::make_unique<FilenameSystem>();
    }
    return m_ownNames.get();
}

void SaveImage::onRequest(const QByteArray &data)
{
    // Two requests in one read start one save, as they did on the device.
    if (!m_requestTokens->feed(data).isEmpty())
        beginSave();
}

void SaveImage::beginSave()
{
    if (m_busy)
        return;
    m_busy = true;
    m_cardLost = false;
    joinWorker();
    EGraphicsView *view = EGlobal::getGraphicsView();
    m_imageMode = view ? int(view->getImageMode()) : 0;
    const QString name = names()->takeFreeName(FilenameSystem::photoKind(m_imageMode));
    if (name.isEmpty()) {
        abort(QStringLiteral("no free name"));
        return;
    }
    Set_FileName(name);
    qDebug("\t ===== [show file name %s] ==== ", qPrintable(name));
    if (view)
        view->showIRWrapIndicator(name.toLatin1().constData());
    Q_EMIT showIRWrapsignals(name);

    QFile::remove(Paths::resolve(temporaryPath(name)));
    m_replyTokens->reset();
    const QByteArray command = EncoderLink::jpegSave(Paths::resolveNative(temporaryPath(name)));
    if (!PipeCommand::send(EncoderLink::CommandPipe, command, "SaveImage")) {
        abort(QStringLiteral("the encoder did not take the command"));
        return;
    }
    m_turns = 0;
    m_waiting = true;
    m_turnTimer->start(Intervals::ms(EncoderLink::ReplyTurnMs));
}

void SaveImage::onReply(const QByteArray &data)
{
    const bool saved = !m_replyTokens->feed(data).isEmpty();
    if (!saved || !m_waiting)
        return;
    qDebug("\n\tread server message: %s %d ", data.constData(), int(data.size()));
    m_waiting = false;
    m_turnTimer->stop();
    Q_EMIT freezeImagesignals(temporaryPath(m_fileName));
    // The name is not part of the photo.
    if (EGraphicsView *view = EGlobal::getGraphicsView())
        view->hideIRWrapIndicator();
    finishPhoto();
}

void SaveImage::onTurn()
{
    qDebug("while %d ", m_turns + 1);
    if (++m_turns < EncoderLink::ReplyTurns)
        return;
    m_waiting = false;
    m_turnTimer->stop();
    abort(QStringLiteral("no reply from the encoder"));
}

void SaveImage::cardRemoved()
{
    if (!m_busy)
        return;
    m_cardLost = true;
    // Nothing the encoder writes now can reach the card.
    if (m_waiting) {
        m_waiting = false;
        m_turnTimer->stop();
        abort(QStringLiteral("the card was removed"));
    }
}

void SaveImage::finishPhoto()
{
    // The grab and the readings belong to this moment and this thread.
    m_edit->grabScreen();
    PhotoComposition::Trailer trailer;
    trailer.header = QByteArray(HeaderSize, '\0');
    EFileManager::addFilePara(trailer.header.data(), HeaderSize);
    trailer.imageMode = m_imageMode;
    trailer.irBlock = QByteArray(IrBlockSize, '\0');
    EFileManager::addIRData(trailer.irBlock.data(), IrBlockSize);

    const QString temporary = temporaryPath(m_fileName);
    const QString target = photoPath(m_fileName);
    EditImage *edit = m_edit.get();
    QPointer<SaveImage> self(this);
    m_worker = std::thread([=] {
        const auto composer = [edit](const QByteArray &jpeg) {
            edit->loadImageData(jpeg);
            edit->composition();
            return edit->composeJpegFromCanvas();
        };
        const PhotoComposition::Result result = PhotoComposition::complete(temporary, target, trailer, composer);
        const bool ok = result == PhotoComposition::Done;
        const QString reason = ok ? QString() : QString::fromLatin1(PhotoComposition::describe(result));
        if (!ok)
            QFile::remove(Paths::resolve(temporary));
        QMetaObject::invokeMethod(self.data(), [self, ok, reason] {
            if (self)
                self->onWritten(ok, reason);
        }, Qt::QueuedConnection);
    });
}

void SaveImage::onWritten(bool ok, const QString &reason)
{
    joinWorker();
    if (!ok) {
        abort(reason);
        return;
    }
    // Written or not, a photo on a card that went during the write is not
    // one the user can count on.
    if (m_cardLost) {
        abort(QStringLiteral("the card was removed"));
        return;
    }
    endCapture();
    Q_EMIT photoSaved(m_fileName);
    Q_EMIT saved();
}

void SaveImage::abort(const QString &reason)
{
    qWarning("SaveImage: photo %s not saved: %s", qPrintable(m_fileName), qPrintable(reason));
    if (!m_fileName.isEmpty())
        QFile::remove(Paths::resolve(temporaryPath(m_fileName)));
    endCapture();
    if (EGraphicsView *view = EGlobal::getGraphicsView())
        EGraphicsView::showWrapIndicator(view, QT_TRANSLATE_NOOP("EGraphicsView", "Save failed"));
    Q_EMIT saveFailed(reason);
    Q_EMIT saved();
}

void SaveImage::endCapture()
{
    CaptureRelease::release(true, "SaveImage");
    if (EGraphicsView *view = EGlobal::getGraphicsView())
        view->hideIRWrapIndicator();
    Q_EMIT hideIRWrapsignals();
    m_busy = false;
}
