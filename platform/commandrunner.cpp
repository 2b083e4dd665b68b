#include "commandrunner.h"

#include "installedinstance.h"
#include "recordingcommandrunner.h"

namespace {
InstalledInstance<CommandRunner> s_runner;
} // namespace

CommandRunner *CommandRunner::instance()
{
    return s_runner.get([] { return new RecordingCommandRunner; });
}

void CommandRunner::install(CommandRunner *runner)
{
    s_runner.install(runner ? runner : new RecordingCommandRunner);
}
