#pragma once

#include <QList>
#include <QString>

// Programs running on this system, found by name in "/proc" under the path
// root: the kernel's name of each process (its "comm"), as killall matches
// it. Off the device the root is a test's or the simulator's folder, where
// only what a test placed there is seen.
class RunningPrograms
{
public:
    // Process ids of every process named `name`, this process left out.
    static QList<qint64> named(const QString &name);
    // Looks every PollMs until no process named `name` is left, at most
    // timeoutMs; true when none is left. It blocks: only for the start-up,
    // before the application object and its event loop exist.
    static bool waitUntilGone(const QString &name, int timeoutMs);

    static constexpr int PollMs = 50;

private:
    RunningPrograms() = delete;
};
