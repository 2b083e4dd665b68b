#include "storageinfo.h"

#include "paths.h"

#include <atomic>
#include <sys/vfs.h>

namespace {
StorageInfo::Script &script()
{
    static StorageInfo::Script s;
    return s;
}

std::atomic<bool> &mounted()
{
    static std::atomic<bool> m{false};
    return m;
}
} // namespace

bool StorageInfo::cardMounted()
{
    return mounted().load();
}

void StorageInfo::setCardMounted(bool on)
{
    mounted().store(on);
}

bool StorageInfo::usage(const QString &absolutePath, Usage *usage)
{
    if (script())
        return script()(absolutePath, usage);
    struct statfs info {};
    if (statfs(Paths::resolve(absolutePath).toLocal8Bit().constData(), &info) != 0)
        return false;
    const double blockSize = double(qint64(info.f_bsize));
    usage->totalBytes = blockSize * double(quint64(info.f_blocks));
    usage->freeBytes = blockSize * double(quint64(info.f_bfree));
    return true;
}

void StorageInfo::setScript(Script s)
{
    script() = std::move(s);
}
