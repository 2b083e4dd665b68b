#include "custompalettenames.h"

#include "custompaletterecord.h"

#include <QRegularExpression>
#include <QSettings>

QList<CustomPaletteNames::Entry> CustomPaletteNames::read(QSettings &settings)
{
    QList<Entry> entries;
    settings.beginGroup(QStringLiteral("CustomPalette"));
    for (int slot = 0; slot < CustomPaletteRecord::SlotCount; ++slot) {
        const QString fallback = slot < 2 ? QStringLiteral("Custom%1").arg(slot + 1) : QString();
        const QString name = settings.value(QStringLiteral("Name/Name%1").arg(slot), fallback).toString().left(MaxLength);
        if (!name.isEmpty())
            entries.append(Entry{slot, name});
    }
    settings.endGroup();
    return entries;
}

void CustomPaletteNames::write(QSettings &settings, const QList<Entry> &entries)
{
    settings.beginGroup(QStringLiteral("CustomPalette"));
    settings.remove(QStringLiteral("Name"));
    for (const Entry &entry : entries)
        settings.setValue(QStringLiteral("Name/Name%1").arg(entry.slot), entry.name);
    settings.endGroup();
}

QString CustomPaletteNames::cleaned(const QString &typed)
{
    QString line = typed;
    const int end = line.indexOf(QRegularExpression(QStringLiteral("[\\r\\n\\x{2028}\\x{2029}]")));
    if (end >= 0)
        line.truncate(end);
    line = line.trimmed().left(MaxLength).trimmed();
    return line.isEmpty() ? QStringLiteral(" ") : line;
}

int CustomPaletteNames::firstFreeSlot(const QList<Entry> &entries)
{
    for (int slot = 0; slot < CustomPaletteRecord::SlotCount; ++slot) {
        bool taken = false;
        for (const Entry &entry : entries)
            taken = taken || entry.slot == slot;
        if (!taken)
            return slot;
    }
    return -1;
}
