#include "calibpoint.h"

#include "calibends.h"
#include "calibtable.h"
#include "paths.h"

#include <QFileInfo>

bool CalibPoint::store(const QString &path, int range, int temperature, quint16 ad, QString *error)
{
    CalibTable table;
    // A file that is there but cannot be read is not written over.
    if (!table.load(path) && QFileInfo::exists(Paths::resolve(path))) {
        if (error)
            *error = table.errorString();
        return false;
    }
    QStringList oldTemps;
    for (const CalibTable::Row &row : table.rows())
        oldTemps << row.temp;
    table.setAd(temperature, CalibTable::adText(ad, true));
    CalibEnds::afterPoint(table, range, temperature, oldTemps);
    if (!table.save(path)) {
        if (error)
            *error = table.errorString();
        return false;
    }
    return true;
}
