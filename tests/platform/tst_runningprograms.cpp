#include "runningprograms.h"
#include "testroot.h"

#include <QElapsedTimer>
#include <QtTest>

// Processes are found by their kernel name in the root's "/proc"; a test
// root holds only the entries the test wrote there.
class TestRunningPrograms : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void named_data();
    void named();
    void waitEndsAtOnceWithoutOne();
    void waitGivesUpWhileOneStays();
};

namespace {
// "pid:name" entries; a name of "-" leaves the comm file out (a process that
// went while the folder was read).
bool writeProc(const TestRoot &root, const QStringList &entries)
{
    for (const QString &entry : entries) {
        const QString pid = entry.section(QLatin1Char(':'), 0, 0);
        const QString name = entry.section(QLatin1Char(':'), 1);
        if (name == QLatin1String("-")) {
            if (!QDir().mkpath(root.hostPath(QStringLiteral("/proc/") + pid)))
                return false;
        } else if (!root.writeFile(QStringLiteral("/proc/%1/comm").arg(pid), name.toUtf8() + '\n')) {
            return false;
        }
    }
    return true;
}
} // namespace

void TestRunningPrograms::named_data()
{
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QList<qint64>>("pids");
    QTest::newRow("no proc at all") << QStringList{} << "ostrel" << QList<qint64>{};
    QTest::newRow("one") << QStringList{"41:ostrel", "42:renovo"} << "ostrel" << QList<qint64>{41};
    QTest::newRow("two of them") << QStringList{"7:ostrel", "1200:ostrel", "8:sh"} << "ostrel" << QList<qint64>{7, 1200};
    QTest::newRow("a longer name is another program") << QStringList{"5:ostrel-old", "6:xostrel"} << "ostrel" << QList<qint64>{};
    QTest::newRow("folders that are no process") << QStringList{"self:ostrel", "sys:ostrel", "0:ostrel", "-3:ostrel"} << "ostrel" << QList<qint64>{};
    QTest::newRow("gone while read") << QStringList{"9:-", "10:renovo"} << "renovo" << QList<qint64>{10};
    const QString self = QString::number(QCoreApplication::applicationPid());
    QTest::newRow("never this process") << QStringList{self + ":renovo", "11:renovo"} << "renovo" << QList<qint64>{11};
}

void TestRunningPrograms::named()
{
    QFETCH(QStringList, entries);
    QFETCH(QString, name);
    QFETCH(QList<qint64>, pids);
    TestRoot root;
    QVERIFY(writeProc(root, entries));
    QList<qint64> found = RunningPrograms::named(name);
    std::sort(found.begin(), found.end());
    QCOMPARE(found, pids);
}

void TestRunningPrograms::waitEndsAtOnceWithoutOne()
{
    TestRoot root;
    QVERIFY(writeProc(root, {QStringLiteral("12:renovo")}));
    QElapsedTimer timer;
    timer.start();
    QVERIFY(RunningPrograms::waitUntilGone(QStringLiteral("ostrel"), 60000));
    QVERIFY(timer.elapsed() < 1000);
}

void TestRunningPrograms::waitGivesUpWhileOneStays()
{
    TestRoot root;
    QVERIFY(writeProc(root, {QStringLiteral("12:ostrel")}));
    QVERIFY(!RunningPrograms::waitUntilGone(QStringLiteral("ostrel"), 3 * RunningPrograms::PollMs));
    QVERIFY(!RunningPrograms::waitUntilGone(QStringLiteral("ostrel"), 0));
}

QTEST_GUILESS_MAIN(TestRunningPrograms)
#include "tst_runningprograms.moc"
