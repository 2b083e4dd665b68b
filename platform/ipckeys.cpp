#include "ipckeys.h"

#include "paths.h"

#include <QCryptographicHash>

namespace {
bool s_deviceKeys = false;
}

void IpcKeys::useDeviceKeys(bool use)
{
    s_deviceKeys = use;
}

key_t IpcKeys::key(key_t deviceKey)
{
    if (s_deviceKeys || Paths::isRealRoot())
        return deviceKey;
    QCryptographicHash hash(QCryptographicHash::Sha1);
    hash.addData(Paths::root().toUtf8());
    hash.addData(QByteArray::number(static_cast<qlonglong>(deviceKey)));
    const QByteArray digest = hash.result();
    quint32 v = 0;
    for (int i = 0; i < 4; ++i)
        v = (v << 8) | static_cast<quint8>(digest.at(i));
    v &= 0x7fffffff;
    return static_cast<key_t>(v == 0 ? 1 : v); // 0 would be IPC_PRIVATE
}
