#pragma once

#include "mplaylib.h"

#include <QStringList>

// A player whose reports the test makes: it records the calls it gets and
// emits what the test scripts, on the test's thread (the GUI thread).
class ScriptedPlayer : public MplayLib
{
public:
    QStringList calls;

    void play(const QString &file) override
    {
        calls << QStringLiteral("play ") + file;
        reportFile(file);
    }
    void pause() override { calls << QStringLiteral("pause"); }
    void stop() override { calls << QStringLiteral("stop"); }
    void seek(qint64 position, bool absolute) override
    {
        calls << QStringLiteral("seek %1 %2").arg(position).arg(absolute);
    }

    void state(State s) { reportState(s); }
    void position(int second) { reportPosition(second); }
    void length(int seconds) { reportLength(seconds); }

    // Installs a factory that hands out scripted players and remembers the
    // last one made.
    static ScriptedPlayer *&last()
    {
        static ScriptedPlayer *player = nullptr;
        return player;
    }
    static void install()
    {
        MplayLib::installFactory([]() -> MplayLib * { return last() = new ScriptedPlayer; });
    }
    static void uninstall()
    {
        MplayLib::installFactory({});
        last() = nullptr;
    }
};
