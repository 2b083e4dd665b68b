// Writes the photo seeds of the fuzz entries with the project's own
// writers: the file encoder-sim leaves for a photo (its test pattern, as it
// writes one without the simulated screen), the same file torn in the
// middle of its JPEG, and one with a text note added by the camera's note
// writer. A real photo with its IR block is over 200 kB, beyond what an
// entry takes as input; these are the small steps before it.
//   makeseeds <folder>
#include "encoderphoto.h"
#include "photolayout.h"
#include "photowriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cstdio>

namespace {

bool save(const QDir &folder, const char *name, const QByteArray &bytes)
{
    QFile file(folder.filePath(QLatin1String(name)));
    if (bytes.isEmpty() || !file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "makeseeds: cannot write %s\n", qPrintable(file.fileName()));
        return false;
    }
    std::printf("%s: %lld bytes\n", qPrintable(file.fileName()), static_cast<long long>(bytes.size()));
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: makeseeds <folder>\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const QImage picture = EncoderPhoto::testPattern();
    const QByteArray service = EncoderPhoto::servicePhoto(picture, EncoderPhoto::Switches());
    EncoderPhoto::Switches torn;
    torn.tornJpeg = true;
    const QByteArray noted = PhotoWriter::withNote(service, PhotoLayout::TextNote, "valve hot");
    const bool ok = save(folder, "frozenphoto_service.bin", service)
        && save(folder, "frozenphoto_torn.bin", EncoderPhoto::servicePhoto(picture, torn))
        && save(folder, "frozenphoto_note.bin", noted);
    return ok ? 0 : 1;
}
