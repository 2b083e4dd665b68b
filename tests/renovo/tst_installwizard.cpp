#include "agreementpage.h"
#include "childprocess.h"
#include "devicehandover.h"
#include "finishpage.h"
#include "fontfamilies.h"
#include "installwizard.h"
#include "installwizardbutton.h"
#include "intervals.h"
#include "paths.h"
#include "processcommandrunner.h"
#include "recordingcommandrunner.h"
#include "simscreen.h"
#include "simulator.h"
#include "stubscript.h"
#include "testroot.h"

#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QSignalSpy>
#include <QtTest>

// The whole wizard driven by clicks, from the choice page through the
// update to the hand-back; with OSTREL_SCREENS_DIR set every state is
// written as a PNG ("renovo_*.png").
class TestInstallWizard : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void handoverIsOnlyRecorded();
    void cameraLeavesBeforeTheWizardDraws_data();
    void cameraLeavesBeforeTheWizardDraws();
    void exitLeavesWithoutUpdating();
    void updateRunsToTheHandback_data();
    void updateRunsToTheHandback();
    void simulatedRootPlaysAnUpdate();
    void unbrokenOutputKeepsTheWizardLive_data();
    void unbrokenOutputKeepsTheWizardLive();

private:
    void save(InstallWizard &wizard, const QString &name);
};

namespace {
QString startupScript()
{
    return Paths::resolve(QString::fromLatin1(DeviceHandover::StartupScript));
}

// A camera application under the root's "/proc" that ends when the
// command line it waits for is run (never, when it is empty).
class LeavingCamera : public RecordingCommandRunner
{
public:
    LeavingCamera(const TestRoot &root, const QString &endsOn)
        : m_process(root.hostPath(QStringLiteral("/proc/4242")))
        , m_endsOn(endsOn)
    {
        root.writeFile(QStringLiteral("/proc/4242/comm"), "ostrel\n");
    }

    Result run(const QString &program, const QStringList &arguments, int timeoutMs) override
    {
        if (!m_endsOn.isEmpty() && (QStringList{program} + arguments).join(QLatin1Char(' ')) == m_endsOn)
            QDir(m_process).removeRecursively();
        return RecordingCommandRunner::run(program, arguments, timeoutMs);
    }

private:
    QString m_process;
    QString m_endsOn;
};
} // namespace

void TestInstallWizard::initTestCase()
{
    FontFamilies::install();
}

void TestInstallWizard::init()
{
    Intervals::setScale(0.01);
}

void TestInstallWizard::cleanup()
{
    StubScript::clear();
    Intervals::setScale(1.0);
}

void TestInstallWizard::save(InstallWizard &wizard, const QString &name)
{
    const QString dir = qEnvironmentVariable("OSTREL_SCREENS_DIR");
    if (dir.isEmpty())
        return;
    QImage picture;
    if (SimScreen::onFrameBuffer()) {
        // What the panel shows, once the last change has been painted.
        for (int round = 0; round < 4; ++round)
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        const QRect area(wizard.mapToGlobal(QPoint(0, 0)) - wizard.screen()->geometry().topLeft(), wizard.size());
        picture = wizard.screen()->grabWindow(0, area.x(), area.y(), area.width(), area.height()).toImage();
    } else {
        picture = wizard.grab().toImage();
    }
    QVERIFY(picture.save(dir + QStringLiteral("/renovo_") + name + QStringLiteral(".png"), "PNG"));
}

// The stops and the start-up script are asked of the command runner, in
// this order, and in a test root nothing could run them for real.
void TestInstallWizard::handoverIsOnlyRecorded()
{
    TestRoot root;
    QVERIFY(!ProcessCommandRunner::allowed());
    DeviceHandover::stopCameraApplication();
    DeviceHandover::stopEncoderService();
    const CommandRunner::Result result = DeviceHandover::runStartupScript();
    QVERIFY(result.ok());
    const QList<RecordingCommandRunner::Call> calls = root.runner()->calls();
    QCOMPARE(calls.size(), 3);
    QCOMPARE(calls.at(0).program, QStringLiteral("killall"));
    QCOMPARE(calls.at(0).arguments, QStringList{QStringLiteral("ostrel")});
    QCOMPARE(calls.at(1).program, QStringLiteral("killall"));
    QCOMPARE(calls.at(1).arguments, QStringList{QStringLiteral("encodedecode")});
    QCOMPARE(calls.at(2).program, startupScript());
    QVERIFY(calls.at(2).arguments.isEmpty());
    for (const RecordingCommandRunner::Call &call : calls)
        QVERIFY(!call.detached);
}

