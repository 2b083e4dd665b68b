#include "timerchoices.h"

#include "setupsettings.h"

#include <QCoreApplication>

namespace {
struct Row
{
    const char *text;
    int period;
};

const Row s_shutterRows[] = {
    {QT_TRANSLATE_NOOP("EShutterDialog", "Auto"), -1},
    {QT_TRANSLATE_NOOP("EShutterDialog", "Off"), 0},
    {QT_TRANSLATE_NOOP("EShutterDialog", "30 seconds"), 30},
    {QT_TRANSLATE_NOOP("EShutterDialog", " 1 minutes"), 60},
    {QT_TRANSLATE_NOOP("EShutterDialog", " 2 minutes"), 120},
};
const Row s_closeScreenRows[] = {
    {QT_TRANSLATE_NOOP("ECloseScreenDialog", "Off"), 0},
    {QT_TRANSLATE_NOOP("ECloseScreenDialog", " 1 minutes"), 60000},
    {QT_TRANSLATE_NOOP("ECloseScreenDialog", " 2 minutes"), 120000},
    {QT_TRANSLATE_NOOP("ECloseScreenDialog", " 5 minutes"), 300000},
};
const Row s_shutdownRows[] = {
    {QT_TRANSLATE_NOOP("EShutdownDialog", "Off"), 0},
    {QT_TRANSLATE_NOOP("EShutdownDialog", " 5 minutes"), 300},
    {QT_TRANSLATE_NOOP("EShutdownDialog", "10 minutes"), 600},
    {QT_TRANSLATE_NOOP("EShutdownDialog", "30 minutes"), 1800},
};

// The Control page shows the same texts in its own context.
[[maybe_unused]] const char *const s_pageTexts[] = {
    QT_TRANSLATE_NOOP("EMiscPage", "Auto"),       QT_TRANSLATE_NOOP("EMiscPage", "Off"),
    QT_TRANSLATE_NOOP("EMiscPage", "30 seconds"), QT_TRANSLATE_NOOP("EMiscPage", " 1 minutes"),
    QT_TRANSLATE_NOOP("EMiscPage", " 2 minutes"), QT_TRANSLATE_NOOP("EMiscPage", " 5 minutes"),
    QT_TRANSLATE_NOOP("EMiscPage", "10 minutes"), QT_TRANSLATE_NOOP("EMiscPage", "30 minutes"),
};

struct Table
{
    const Row *rows;
    int count;
    int defaultIndex;
    const char *indexKey;
    const char *periodKey;
    const char *context;
};

const Table &table(TimerChoices::Kind kind)
{
    static const Table tables[] = {
        {s_shutterRows, int(std::size(s_shutterRows)), 3, "AutoShutterIndex", "AutoShutterPeriod", "EShutterDialog"},
        {s_closeScreenRows, int(std::size(s_closeScreenRows)), 0, "CloseScreenIndex", "CloseScreenPeriod",
         "ECloseScreenDialog"},
        {s_shutdownRows, int(std::size(s_shutdownRows)), 0, "ShutdownIndex", "ShutdownPeriod", "EShutdownDialog"},
    };
    return tables[kind];
}
} // namespace

int TimerChoices::count(Kind kind)
{
    return table(kind).count;
}

const char *TimerChoices::text(Kind kind, int index)
{
    const Table &t = table(kind);
    return index >= 0 && index < t.count ? t.rows[index].text : "";
}

const char *TimerChoices::context(Kind kind)
{
    return table(kind).context;
}

int TimerChoices::period(Kind kind, int index)
{
    const Table &t = table(kind);
    return index >= 0 && index < t.count ? t.rows[index].period : 0;
}

int TimerChoices::defaultIndex(Kind kind)
{
    return table(kind).defaultIndex;
}

const char *TimerChoices::indexKey(Kind kind)
{
    return table(kind).indexKey;
}

const char *TimerChoices::periodKey(Kind kind)
{
    return table(kind).periodKey;
}

TimerChoices::Choice TimerChoices::stored(Kind kind)
{
    const Table &t = table(kind);
    const int raw = SetupSettings::readInt(t.indexKey, t.defaultIndex);
    const int index = SetupSettings::checkedIndex(t.indexKey, raw, t.defaultIndex, t.count);
    const int ownPeriod = t.rows[index].period;
    if (raw != index)
        return {index, ownPeriod};
    const int storedPeriod = SetupSettings::readInt(t.periodKey, ownPeriod);
    for (int i = 0; i < t.count; ++i)
        if (t.rows[i].period == storedPeriod)
            return {index, storedPeriod};
    qWarning("TimerChoices: \"%s\" %d is no period; %d taken", t.periodKey, storedPeriod, ownPeriod);
    return {index, ownPeriod};
}

bool TimerChoices::store(Kind kind, int index)
{
    const Table &t = table(kind);
    return SetupSettings::write({{t.indexKey, index}, {t.periodKey, period(kind, index)}});
}

QString TimerChoices::shortText(Kind kind, int index)
{
    return QCoreApplication::translate("EMiscPage", text(kind, index)).left(4);
}
