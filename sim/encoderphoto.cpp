#include "encoderphoto.h"

#include "encoderlink.h"
#include "fifowriter.h"
#include "intervals.h"
#include "paths.h"
#include "scenepicture.h"
#include "simroot.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QTimer>

#include <fcntl.h>
#include <unistd.h>

EncoderPhoto::Switches EncoderPhoto::Switches::parse(const QByteArray &text)
{
    Switches s;
    for (const QByteArray &raw : text.split('\n')) {
        const QByteArray word = raw.trimmed();
        s.replyLate |= word == "reply-late";
        s.replyNever |= word == "reply-never";
        s.replyCapitals |= word == "reply-capitals";
        s.replyMerged |= word == "reply-merged";
        s.tornJpeg |= word == "torn-jpeg";
        s.badLength |= word == "bad-length";
        s.noCommandPipe |= word == "no-command-pipe";
        s.exitMidWrite |= word == "exit-mid-write";
        s.cardFull |= word == "card-full";
        s.versionSilent |= word == "version-silent";
    }
    return s;
}

EncoderPhoto::Switches EncoderPhoto::Switches::load()
{
    return parse(switchText());
}

QByteArray EncoderPhoto::switchText()
{
    QFile file(Paths::resolve(QLatin1String(SwitchFile)));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.read(4096);
}

int EncoderPhoto::removeStaleTemporaries()
{
    // Only the root's own folder: one whose link leads out is left alone.
    QString photoFolder = QLatin1String(EncoderLink::PhotoFolder);
    photoFolder.chop(1);
    const QString hostFolder = SimRoot::resolveInside(Paths::root(), photoFolder);
    if (hostFolder.isEmpty())
        return 0;
    QDir folder(hostFolder);
    int removed = 0;
    const QStringList names = folder.entryList({QStringLiteral(".*.part.enc")}, QDir::Files | QDir::Hidden | QDir::CaseSensitive);
    for (const QString &name : names)
        if (folder.remove(name))
            ++removed;
    return removed;
}

EncoderPhoto::EncoderPhoto(QObject *parent)
    : QObject(parent)
{
}

QImage EncoderPhoto::testPattern()
{
    QImage image(EncoderLink::PhotoWidth, EncoderLink::PhotoHeight, QImage::Format_RGB32);
    QPainter p(&image);
    const QColor bars[] = {Qt::white, Qt::yellow, Qt::cyan, Qt::green, Qt::magenta, Qt::red, Qt::blue, Qt::black};
    const int w = image.width() / 8;
    for (int i = 0; i < 8; ++i)
        p.fillRect(i * w, 0, w, image.height(), bars[i]);
    return image;
}

QImage EncoderPhoto::currentPicture()
{
    ScenePicture scene;
    const QImage frame = scene.take();
    return frame.isNull() ? testPattern() : frame;
}

namespace {

QByteArray le32(quint32 v)
{
    const char b[4] = {char(v), char(v >> 8), char(v >> 16), char(v >> 24)};
    return QByteArray(b, 4);
}

} // namespace

QByteArray EncoderPhoto::servicePhoto(const QImage &picture, const Switches &switches)
{
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    picture.scaled(EncoderLink::PhotoWidth, EncoderLink::PhotoHeight, Qt::IgnoreAspectRatio).save(&buffer, "JPG");
    if (switches.tornJpeg)
        jpeg.truncate(jpeg.size() / 2);
    const quint32 n = switches.badLength ? quint32(jpeg.size() * 4) : quint32(jpeg.size());
    return jpeg + QByteArray(416, '\0') + QByteArray(BlockSize, 'E') + le32(n);
}

bool EncoderPhoto::handle(const QByteArray &command)
{
    if (command.trimmed() == EncoderLink::VersionStart) {
        if (!Switches::load().versionSilent)
            FifoWriter::write(QLatin1String(EncoderLink::VersionPipe), Version);
        return true;
    }
    if (!command.startsWith(EncoderLink::JpegSavePrefix))
        return command.startsWith("jpegenc ");
    const Switches switches = Switches::load();
    // The camera names its own path, the simulator's side the one it
    // resolved under the root: either way the file, and the temporary
    // beside it, land inside the root served, or nowhere.
    const QString name = QFile::decodeName(command.mid(int(qstrlen(EncoderLink::JpegSavePrefix))).trimmed());
    const QString hostPath = SimRoot::resolveInside(Paths::root(), name);
    const QString hostTemporary = SimRoot::resolveInside(Paths::root(), name + QLatin1String(".enc"));
    if (hostPath.isEmpty() || hostTemporary.isEmpty()) {
        qWarning("encoder-sim: refusing to save \"%s\": it is no file inside the root %s", qPrintable(name),
                 qPrintable(Paths::root()));
        reply(switches);
        return true;
    }
    const QByteArray path = QFile::encodeName(hostPath);
    const QByteArray temporary = QFile::encodeName(hostTemporary);
    const QByteArray bytes = servicePhoto(currentPicture(), switches);
    // O_NOFOLLOW: a link put at the temporary's name since is not written through.
    const int fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0666);
    QFile file;
    if (fd < 0 || !file.open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle)) {
        if (fd >= 0)
            ::close(fd);
        qWarning("encoder-sim: cannot write %s", temporary.constData());
        reply(switches);
        return true;
    }
    if (switches.exitMidWrite) {
        file.write(bytes.left(bytes.size() / 2));
        file.flush();
        ::_exit(3);
    }
    // A card that fills takes the first half of the file; the rest finds
    // no space.
    const QByteArray fits = switches.cardFull ? bytes.left(bytes.size() / 2) : bytes;
    const bool ok = file.write(fits) == bytes.size() && file.flush() && ::fsync(file.handle()) == 0;
    file.close();
    if (!ok || ::rename(temporary.constData(), path.constData()) != 0) {
        qWarning("encoder-sim: %s not written", path.constData());
        QFile::remove(QFile::decodeName(temporary));
    }
    reply(switches);
    return true;
}

void EncoderPhoto::reply(const Switches &switches)
{
    if (switches.replyNever)
        return;
    QByteArray text = switches.replyCapitals ? QByteArray(EncoderLink::JpegSaved).toUpper() : QByteArray(EncoderLink::JpegSaved);
    if (switches.replyMerged)
        text = QByteArray("fadstop") + text + "\n";
    const auto send = [text] { FifoWriter::write(QLatin1String(EncoderLink::PhotoReplyPipe), text); };
    if (switches.replyLate)
        QTimer::singleShot(Intervals::ms(LateMs), this, send);
    else
        send();
}