// The wizard takes the screen only once the camera application has gone:
// asked to end, then killed when it stays.
void TestInstallWizard::cameraLeavesBeforeTheWizardDraws_data()
{
    QTest::addColumn<bool>("running");
    QTest::addColumn<QString>("endsOn");
    QTest::addColumn<QStringList>("commands");
    QTest::addColumn<bool>("gone");
    QTest::newRow("not running") << false << "" << QStringList{"killall ostrel"} << true;
    QTest::newRow("ends when asked") << true << "killall ostrel" << QStringList{"killall ostrel"} << true;
    QTest::newRow("ends when killed") << true << "killall -KILL ostrel"
                                      << QStringList{"killall ostrel", "killall -KILL ostrel"} << true;
    QTest::newRow("never ends") << true << "" << QStringList{"killall ostrel", "killall -KILL ostrel"} << false;
}

void TestInstallWizard::cameraLeavesBeforeTheWizardDraws()
{
    QFETCH(bool, running);
    QFETCH(QString, endsOn);
    QFETCH(QStringList, commands);
    QFETCH(bool, gone);
    TestRoot root;
    auto *runner = running ? new LeavingCamera(root, endsOn) : new RecordingCommandRunner;
    CommandRunner::install(runner);
    QCOMPARE(DeviceHandover::stopCameraApplication(), gone);
    QCOMPARE(runner->lines(), commands);
}

// Exit on the choice page, with and without a package: no script runs,
// the start-up script is asked for once, then the wizard ends.
void TestInstallWizard::exitLeavesWithoutUpdating()
{
    TestRoot root;
    QVERIFY(StubScript::place(root));
    InstallWizard wizard;
    QSignalSpy ended(&wizard, &InstallWizard::ended);
    wizard.show();
    QVERIFY(QTest::qWaitForWindowExposed(&wizard));
    save(wizard, QStringLiteral("choice_no_package"));
    QTest::mouseClick(wizard.agreementPage()->exitButton(), Qt::LeftButton);
    QTest::mouseClick(wizard.agreementPage()->exitButton(), Qt::LeftButton);
    QVERIFY(ended.wait(5000) || ended.count() == 1);
    QCOMPARE(root.runner()->calls().size(), 1);
    QCOMPARE(root.runner()->calls().at(0).program, startupScript());
    QCOMPARE(wizard.finishPage()->state(), FinishPage::State::Waiting);
}

void TestInstallWizard::updateRunsToTheHandback_data()
{
    QTest::addColumn<QByteArray>("messages");
    QTest::addColumn<QByteArray>("end");
    QTest::addColumn<bool>("success");
    QTest::newRow("success") << QByteArray("0 1 20;1 2 0") << QByteArray("exit0") << true;
    QTest::newRow("failure half-way") << QByteArray("0 1 20") << QByteArray("exit1") << false;
}

void TestInstallWizard::updateRunsToTheHandback()
{
    QFETCH(QByteArray, messages);
    QFETCH(QByteArray, end);
    QFETCH(bool, success);
    TestRoot root;
    QVERIFY(StubScript::place(root));
    StubScript::set("RENOVO_STUB_MESSAGES", messages);
    StubScript::set("RENOVO_STUB_PAUSE", "0.4");
    StubScript::set("RENOVO_STUB_END", end);
    InstallWizard wizard;
    QSignalSpy ended(&wizard, &InstallWizard::ended);
    wizard.show();
    QVERIFY(QTest::qWaitForWindowExposed(&wizard));
    AgreementPage *choice = wizard.agreementPage();
    QVERIFY(!choice->startButton()->isEnabled());

    QVERIFY(root.writeFile(QString::fromLatin1(AgreementPage::PackagePath), "package"));
    QTRY_VERIFY(choice->packagePresent());
    QVERIFY(choice->checkBox(AgreementPage::UpdateAll)->isChecked());
    QCheckBox *firmware = choice->checkBox(AgreementPage::UnderlyingFirmware);
    QTest::mouseClick(firmware, Qt::LeftButton, {}, QPoint(10, firmware->height() / 2));
    QVERIFY(!choice->checkBox(AgreementPage::UpdateAll)->isChecked());
    save(wizard, success ? QStringLiteral("choice_package") : QStringLiteral("choice_firmware_left"));

    QTest::mouseClick(choice->startButton(), Qt::LeftButton);
    FinishPage *progress = wizard.finishPage();
    QVERIFY(!choice->isVisible());
    QVERIFY(progress->isVisible());
    QCOMPARE(progress->state(), FinishPage::State::Running);
    QVERIFY(!progress->finishButton()->isEnabled());
    QTRY_VERIFY(progress->progressBar()->value() >= 20);
    if (success)
        save(wizard, QStringLiteral("progress_running"));

    QTRY_VERIFY_WITH_TIMEOUT(progress->state() != FinishPage::State::Running, 20000);
    QVERIFY(progress->logArea()->toPlainText().contains(QStringLiteral("Extracting stub 0 0 1")));
    save(wizard, success ? QStringLiteral("progress_success") : QStringLiteral("progress_failure"));
    QCOMPARE(progress->titleLabel()->text(),
             success ? QStringLiteral("Update is successful") : QStringLiteral("Update fails"));
    QVERIFY(root.runner()->calls().isEmpty());

    QTest::mouseClick(progress->finishButton(), Qt::LeftButton);
    QVERIFY(ended.wait(5000) || ended.count() == 1);
    if (success)
        save(wizard, QStringLiteral("progress_finishing"));
    QCOMPARE(root.runner()->calls().size(), 1);
    QCOMPARE(root.runner()->calls().at(0).program, startupScript());
}

