#include "../ircore/corefixture.h"

#include "calibinterface.h"
#include "einterfaceitem.h"
#include "devchippage.h"
#include "devversionpage.h"
#include "emiftestpage.h"
#include "encoderversionquery.h"
#include "esetupcombobox.h"
#include "esetupitem.h"
#include "esetupswitch.h"
#include "etoolwidget.h"
#include "fiforeader.h"
#include "fifowriter.h"
#include "intervals.h"
#include "messagechannel.h"
#include "myitemedit.h"
#include "parabackup.h"
#include "parabackuppage.h"
#include "recordingcommandrunner.h"
#include "setlistitem.h"
#include "setmainwindow.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>

// The service window and its pages: start-up options, versions (the
// encoder service's reply without blocking), the bus test and the backup.
class TestServicePages : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void cleanup();
    void windowOpensOnCalibWithOneHighlight();
    void closingBringsTheMenuBack_data();
    void closingBringsTheMenuBack();
    void delayChoices();
    void storedDelayShows_data();
    void storedDelayShows();
    void kernelCut_data();
    void kernelCut();
    void versionRows();
    void encoderVersion_data();
    void encoderVersion();
    void busTest_data();
    void busTest();
    void backupCopiesEverything();
    void backupRefusesBadSerials_data();
    void backupRefusesBadSerials();
    void backupOnAnUnwritableCard_data();
    void backupOnAnUnwritableCard();
    void backupNeedsACard();
    void cancelledBackupStopsAndFails();
};

namespace {
SetMainWindow *openServiceWindow(CoreFixture &f)
{
    f.view->enterCalibInterface(false);
    QTest::mouseClick(f.view->calibMenu()->item(QStringLiteral("Settings")), Qt::LeftButton);
    return f.view->setWidget();
}

void clickRow(SetMainWindow *w, int row)
{
    QTest::mousePress(w->listItem()->rows().at(row), Qt::LeftButton);
    QTest::mouseRelease(w->listItem()->rows().at(row), Qt::LeftButton);
}

QString settingsFile(CoreFixture &f)
{
    return QString::fromLatin1(f.front.root.readFile(QStringLiteral("Parameter/Setting")));
}
} // namespace

void TestServicePages::cleanup()
{
    Intervals::setScale(1.0);
}

void TestServicePages::windowOpensOnCalibWithOneHighlight()
{
    CoreFixture f;
    SetMainWindow *w = openServiceWindow(f);
    QVERIFY(w && w->isVisible());
    QCOMPARE(w->currentIndex(), int(SetMainWindow::ChipPage));
    clickRow(w, SetMainWindow::BackupPage);
    QCOMPARE(w->currentIndex(), int(SetMainWindow::BackupPage));
    clickRow(w, SetMainWindow::EmptyPage);
    QCOMPARE(w->currentIndex(), int(SetMainWindow::EmptyPage));
    w->hide();
    w->show();
    QCOMPARE(w->currentIndex(), int(SetMainWindow::ChipPage));
    const QList<ESetupItem *> rows = w->listItem()->rows();
    QVERIFY(rows.at(0)->highlight());
    for (int i = 1; i < rows.size(); ++i)
        QVERIFY2(!rows.at(i)->highlight(), qPrintable(QString::number(i)));
}

void TestServicePages::closingBringsTheMenuBack_data()
{
    QTest::addColumn<bool>("byMessage");
    QTest::newRow("cancel button") << false;
    QTest::newRow("setupwindow message") << true;
}

void TestServicePages::closingBringsTheMenuBack()
{
    QFETCH(bool, byMessage);
    CoreFixture f;
    SetMainWindow *w = openServiceWindow(f);
    QVERIFY(!f.view->calibMenu()->isVisible());
    if (byMessage) {
        QVERIFY(MessageChannel::send(QLatin1String(SetMainWindow::channelName()), QStringLiteral("close")));
    } else {
        QTest::mousePress(w->listItem()->cancelButton(), Qt::LeftButton);
        QTest::mouseRelease(w->listItem()->cancelButton(), Qt::LeftButton);
    }
    QTRY_VERIFY(!f.view->setWidget());
    QCOMPARE(f.view->currentCalibType(), EGraphicsViewPrivate::EM_CALIB_MENU);
    QVERIFY(f.view->calibMenu()->isVisible());
}

