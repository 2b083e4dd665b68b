#include "testroot.h"

#include "commandrunner.h"
#include "paths.h"
#include "recordingcommandrunner.h"
#include "simulatedclock.h"
#include "stylesheetwarnings.h"
#include "systemclock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

TestRoot::TestRoot()
    : m_dir(QDir::tempPath() + QStringLiteral("/ostrel-test-XXXXXX"))
    , m_previousCwd(QDir::currentPath())
{
    Q_ASSERT(m_dir.isValid());
    Paths::setRoot(m_dir.path());
    QDir::setCurrent(m_dir.path());
    QDir root(m_dir.path());
    for (const char *folder : {"tmp", "dev", "media/mmc", "Parameter", "etc", "root", "works"})
        root.mkpath(QString::fromLatin1(folder));
    m_runner = new RecordingCommandRunner;
    CommandRunner::install(m_runner);
    m_clock = new SimulatedClock;
    SystemClock::install(m_clock);
    // A style value Qt drops fails the test instead of passing unseen.
    StyleSheetWarnings::install();
}

TestRoot::~TestRoot()
{
    QDir::setCurrent(m_previousCwd);
    CommandRunner::install(nullptr);
    SystemClock::install(nullptr);
}

QString TestRoot::hostPath(const QString &path) const
{
    if (path.startsWith(QLatin1Char('/')))
        return Paths::resolve(path);
    return QDir(m_dir.path()).filePath(path);
}

bool TestRoot::writeFile(const QString &path, const QByteArray &data) const
{
    const QString target = hostPath(path);
    QDir().mkpath(QFileInfo(target).absolutePath());
    QFile file(target);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(data) == data.size();
}

bool TestRoot::writeSparseFile(const QString &path, const QByteArray &head, qint64 size) const
{
    if (!writeFile(path, head))
        return false;
    QFile file(hostPath(path));
    return file.resize(size);
}

QByteArray TestRoot::readFile(const QString &path) const
{
    QFile file(hostPath(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool TestRoot::makeFifo(const QString &path) const
{
    const QString target = hostPath(path);
    QDir().mkpath(QFileInfo(target).absolutePath());
    return ::mkfifo(QFile::encodeName(target).constData(), 0666) == 0;
}

QString TestRoot::testData(const QString &name)
{
    return QDir(qEnvironmentVariable("OSTREL_TEST_DATA")).filePath(name);
}
