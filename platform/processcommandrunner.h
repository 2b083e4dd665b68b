#pragma once

#include "commandrunner.h"

// Runs programs for real with QProcess. It refuses to start anything while
// the path root is not "/": a test or simulator root means this is not the
// camera, and commands like reboot or mount must never act on the host.
class ProcessCommandRunner : public CommandRunner
{
public:
    Result run(const QString &program, const QStringList &arguments, int timeoutMs) override;
    bool startDetached(const QString &program, const QStringList &arguments) override;

    static bool allowed();
};
