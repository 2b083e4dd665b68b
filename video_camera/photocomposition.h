#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

// The one way a photo the encoder service has just written becomes whole:
// its JPEG gets the overlay (a JPEG the composer cannot make keeps the
// service's picture), the service's own data stays as it is, the
// radiometric trailer is appended, and the file is written, synced and
// renamed to its free name without replacing anything. When the card
// refuses the read or the write, it is remounted read-write once through
// the command runner and that step tried once more. Runs on any thread.
class PhotoComposition
{
public:
    // JPEG in, composed JPEG out (empty: keep the service's).
    using Composer = std::function<QByteArray(const QByteArray &jpeg)>;
    // The header and IR block built when the photo was taken, and the live
    // view's picture mode then.
    struct Trailer
    {
        QByteArray header;
        int imageMode = 0;
        QByteArray irBlock;
    };
    enum Result { Done, Unreadable, Malformed, WriteFailed, NameTaken };
    enum { RemountTimeoutMs = 5000 };

    // The whole photo from the service's bytes; empty when their final
    // length does not fit them or leaves no room for the trailer.
    static QByteArray compose(const QByteArray &serviceFile, const Trailer &trailer, const Composer &composer);
    // temporary (the service's file) and target are system paths in one
    // folder. On any result but Done, target does not exist; temporary is
    // the caller's to remove.
    static Result complete(const QString &temporary, const QString &target, const Trailer &trailer,
                           const Composer &composer);
    static const char *describe(Result result);

private:
    PhotoComposition() = delete;
    static bool readService(const QString &temporary, QByteArray *bytes);
    static Result write(const QString &temporary, const QString &target, const QByteArray &whole);
    static void remountCard(const QString &path);
};
