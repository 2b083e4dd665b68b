#include "voicenotecopy.h"

#include "nativename.h"
#include "paths.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

VoiceNoteCopy::VoiceNoteCopy(QObject *parent)
    : QObject(parent)
    , m_worker(new QObject)
{
    m_thread.setObjectName(QStringLiteral("voice note copy"));
    m_worker->moveToThread(&m_thread);
    m_thread.start();
}

VoiceNoteCopy::~VoiceNoteCopy()
{
    cancel();
    m_thread.quit();
    m_thread.wait();
    delete m_worker;
}

void VoiceNoteCopy::cancel()
{
    ++m_generation;
}

void VoiceNoteCopy::start(const QString &photoPath, const PhotoReader::Range &range, const QString &target)
{
    const int generation = ++m_generation;
    QMetaObject::invokeMethod(
        m_worker,
        [this, generation, photoPath, range, target] {
            const auto stale = [this, generation] { return m_generation.load() != generation; };
            if (stale())
                return;
            const bool copied = copy(photoPath, range, target, stale);
            // Queued to the owner; dropped when the owner is gone (it
            // joins this thread first) or has asked for another copy.
            QMetaObject::invokeMethod(
                this,
                [this, generation, copied] {
                    if (m_generation.load() == generation)
                        Q_EMIT finished(copied);
                },
                Qt::QueuedConnection);
        },
        Qt::QueuedConnection);
}

bool VoiceNoteCopy::copy(const QString &photoPath, const PhotoReader::Range &range, const QString &target,
                         const std::function<bool()> &cancelled)
{
    QFile photo;
    if (range.offset < 0 || range.length <= 0 || range.length > MaxBytes || !NativeName::openForReading(photo, photoPath)
        || range.offset > photo.size() - range.length || !photo.seek(range.offset))
        return false;
    const QString host = Paths::resolve(target);
    QSaveFile out(host);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    // The camera's own mode for the files it writes, whatever the old copy
    // had and whatever the process's mask.
    if (::fchmod(out.handle(), S_IRUSR | S_IWUSR | S_IRGRP | S_IROTH) != 0) {
        out.cancelWriting();
        return false;
    }
    QByteArray piece(PieceBytes, Qt::Uninitialized);
    for (qint64 left = range.length; left > 0;) {
        if (cancelled()) {
            out.cancelWriting();
            return false;
        }
        const qint64 want = qMin<qint64>(left, piece.size());
        const qint64 got = photo.read(piece.data(), want);
        if (got != want || out.write(piece.constData(), got) != got) {
            out.cancelWriting();
            return false;
        }
        left -= got;
    }
    if (cancelled() || !out.flush() || ::fsync(out.handle()) != 0) {
        out.cancelWriting();
        return false;
    }
    if (!out.commit())
        return false;
    // Make the rename itself durable.
    const int dir = ::open(QFile::encodeName(QFileInfo(host).absolutePath()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return true;
}
