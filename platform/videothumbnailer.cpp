#include "videothumbnailer.h"

#include "installedinstance.h"

#include <QCoreApplication>
#include <QLibrary>

#include <cstdio>

namespace {
InstalledInstance<VideoThumbnailer> s_instance;

// Without the decoder no video gives a picture; the lists show their
// placeholder and the player its own output.
class NoVideoThumbnailer : public VideoThumbnailer
{
public:
    bool makeThumbnail(const QString &, const QString &, const QSize &) override { return false; }
    QImage frameAt(const QString &, int, const QSize &) override { return {}; }
};

// The decoder stack (some hundred libraries) comes with the first video
// picture asked for, not with the program: beside the program first, then
// wherever the loader finds it.
VideoThumbnailer *loadDecoder()
{
    using Create = VideoThumbnailer *(*)();
    const QString name = QStringLiteral("ostrel-thumbnailer");
    QStringList candidates;
    if (QCoreApplication::instance())
        candidates << QCoreApplication::applicationDirPath() + QStringLiteral("/lib") + name + QStringLiteral(".so");
    candidates << name;
    for (const QString &candidate : std::as_const(candidates)) {
        QLibrary library(candidate);
        if (auto create = reinterpret_cast<Create>(library.resolve("ostrel_create_video_thumbnailer")))
            return create();
    }
    std::fprintf(stderr, "video thumbnailer: lib%s.so cannot be loaded\n", qPrintable(name));
    return new NoVideoThumbnailer;
}
} // namespace

VideoThumbnailer::~VideoThumbnailer() = default;

VideoThumbnailer *VideoThumbnailer::instance()
{
    return s_instance.get(loadDecoder);
}

void VideoThumbnailer::install(VideoThumbnailer *thumbnailer)
{
    s_instance.install(thumbnailer);
}
