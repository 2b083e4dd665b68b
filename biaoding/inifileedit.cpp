#include "inifileedit.h"

#include "atomicfile.h"
#include "paths.h"
#include "tablefilelimit.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>

bool IniFileEdit::apply(const QString &path, const Values &values)
{
    const QString target = Paths::resolve(path);
    const bool existed = QFileInfo::exists(target) || QFileInfo(target).isSymLink();
    // The copy below reads the file whole: only one the readers take.
    if (existed && !TableFileLimit::readable(target))
        return false;
    const QString scratch = target + QStringLiteral(".edit");
    QFile::remove(scratch);
    if (existed && !QFile::copy(target, scratch))
        return false;
    {
        QSettings file(scratch, QSettings::IniFormat);
        for (const auto &value : values)
            file.setValue(value.first, value.second);
        file.sync();
        if (file.status() != QSettings::NoError) {
            QFile::remove(scratch);
            return false;
        }
    }
    QFile edited(scratch);
    QByteArray data;
    const bool read = edited.open(QIODevice::ReadOnly);
    if (read)
        data = edited.readAll();
    edited.close();
    QFile::remove(scratch);
    if (!read || !AtomicFile::write(path, data))
        return false;
    if (!existed)
        QFile::setPermissions(target, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
    return true;
}
