#pragma once

#include <QString>

// The wizard's save of one calibrated point: the drift-corrected AD goes
// under its temperature (upper-case hexadecimal), the ends it anchors are
// extrapolated again, and the table file is replaced whole.
class CalibPoint
{
public:
    enum Outcome { Stored, OutOfOrder, NotWritten };

    // The loaded point next to the new one whose AD it does not rise above
    // (a lower neighbour) or stay below (a higher one).
    struct Neighbour
    {
        int temperature = 0;
        QString ad;
        bool higher = false;
    };

    // The library needs the ADs to rise strictly with temperature: a point
    // that would break that order is OutOfOrder (*clash names the
    // neighbour) and nothing is written. NotWritten when the table could
    // not be read or written (error says why). In both cases the file is
    // as it was. A missing file is created.
    static Outcome save(const QString &path, int range, int temperature, quint16 ad, Neighbour *clash = nullptr,
                        QString *error = nullptr);
    // save() as a yes or no.
    static bool store(const QString &path, int range, int temperature, quint16 ad, QString *error = nullptr);

private:
    CalibPoint() = delete;
};
