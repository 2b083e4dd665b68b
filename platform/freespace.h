#pragma once

#include <QString>

#include <functional>

// Free space of a mounted file system ("/media/mmc" for the card), through
// statfs of the path under the root. Counts the free blocks (what root
// may use), in 64 bits. Tests and the simulator script the answer.
class FreeSpace
{
public:
    // false when the file system cannot be asked.
    static bool freeBytes(const QString &absolutePath, quint64 *bytes);

    // bytes < 0 makes the query fail; an empty function asks statfs again.
    using Script = std::function<qint64(const QString &absolutePath)>;
    static void setScript(Script script);
};
