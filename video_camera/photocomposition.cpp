#include "photocomposition.h"

#include "commandrunner.h"
#include "frozenphoto.h"
#include "paths.h"
#include "photolayout.h"
#include "photoreader.h"
#include "photowriter.h"
#include "sdcard.h"

#include <QFile>

#include <cstdio>

QByteArray PhotoComposition::compose(const QByteArray &serviceFile, const Trailer &trailer, const Composer &composer)
{
    const PhotoReader::ServiceFile split = PhotoReader::splitService(serviceFile);
    if (!split.valid || split.serviceData.length < PhotoLayout::TrailerRoom)
        return {};
    const QByteArray jpeg = serviceFile.left(int(split.jpegLength));
    const QByteArray composed = composer ? composer(jpeg) : QByteArray();
    QByteArray photo = serviceFile;
    if (composed.isEmpty())
        qWarning("PhotoComposition: the picture cannot be composed; the encoder's is kept");
    else
        photo = FrozenPhoto::assemble(composed, PhotoReader::slice(serviceFile, split.serviceData));
    return PhotoWriter::withIrBlock(photo, trailer.header, trailer.imageMode, trailer.irBlock);
}

PhotoComposition::Result PhotoComposition::complete(const QString &temporary, const QString &target,
                                                    const Trailer &trailer, const Composer &composer)
{
    // One remount for the whole photo: the read, or else the write, gets
    // the single retry.
    bool remounted = false;
    QByteArray service;
    if (!readService(temporary, &service)) {
        remountCard(temporary);
        remounted = true;
        if (!readService(temporary, &service))
            return Unreadable;
    }
    const QByteArray whole = compose(service, trailer, composer);
    if (whole.isEmpty())
        return Malformed;
    Result result = write(temporary, target, whole);
    if (result == WriteFailed && !remounted) {
        remountCard(target);
        result = write(temporary, target, whole);
    }
    return result;
}

bool PhotoComposition::readService(const QString &temporary, QByteArray *bytes)
{
    QFile file(Paths::resolve(temporary));
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const qint64 size = file.size();
    *bytes = file.readAll();
    return file.error() == QFile::NoError && bytes->size() == size;
}

// The whole photo goes over the service's file first, then takes its name;
// the bytes in memory stay the same for a second try.
PhotoComposition::Result PhotoComposition::write(const QString &temporary, const QString &target, const QByteArray &whole)
{
    PhotoWriter::Result result = PhotoWriter::writeWhole(temporary, whole);
    if (result == PhotoWriter::Ok)
        result = PhotoWriter::publish(temporary, target);
    switch (result) {
    case PhotoWriter::Ok:
        return Done;
    case PhotoWriter::NameTaken:
        return NameTaken;
    default:
        return WriteFailed;
    }
}

void PhotoComposition::remountCard(const QString &path)
{
    std::printf("\t open %s Err \n", qPrintable(path));
    // A card that went read-only after an error: mount it writable again.
    CommandRunner::instance()->run(QStringLiteral("mount"),
                                   {QStringLiteral("-o"), QStringLiteral("remount,rw"), QLatin1String(SDCard::partition())},
                                   RemountTimeoutMs);
}

const char *PhotoComposition::describe(Result result)
{
    switch (result) {
    case Done: return "saved";
    case Unreadable: return "the encoder's file is unreadable";
    case Malformed: return "the encoder's file does not hold a photo";
    case WriteFailed: return "the write failed";
    case NameTaken: return "the name is taken";
    }
    return "?";
}
