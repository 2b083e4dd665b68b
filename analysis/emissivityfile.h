#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// The material list "etc/EmisivityTable.conf": one "name=value" per line.
// Names and values come from this one scan, in file order. Only lines ended
// by a line feed count (CR-LF too); a line holding "//" is a comment; a
// line without '=', with an empty name, or with a value that is not an
// emissivity (0 < e <= 1) gives no row, so nothing unusable reaches the
// board.
class EmissivityFile
{
public:
    struct Material
    {
        QString name;
        float emiss = 0.0f;
    };

    static const char *fileName() { return "etc/EmisivityTable.conf"; }

    static QList<Material> parse(const QByteArray &data);
    // A file that cannot be read, or that TableFileLimit refuses (far too
    // large, a pipe, a device), gives no materials.
    static QList<Material> read(const QString &path);

    static bool isEmissivity(double value) { return value > 0.0 && value <= 1.0; }

private:
    EmissivityFile() = delete;
};
