#include "calibpoint.h"

#include "calibends.h"
#include "calibtable.h"
#include "paths.h"

#include <QFileInfo>

namespace {

// The neighbour of temperature among the points the library will load
// that breaks the rising order, if any. The neighbours are compared as
// the library reads them (text that is no AD reads as 0).
bool clashingNeighbour(const CalibTable &table, int temperature, quint16 ad, CalibPoint::Neighbour *clash)
{
    const QList<QPair<int, QString>> grid = table.gridPoints();
    int at = -1;
    for (int i = 0; i < grid.size(); ++i) {
        if (grid.at(i).first == temperature)
            at = i;
    }
    // A point off the loaded grid is never compared.
    if (at < 0)
        return false;
    if (at > 0 && CalibTable::adValue(grid.at(at - 1).second) >= ad) {
        *clash = CalibPoint::Neighbour{grid.at(at - 1).first, grid.at(at - 1).second, false};
        return true;
    }
    if (at + 1 < grid.size() && CalibTable::adValue(grid.at(at + 1).second) <= ad) {
        *clash = CalibPoint::Neighbour{grid.at(at + 1).first, grid.at(at + 1).second, true};
        return true;
    }
    return false;
}

} // namespace

CalibPoint::Outcome CalibPoint::save(const QString &path, int range, int temperature, quint16 ad, Neighbour *clash,
                                     QString *error)
{
    CalibTable table;
    // A file that is there but cannot be read is not written over.
    if (!table.load(path) && QFileInfo::exists(Paths::resolve(path))) {
        if (error)
            *error = table.errorString();
        return NotWritten;
    }
    QStringList oldTemps;
    for (const CalibTable::Row &row : table.rows())
        oldTemps << row.temp;
    table.setAd(temperature, CalibTable::adText(ad, true));
    CalibEnds::afterPoint(table, range, temperature, oldTemps);
    // Judged with the ends it moves: those always lie beyond their anchors.
    Neighbour neighbour;
    if (clashingNeighbour(table, temperature, ad, &neighbour)) {
        if (clash)
            *clash = neighbour;
        if (error)
            *error = QStringLiteral("%1 at %2 breaks the rising ADs next to %3 at %4")
                         .arg(CalibTable::adText(ad), QString::number(temperature), neighbour.ad,
                              QString::number(neighbour.temperature));
        return OutOfOrder;
    }
    if (!table.save(path)) {
        if (error)
            *error = table.errorString();
        return NotWritten;
    }
    return Stored;
}

bool CalibPoint::store(const QString &path, int range, int temperature, quint16 ad, QString *error)
{
    return save(path, range, temperature, ad, nullptr, error) == Stored;
}
