#include "encoderstate.h"

#include "atomicfile.h"
#include "paths.h"
#include "simroot.h"

#include <QFile>

namespace {
// The number after a command prefix, or -1 when there is none.
int numberAfter(const QByteArray &command, const char *prefix)
{
    if (!command.startsWith(prefix))
        return -1;
    bool ok = false;
    const int value = command.mid(int(qstrlen(prefix))).toInt(&ok);
    return ok ? value : -1;
}
} // namespace

QList<QByteArray> EncoderState::split(const QByteArray &data)
{
    QList<QByteArray> commands;
    for (const QByteArray &line : data.split('\n')) {
        const QByteArray command = line.trimmed();
        if (!command.isEmpty())
            commands.append(command);
    }
    return commands;
}

bool EncoderState::apply(const QByteArray &command)
{
    for (const char *prefix : {"zoom start add", "zoom start sub"}) {
        const int value = numberAfter(command, prefix);
        if (value >= 0) {
            zoom = qBound(int(ZoomNeutral), value, int(ZoomMax));
            return true;
        }
    }
    for (const char *prefix : {"rote start add", "rote start sub"}) {
        const int value = numberAfter(command, prefix);
        if (value >= 0) {
            angle = qMin(value, int(AngleMax));
            return true;
        }
    }
    if (command == "zoom stop") {
        zoom = ZoomNeutral;
        return true;
    }
    if (command == "rote stop") {
        angle = 0;
        return true;
    }
    return false;
}

QByteArray EncoderState::serialize() const
{
    return "zoom " + QByteArray::number(zoom) + "\nangle " + QByteArray::number(angle) + '\n';
}

EncoderState EncoderState::parse(const QByteArray &text)
{
    EncoderState state;
    for (const QByteArray &line : split(text)) {
        const QList<QByteArray> words = line.split(' ');
        if (words.size() != 2)
            continue;
        bool ok = false;
        const int value = words.at(1).toInt(&ok);
        if (!ok)
            continue;
        if (words.at(0) == "zoom")
            state.zoom = qBound(int(ZoomNeutral), value, int(ZoomMax));
        else if (words.at(0) == "angle")
            state.angle = qBound(0, value, int(AngleMax));
    }
    return state;
}

bool EncoderState::save() const
{
    // Never through a folder whose link leads out of the root served.
    if (SimRoot::resolveInside(Paths::root(), QLatin1String(StateFile)).isEmpty())
        return false;
    return AtomicFile::write(QLatin1String(StateFile), serialize());
}

EncoderState EncoderState::load()
{
    QFile file(Paths::resolve(QLatin1String(StateFile)));
    if (!file.open(QIODevice::ReadOnly))
        return EncoderState();
    return parse(file.read(256));
}
