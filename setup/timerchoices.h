#pragma once

#include <QString>

// The three timer settings of the Control page: their rows (text and
// period), their keys and the stored choice, checked against the rows.
class TimerChoices
{
public:
    enum Kind { Shutter, CloseScreen, Shutdown };

    struct Choice
    {
        int index;
        int period;
    };

    static int count(Kind kind);
    // Untranslated row text (translated in the dialog's own context).
    static const char *text(Kind kind, int index);
    static const char *context(Kind kind);
    // Period of a row; 0 for an index outside the table.
    static int period(Kind kind, int index);
    static int defaultIndex(Kind kind);
    static const char *indexKey(Kind kind);
    static const char *periodKey(Kind kind);

    // The stored index, or the default row when it is none; the stored
    // period when it is one of the rows' and the index was valid, else the
    // period of the row taken.
    static Choice stored(Kind kind);
    static bool store(Kind kind, int index);
    // The row text as the Control page shows it: translated, 4 characters.
    static QString shortText(Kind kind, int index);

private:
    TimerChoices() = delete;
};
