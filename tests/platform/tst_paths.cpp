#include "paths.h"
#include "testroot.h"

#include <QtTest>

class TestPaths : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void resolve_data();
    void resolve();
    void realRootLeavesPathsAlone();
};

void TestPaths::resolve_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("underRoot"); // empty: unchanged
    QTest::newRow("pipe") << "/tmp/service_ir" << "/tmp/service_ir";
    QTest::newRow("card") << "/media/mmc/OSTRELinstall.bin" << "/media/mmc/OSTRELinstall.bin";
    QTest::newRow("device") << "/dev/DM365-FPGA" << "/dev/DM365-FPGA";
    QTest::newRow("relative settings") << "Parameter/Setting" << "";
    QTest::newRow("relative table") << "etc/calc_len0_temp0.conf" << "";
    QTest::newRow("climbing out stays inside") << "/tmp/../../../etc/passwd" << "/etc/passwd";
    QTest::newRow("root itself") << "/" << "";
}

void TestPaths::resolve()
{
    QFETCH(QString, path);
    QFETCH(QString, underRoot);
    TestRoot root;
    const QString resolved = Paths::resolve(path);
    if (path == QLatin1String("/"))
        QCOMPARE(resolved, root.root());
    else if (underRoot.isEmpty())
        QCOMPARE(resolved, path);
    else
        QCOMPARE(resolved, root.root() + underRoot);
    QVERIFY(!Paths::isRealRoot());
}

void TestPaths::realRootLeavesPathsAlone()
{
    Paths::setRoot(QStringLiteral("/"));
    QVERIFY(Paths::isRealRoot());
    QCOMPARE(Paths::resolve(QStringLiteral("/tmp/service_ir")), QStringLiteral("/tmp/service_ir"));
    Paths::setRoot(QString());
    QVERIFY(Paths::isRealRoot());
}

QTEST_GUILESS_MAIN(TestPaths)
#include "tst_paths.moc"
