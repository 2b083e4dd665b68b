#pragma once

#include <QList>
#include <QString>

class QSettings;

// The names of the custom palettes, "Name/Name<slot>" in group
// "CustomPalette": slots 0..9, slots 0 and 1 named "Custom1" and "Custom2"
// when their key is missing, a slot without a name holds no palette.
class CustomPaletteNames
{
public:
    enum { MaxLength = 32 };
    struct Entry
    {
        int slot;
        QString name;
    };

    // In slot order, every name non-empty and at most MaxLength characters.
    static QList<Entry> read(QSettings &settings);
    // Replaces the whole list; each name under its own slot.
    static void write(QSettings &settings, const QList<Entry> &entries);
    // What the user typed as a name: its first line, trimmed, at most
    // MaxLength characters; nothing typed gives a single space.
    static QString cleaned(const QString &typed);
    static int firstFreeSlot(const QList<Entry> &entries);
};
