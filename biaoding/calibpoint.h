#pragma once

#include <QString>

// The wizard's save of one calibrated point: the drift-corrected AD goes
// under its temperature (upper-case hexadecimal), the ends it anchors are
// extrapolated again, and the table file is replaced whole.
class CalibPoint
{
public:
    // False when the table could not be read or written (error says why);
    // the file is then as it was. A missing file is created.
    static bool store(const QString &path, int range, int temperature, quint16 ad, QString *error = nullptr);

private:
    CalibPoint() = delete;
};
