#include "childprocess.h"
#include "testroot.h"

#include <QFile>
#include <QSignalSpy>
#include <QtTest>

// The child-process seam: programs are found only under the path root, and
// each way a child ends has its own signal.
class TestChildProcess : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void endings_data();
    void endings();
    void refusesWhatIsNoSystemPath_data();
    void refusesWhatIsNoSystemPath();
};

namespace {
bool placeScript(const TestRoot &root, const QString &path, const QByteArray &body)
{
    return root.writeFile(path, "#!/bin/sh\n" + body + "\n")
           && QFile(root.hostPath(path)).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}
} // namespace

void TestChildProcess::endings_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<int>("exitCode"); // -1: crashed
    QTest::addColumn<QByteArray>("output");
    QTest::newRow("exit 0 with arguments") << QByteArray("echo \"$@\"; echo err >&2") << 0 << QByteArray("a b\nerr\n");
    QTest::newRow("exit 3") << QByteArray("exit 3") << 3 << QByteArray();
    QTest::newRow("killed") << QByteArray("kill -KILL $$") << -1 << QByteArray();
}

void TestChildProcess::endings()
{
    QFETCH(QByteArray, body);
    QFETCH(int, exitCode);
    QFETCH(QByteArray, output);
    TestRoot root;
    QVERIFY(placeScript(root, QStringLiteral("/works/child.sh"), body));
    ChildProcess child;
    QSignalSpy finished(&child, &ChildProcess::finished);
    QSignalSpy crashed(&child, &ChildProcess::crashed);
    QSignalSpy failed(&child, &ChildProcess::failedToStart);
    QByteArray read;
    connect(&child, &ChildProcess::outputReady, this, [&] { read += child.readAll(); });
    QVERIFY(child.start(QStringLiteral("/works/child.sh"), {QStringLiteral("a"), QStringLiteral("b")}));
    QTRY_VERIFY_WITH_TIMEOUT(finished.count() + crashed.count() == 1, 10000);
    QCOMPARE(failed.count(), 0);
    if (exitCode < 0) {
        QCOMPARE(crashed.count(), 1);
    } else {
        QCOMPARE(finished.at(0).at(0).toInt(), exitCode);
        read += child.readAll();
        QCOMPARE(read, output);
    }
    QVERIFY(!child.isRunning());
}

// A relative name would be looked up on the host's PATH; a missing or
// non-executable program under the root cannot start. Each says so once.
void TestChildProcess::refusesWhatIsNoSystemPath_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<bool>("refusedAtOnce");
    QTest::newRow("relative") << QStringLiteral("sh") << true;
    QTest::newRow("missing") << QStringLiteral("/bin/sh") << false;
    QTest::newRow("not executable") << QStringLiteral("/works/plain.sh") << false;
    QTest::newRow("out through ..") << QStringLiteral("/../../../../bin/sh") << false;
}

void TestChildProcess::refusesWhatIsNoSystemPath()
{
    QFETCH(QString, program);
    QFETCH(bool, refusedAtOnce);
    TestRoot root;
    QVERIFY(root.writeFile(QStringLiteral("/works/plain.sh"), "#!/bin/sh\nexit 0\n"));
    ChildProcess child;
    QSignalSpy finished(&child, &ChildProcess::finished);
    QSignalSpy failed(&child, &ChildProcess::failedToStart);
    QCOMPARE(child.start(program, {}), !refusedAtOnce);
    QTRY_COMPARE(failed.count(), 1);
    QVERIFY(!QTest::qWaitFor([&] { return failed.count() > 1 || finished.count() > 0; }, 50));
}

QTEST_GUILESS_MAIN(TestChildProcess)
#include "tst_childprocess.moc"