void TestServicePages::delayChoices()
{
    CoreFixture f;
    DevChipPage page;
    QCOMPARE(page.delayRow()->text(), QStringLiteral("OFF"));
    QVERIFY(!page.pwStartRow()->isOpen());
    const struct
    {
        const char *label;
        int stored;
    } steps[] = {{"1 second", 1}, {"5 second", 5}, {"OFF", 0}, {"1 second", 1}};
    for (const auto &s : steps) {
        QTest::mouseClick(page.delayRow(), Qt::LeftButton);
        QCOMPARE(page.delayRow()->text(), QLatin1String(s.label));
        QSettings file(QStringLiteral("Parameter/Setting"), QSettings::IniFormat);
        QCOMPARE(file.value(QStringLiteral("VyxSet/DelayTime")).toInt(), s.stored);
    }
    QTest::mouseClick(page.pwStartRow(), Qt::LeftButton);
    QVERIFY(page.pwStartRow()->isOpen());
    QVERIFY(settingsFile(f).contains(QLatin1String("EnterMode=1")));
    QTest::mouseClick(page.pwStartRow(), Qt::LeftButton);
    QVERIFY(settingsFile(f).contains(QLatin1String("EnterMode=0")));

    // A file that cannot be written: the rows keep what the file holds.
    const QString settings = f.front.root.hostPath(QStringLiteral("Parameter/Setting"));
    QVERIFY(QFile::remove(settings));
    // A folder where the file should be: refused whoever runs the test.
    QVERIFY(QDir().mkpath(settings + QStringLiteral("/x")));
    QTest::mouseClick(page.pwStartRow(), Qt::LeftButton);
    QVERIFY(!page.pwStartRow()->isOpen());
    QTest::mouseClick(page.delayRow(), Qt::LeftButton);
    QCOMPARE(page.delayRow()->text(), QStringLiteral("1 second"));
}

void TestServicePages::storedDelayShows_data()
{
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<QString>("label");
    QTest::addColumn<bool>("pwStart");
    QTest::newRow("missing") << QByteArray() << "OFF" << false;
    QTest::newRow("1") << QByteArray("[VyxSet]\nDelayTime=1\nEnterMode=1\n") << "1 second" << true;
    QTest::newRow("3") << QByteArray("[VyxSet]\nDelayTime=3\n") << "5 second" << false;
    QTest::newRow("5") << QByteArray("[VyxSet]\nDelayTime=5\nEnterMode=7\n") << "5 second" << true;
}

void TestServicePages::storedDelayShows()
{
    QFETCH(QByteArray, settings);
    QFETCH(QString, label);
    QFETCH(bool, pwStart);
    CoreFixture f(false);
    QVERIFY(f.front.settings(settings));
    DevChipPage page;
    QCOMPARE(page.delayRow()->text(), label);
    QCOMPARE(page.pwStartRow()->isOpen(), pwStart);
}

void TestServicePages::kernelCut_data()
{
    QTest::addColumn<QByteArray>("release");
    QTest::addColumn<QString>("shown");
    QTest::newRow("dash and underscore") << QByteArray("2.6.32-rc3_davinci\n") << "rc3";
    QTest::newRow("dash only") << QByteArray("2.6.32-vyx\n") << "vyx\n";
    QTest::newRow("neither") << QByteArray("5.10.0\n") << "5.10.0\n";
    QTest::newRow("underscore only") << QByteArray("4.19_arm\n") << "4.19";
    QTest::newRow("two dashes") << QByteArray("6.1.0-13-amd64\n") << "13-amd64\n";
    QTest::newRow("zero byte") << QByteArray("3.2-a\0b", 7) << "a";
    QTest::newRow("empty") << QByteArray() << "";
}

