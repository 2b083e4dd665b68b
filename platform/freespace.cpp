#include "freespace.h"

#include "paths.h"

#include <sys/vfs.h>

namespace {
FreeSpace::Script &script()
{
    static FreeSpace::Script s;
    return s;
}
} // namespace

bool FreeSpace::freeBytes(const QString &absolutePath, quint64 *bytes)
{
    if (script()) {
        const qint64 scripted = script()(absolutePath);
        if (scripted < 0)
            return false;
        *bytes = quint64(scripted);
        return true;
    }
    struct statfs info {};
    if (statfs(Paths::resolve(absolutePath).toLocal8Bit().constData(), &info) != 0)
        return false;
    *bytes = quint64(info.f_bfree) * quint64(info.f_bsize);
    return true;
}

void FreeSpace::setScript(Script s)
{
    script() = std::move(s);
}
