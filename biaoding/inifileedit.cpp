#include "inifileedit.h"

#include "atomicfile.h"
#include "paths.h"
#include "tablefilelimit.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryFile>

bool IniFileEdit::apply(const QString &path, const Values &values)
{
    const QString target = Paths::resolve(path);
    const bool existed = QFileInfo::exists(target);
    // The copy below reads the file whole: only one the readers take.
    if (existed && !TableFileLimit::readable(target))
        return false;
    // The copy is edited under a scratch name of the atomic writes' own
    // shape: made new (never an existing name or a link), and removed at
    // the next start when a kill leaves it.
    QTemporaryFile scratch(AtomicFile::scratchTemplate(QFileInfo(target).absoluteFilePath()));
    if (!scratch.open())
        return false;
    if (existed) {
        QFile old(target);
        if (!old.open(QIODevice::ReadOnly) || scratch.write(old.readAll()) < 0 || old.error() != QFile::NoError)
            return false;
    }
    scratch.close();
    QByteArray data;
    {
        QSettings file(scratch.fileName(), QSettings::IniFormat);
        for (const auto &value : values)
            file.setValue(value.first, value.second);
        file.sync();
        if (file.status() != QSettings::NoError)
            return false;
        // By name: the settings object replaced the file the temporary
        // file's handle holds.
        QFile edited(scratch.fileName());
        if (!edited.open(QIODevice::ReadOnly))
            return false;
        data = edited.readAll();
        edited.close();
        // A scratch name never comes back: gone before the last sync, its
        // parse is not kept in the settings' process-wide cache.
        edited.remove();
        file.sync();
    }
    if (!AtomicFile::write(path, data))
        return false;
    if (!existed)
        QFile::setPermissions(target, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
    return true;
}