void TestServicePages::kernelCut()
{
    QFETCH(QByteArray, release);
    QFETCH(QString, shown);
    QCOMPARE(DevVersionPage::cutKernelRelease(release), shown);
}

void TestServicePages::versionRows()
{
    CoreFixture f;
    f.front.core->setCpuVersion("CPU-1.2");
    f.front.core->setFpgaVersion("CFPGA-3.4");
    f.front.board->setVersion("MFPGA-5.6");
    f.front.root.runner()->script(QStringLiteral("uname"), 0, "2.6.32-rc3_davinci\n");
    DevVersionPage page;
    page.setItemVersion();
    QCOMPARE(page.row(DevVersionPage::CoreCpu)->text(), QStringLiteral("CPU-1.2"));
    QCOMPARE(page.row(DevVersionPage::CoreFpga)->text(), QStringLiteral("CFPGA-3.4"));
    QCOMPARE(page.row(DevVersionPage::MainFpga)->text(), QStringLiteral("MFPGA-5.6"));
    QCOMPARE(page.row(DevVersionPage::Kernel)->text(), QStringLiteral("rc3"));
    QCOMPARE(page.row(DevVersionPage::Ostrel)->text(), QStringLiteral("VYX.20181214.2.0.04"));
    QCOMPARE(page.row(DevVersionPage::FpgaDll)->text(), f.front.front->getDllVersion());
    QCOMPARE(f.front.root.runner()->lines().last(), QStringLiteral("uname -r"));

    // With the core's own library on the bus the core cannot answer: its
    // rows say so instead of showing another read's bytes.
    QVERIFY(IRCoreLink::open());
    f.front.root.runner()->script(QStringLiteral("uname"), 1);
    page.setItemVersion();
    QCOMPARE(page.row(DevVersionPage::CoreCpu)->text(), QStringLiteral("no answer"));
    QCOMPARE(page.row(DevVersionPage::CoreFpga)->text(), QStringLiteral("no answer"));
    QCOMPARE(page.row(DevVersionPage::MainFpga)->text(), QStringLiteral("MFPGA-5.6"));
    QCOMPARE(page.row(DevVersionPage::Kernel)->text(), QString());
}

void TestServicePages::encoderVersion_data()
{
    QTest::addColumn<QString>("service");
    QTest::addColumn<QString>("shown");
    QTest::newRow("present") << "present" << "encoder 9.9";
    QTest::newRow("silent") << "silent" << "no answer";
    QTest::newRow("absent") << "absent" << "no answer";
    QTest::newRow("a plain file where the pipe should be") << "file" << "no answer";
}

void TestServicePages::encoderVersion()
{
    QFETCH(QString, service);
    QFETCH(QString, shown);
    TestRoot root;
    // Only the silent service waits the query out; an answer gets the full
    // wait, which a loaded machine may need.
    Intervals::setScale(service == QLatin1String("silent") ? 0.01 : 1.0);
    FifoReader commands(QStringLiteral("/tmp/service_ir"));
    QByteArray asked;
    if (service == QLatin1String("present") || service == QLatin1String("silent")) {
        QVERIFY(commands.open());
        connect(&commands, &FifoReader::received, this, [&asked, service](const QByteArray &data) {
            asked += data;
            if (service == QLatin1String("present"))
                FifoWriter::write(QStringLiteral("/tmp/version"), QByteArray("encoder 9.9\n"));
        });
    } else if (service == QLatin1String("file")) {
        QVERIFY(root.writeFile(QStringLiteral("tmp/service_ir"), QByteArray()));
    }
    EncoderVersionQuery query;
    QSignalSpy finished(&query, &EncoderVersionQuery::finished);
    query.start();
    QTRY_COMPARE(finished.count(), 1);
    QCOMPARE(finished.first().at(0).toBool(), service == QLatin1String("present"));
    QCOMPARE(finished.first().at(0).toBool() ? finished.first().at(1).toString() : QStringLiteral("no answer"), shown);
    if (service != QLatin1String("absent") && service != QLatin1String("file"))
        QCOMPARE(asked, QByteArray("version start\n"));
    // Nothing was made where the pipe was missing.
    if (service == QLatin1String("absent"))
        QVERIFY(!QFileInfo::exists(root.hostPath(QStringLiteral("/tmp/service_ir"))));
    QVERIFY(!query.isRunning());
    commands.stop();
}

