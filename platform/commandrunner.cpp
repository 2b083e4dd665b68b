#include "commandrunner.h"

#include "recordingcommandrunner.h"

#include <QMutex>
#include <QMutexLocker>

#include <memory>

namespace {
QMutex s_mutex;
std::unique_ptr<CommandRunner> s_runner;
} // namespace

CommandRunner *CommandRunner::instance()
{
    QMutexLocker lock(&s_mutex);
    if (!s_runner)
        s_runner = std::make_unique<RecordingCommandRunner>();
    return s_runner.get();
}

void CommandRunner::install(CommandRunner *runner)
{
    QMutexLocker lock(&s_mutex);
    s_runner.reset(runner ? runner : new RecordingCommandRunner);
}