// What `renovo --simulate` shows: the simulator root's own stub script
// runs from Start to "Complete", and the card decides the choice page.
void TestInstallWizard::simulatedRootPlaysAnUpdate()
{
    TestRoot test;
    Simulator simulator;
    QVERIFY(simulator.enterRoot(test.hostPath(QStringLiteral("sim-root"))));
    StubScript::set("RENOVO_STUB_PAUSE", "0.05");
    auto *runner = static_cast<RecordingCommandRunner *>(CommandRunner::instance());
    InstallWizard wizard;
    QSignalSpy ended(&wizard, &InstallWizard::ended);
    wizard.show();
    QVERIFY(QTest::qWaitForWindowExposed(&wizard));
    QVERIFY(!wizard.agreementPage()->packagePresent());
    QVERIFY(QFile(Paths::resolve(QString::fromLatin1(AgreementPage::PackagePath))).open(QIODevice::WriteOnly));
    QTRY_VERIFY(wizard.agreementPage()->startButton()->isEnabled());
    QTest::mouseClick(wizard.agreementPage()->startButton(), Qt::LeftButton);
    FinishPage *progress = wizard.finishPage();
    QTRY_VERIFY(progress->progressBar()->value() > 0);
    QTRY_VERIFY_WITH_TIMEOUT(progress->state() == FinishPage::State::Succeeded, 20000);
    QVERIFY(progress->logArea()->toPlainText().contains(QStringLiteral("Extracting kernel.img")));
    QTest::mouseClick(progress->finishButton(), Qt::LeftButton);
    QVERIFY(ended.wait(5000) || ended.count() == 1);
    QCOMPARE(runner->lines().size(), 1);
    QVERIFY(runner->calls().at(0).program.endsWith(QLatin1String("/works/vyx_init.sh")));
}

// 50 MB of output on one line: the page shows the line's last part as its
// last log line while the script runs, ends as the script does, and
// Complete leads out at once.
void TestInstallWizard::unbrokenOutputKeepsTheWizardLive_data()
{
    QTest::addColumn<QByteArray>("end");
    QTest::newRow("while it runs") << QByteArray("hang");
    QTest::newRow("after it ended") << QByteArray("exit0");
}

void TestInstallWizard::unbrokenOutputKeepsTheWizardLive()
{
    QFETCH(QByteArray, end);
    TestRoot root;
    QVERIFY(StubScript::place(root));
    StubScript::set("RENOVO_STUB_UNBROKEN", QByteArray::number(50 * 1000 * 1000));
    StubScript::set("RENOVO_STUB_MESSAGES", "0 1 40");
    StubScript::set("RENOVO_STUB_END", end);
    QVERIFY(root.writeFile(QString::fromLatin1(AgreementPage::PackagePath), "package"));
    InstallWizard wizard;
    QSignalSpy ended(&wizard, &InstallWizard::ended);
    wizard.show();
    QVERIFY(QTest::qWaitForWindowExposed(&wizard));
    QTRY_VERIFY(wizard.agreementPage()->startButton()->isEnabled());
    FinishPage *progress = wizard.finishPage();
    const ChildProcess *child = progress->findChild<ChildProcess *>();
    QVERIFY(child);
    QSignalSpy scriptEnded(child, &ChildProcess::finished);
    QSignalSpy moved(progress->progressBar(), &QProgressBar::valueChanged);
    QTest::mouseClick(wizard.agreementPage()->startButton(), Qt::LeftButton);
    // Waits that turn the event loop without sleeping between rounds, as the
    // program's own loop does. The progress message follows the output.
    while (progress->progressBar()->value() < 40 && moved.wait(20000)) {
    }
    QCOMPARE(progress->progressBar()->value(), 40);
    if (end == "exit0")
        QVERIFY(scriptEnded.count() == 1 || scriptEnded.wait(20000));
    const QString text = progress->logArea()->toPlainText();
    QVERIFY2(text.size() < FinishPage::LogLines * (FinishPage::ShownLineChars + 20), qPrintable(QString::number(text.size())));
    QVERIFY(text.split(QLatin1Char('\n')).last().startsWith(QStringLiteral("Extracting \u2026xxxx")));
    if (end == "hang") {
        QCOMPARE(progress->state(), FinishPage::State::Running);
        save(wizard, QStringLiteral("progress_unbroken_output"));
        return;
    }
    QCOMPARE(progress->state(), FinishPage::State::Succeeded);
    save(wizard, QStringLiteral("progress_unbroken_output_success"));
    QTest::mouseClick(progress->finishButton(), Qt::LeftButton);
    QVERIFY(ended.count() == 1 || ended.wait(5000));
}

QTEST_MAIN(TestInstallWizard)
#include "tst_installwizard.moc"