void TestServicePages::busTest_data()
{
    QTest::addColumn<int>("low");
    QTest::addColumn<int>("high");
    QTest::addColumn<bool>("failHighRead");
    QTest::addColumn<bool>("present");
    QTest::addColumn<QString>("result");
    QTest::newRow("answers") << 0x55 << 0xAA << false << true << "emif test success!";
    QTest::newRow("wrong second pattern") << 0x55 << 0xAB << false << true << "emif test failure!";
    QTest::newRow("wrong first pattern") << 0x54 << 0xAA << false << true << "emif test failure!";
    QTest::newRow("second read fails") << 0x55 << 0xAA << true << true << "emif test failure!";
    QTest::newRow("no board") << 0x55 << 0xAA << false << false << "emif test failure!";
}

void TestServicePages::busTest()
{
    QFETCH(int, low);
    QFETCH(int, high);
    QFETCH(bool, failHighRead);
    QFETCH(bool, present);
    QFETCH(QString, result);
    CoreFixture f(false);
    f.front.board->setBusTestAnswer(uint8_t(low), uint8_t(high));
    if (failHighRead) {
        SimBoard::FaultRule rule;
        rule.fault = SimBoard::FailRead;
        rule.offset = SimBoard::BUS_TEST_HIGH;
        f.front.board->addFault(rule);
    }
    f.front.board->setPresent(present);
    EmifTestPage page;
    QTest::mouseClick(page.testButton(), Qt::LeftButton);
    QCOMPARE(page.resultLabel()->text(), result);
    // Nothing was written to the board.
    for (const SimBoard::Write &w : f.front.board->writes())
        QVERIFY(w.offset != SimBoard::BUS_TEST_LOW && w.offset != SimBoard::BUS_TEST_HIGH);
}

namespace {
struct BackupPage
{
    CoreFixture f;
    ParaBackupPage page;
    explicit BackupPage(bool card = true)
    {
        EGlobal::getToolBar()->displaySDCard(card);
        page.show();
    }
    void setSerial(const QByteArray &serial)
    {
        QSettings file(QStringLiteral("Parameter/Setting"), QSettings::IniFormat);
        file.setValue(QStringLiteral("ProductInfo/SerialNo"), QString::fromLatin1(serial));
    }
    void run()
    {
        QTest::mouseClick(page.backupButton(), Qt::LeftButton);
        QTRY_VERIFY(!page.isRunning());
    }
    QString result() const { return page.resultLabel()->text(); }
};
} // namespace

void TestServicePages::backupCopiesEverything()
{
    BackupPage b;
    QVERIFY(b.page.backupButton()->isEnabled());
    QCOMPARE(b.page.backupButton()->text(), QStringLiteral("Click to backup the para"));
    QVERIFY(b.f.front.root.writeFile(QStringLiteral("Parameter/deep/nested.ini"), "x=1\n"));
    QVERIFY(b.f.front.root.writeFile(QStringLiteral("Parameter/IRCorePara"), "[General]\nFIR=3\n"));
    b.setSerial("SN-42");
    b.run();
    QCOMPARE(b.result(), ParaBackupPage::successText());
    const QString dest = QStringLiteral("/media/mmc/os320/SN-42/");
    QCOMPARE(b.f.front.root.readFile(dest + QStringLiteral("Parameter/IRCorePara")), QByteArray("[General]\nFIR=3\n"));
    QCOMPARE(b.f.front.root.readFile(dest + QStringLiteral("Parameter/deep/nested.ini")), QByteArray("x=1\n"));
    QDir etc(b.f.front.root.hostPath(QStringLiteral("etc")));
    for (const QString &name : etc.entryList(QDir::Files))
        QVERIFY2(QFileInfo::exists(b.f.front.root.hostPath(dest + QStringLiteral("etc/") + name)), qPrintable(name));
    // A second backup replaces the first one's copies.
    QVERIFY(b.f.front.root.writeFile(QStringLiteral("Parameter/IRCorePara"), "[General]\nFIR=4\n"));
    b.run();
    QCOMPARE(b.result(), ParaBackupPage::successText());
    QCOMPARE(b.f.front.root.readFile(dest + QStringLiteral("Parameter/IRCorePara")), QByteArray("[General]\nFIR=4\n"));
    // Another page and back: the result is gone.
    b.page.hide();
    b.page.show();
    QVERIFY(b.result().isEmpty());
}

