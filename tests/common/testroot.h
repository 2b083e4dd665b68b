#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

class RecordingCommandRunner;
class SimulatedClock;

// Every test runs inside one of these: a fresh temporary folder that is
// both the path root and the working directory, with the recording command
// runner and the simulated clock installed. Nothing reaches the machine.
class TestRoot
{
public:
    TestRoot();
    ~TestRoot();
    TestRoot(const TestRoot &) = delete;
    TestRoot &operator=(const TestRoot &) = delete;

    bool isValid() const { return m_dir.isValid(); }
    QString root() const { return m_dir.path(); }
    // Host path of a system path: "/tmp/x" and "Parameter/Setting" alike.
    QString hostPath(const QString &path) const;

    bool writeFile(const QString &path, const QByteArray &data) const;
    // head, then a hole up to size bytes: a large file that takes no disk.
    bool writeSparseFile(const QString &path, const QByteArray &head, qint64 size) const;
    QByteArray readFile(const QString &path) const;
    bool makeFifo(const QString &path) const;

    RecordingCommandRunner *runner() const { return m_runner; }
    SimulatedClock *clock() const { return m_clock; }

    // A file from this test folder's data (OSTREL_TEST_DATA).
    static QString testData(const QString &name);

private:
    QTemporaryDir m_dir;
    QString m_previousCwd;
    RecordingCommandRunner *m_runner = nullptr;
    SimulatedClock *m_clock = nullptr;
};
