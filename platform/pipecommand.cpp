#include "pipecommand.h"

#include "fifowriter.h"

#include <QtGlobal>

bool PipeCommand::send(const char *path, const QByteArray &command, const char *caller)
{
    const FifoWriter::Result result = FifoWriter::write(QLatin1String(path), command);
    if (result == FifoWriter::Written)
        return true;
    qWarning("%s: \"%s\" to %s dropped: %s", caller, command.constData(), path, FifoWriter::describe(result));
    return false;
}