void TestServicePages::backupRefusesBadSerials_data()
{
    QTest::addColumn<QByteArray>("serial");
    QTest::newRow("parent folder") << QByteArray("..");
    QTest::newRow("climbs out") << QByteArray("../../../works");
    QTest::newRow("nested") << QByteArray("a/b");
    QTest::newRow("absolute") << QByteArray("/etc");
    QTest::newRow("empty") << QByteArray("");
    QTest::newRow("shell text") << QByteArray("x;rm -fr y");
    QTest::newRow("too long") << QByteArray("123456789012345678901");
}

void TestServicePages::backupRefusesBadSerials()
{
    QFETCH(QByteArray, serial);
    BackupPage b;
    b.setSerial(serial);
    QTest::mouseClick(b.page.backupButton(), Qt::LeftButton);
    QVERIFY(!b.page.isRunning());
    QCOMPARE(b.result(), ParaBackupPage::failureText());
    QVERIFY(!QFileInfo::exists(b.f.front.root.hostPath(QStringLiteral("/media/mmc/os320"))));
    QVERIFY(b.f.front.root.runner()->lines().isEmpty());
    QVERIFY(!ParaBackup::validSerial(QString::fromLatin1(serial)));
}

void TestServicePages::backupOnAnUnwritableCard_data()
{
    QTest::addColumn<QString>("blocker");
    // Files where the copy needs folders: refused whoever runs the test.
    QTest::newRow("no folder can be made") << "/media/mmc/os320";
    QTest::newRow("one folder cannot be made") << "/media/mmc/os320/SN1/etc";
    QTest::newRow("one file cannot be replaced") << "/media/mmc/os320/SN1/Parameter/Setting/x";
}

void TestServicePages::backupOnAnUnwritableCard()
{
    QFETCH(QString, blocker);
    BackupPage b;
    b.setSerial("SN1");
    QVERIFY(b.f.front.root.writeFile(blocker, "in the way\n"));
    b.run();
    QCOMPARE(b.result(), ParaBackupPage::failureText());
    QVERIFY(b.page.backupButton()->isEnabled());
}

void TestServicePages::backupNeedsACard()
{
    BackupPage b(false);
    QVERIFY(!b.page.backupButton()->isEnabled());
    QCOMPARE(b.page.backupButton()->text(), QStringLiteral("Insert the SD-Card first"));
}

// The page's owner may go while the worker copies: a raised flag stops the
// copy before its next file, so the owner waits for one file, and the copy
// is not reported as done.
void TestServicePages::cancelledBackupStopsAndFails()
{
    CoreFixture f;
    QVERIFY(f.front.root.writeFile(QStringLiteral("Parameter/IRCorePara"), "[General]\nFIR=3\n"));
    const QString destination = ParaBackup::destination(QStringLiteral("SN7"));
    std::atomic_bool cancel(true);
    QString error;
    QVERIFY(!ParaBackup::run(QDir::currentPath(), destination, &error, &cancel));
    QVERIFY(!error.isEmpty());
    QVERIFY(!QFileInfo::exists(QDir(destination).filePath(QStringLiteral("Parameter/IRCorePara"))));
    cancel = false;
    QVERIFY(ParaBackup::run(QDir::currentPath(), destination, &error, &cancel));
    QVERIFY(QFileInfo::exists(QDir(destination).filePath(QStringLiteral("Parameter/IRCorePara"))));
}

QTEST_MAIN(TestServicePages)
#include "tst_servicepages.moc"
