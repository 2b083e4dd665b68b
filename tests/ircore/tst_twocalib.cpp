#include "corefixture.h"

#include "calibpage.h"
#include "espotwidget.h"
#include "intervals.h"
#include "manualdeadpoint.h"
#include "twocalib.h"

#include <QLabel>
#include <QLoggingCategory>
#include <QPushButton>
#include <QtTest>

// The two-point K calibration driven by its buttons over the simulated
// core: every step's call once, in order, and what the core refused is
// said and can be tried again.
class TestTwoCalib : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void fullRunWithDeadPoints();
    void failedStepsCanBeRetried_data();
    void failedStepsCanBeRetried();
    void answersOutsideTheirSteps();
    void escapeLeavesAtAnyStep();
    void secondTapOnSaveSavesOnce();
};

namespace {

struct Run
{
    Open o;
    TwoCalib *calib = nullptr;
    Run()
    {
        auto *page = o.page<CalibPage>(IRCoreMainWindow::CalibPageIndex);
        QTest::mouseClick(page->startButton(), Qt::LeftButton);
        calib = page->twoCalib();
    }
    QPushButton *button(const char *text) const { return calib->button(QLatin1String(text)); }
    QString message() const { return calib->messageLabel()->text(); }
    void click(const char *text) { QTest::mouseClick(button(text), Qt::LeftButton); }
    // OK, then the one-second wait.
    void measure()
    {
        click("OK");
        QTRY_VERIFY(!calib->waitTimer()->isActive());
    }
};

int s_manualCloses = 0;
void countManualCloses(QtMsgType, const QMessageLogContext &, const QString &message)
{
    if (message == QLatin1String("manual clsoe"))
        ++s_manualCloses;
}

const QString s_deg = QChar(0x00B0) + QStringLiteral("C blackbody");

} // namespace

void TestTwoCalib::init()
{
    Intervals::setScale(0.01);
}

void TestTwoCalib::cleanup()
{
    Intervals::setScale(1.0);
}

void TestTwoCalib::fullRunWithDeadPoints()
{
    Run r;
    QVERIFY(r.calib->isVisible());
    QVERIFY(!r.o.window->isVisible());
    QCOMPARE(r.message(), QStringLiteral("init two point calib. para"));
    QVERIFY(r.button("OK")->isEnabled() && !r.button("Next")->isEnabled());
    // OK twice before the wait ends: one call.
    r.click("OK");
    r.click("OK");
    QCOMPARE(r.calib->step(), 1);
    QTRY_COMPARE(r.message(), QStringLiteral("init two point calib. para success"));
    QVERIFY(r.button("Next")->isEnabled() && !r.button("OK")->isEnabled());

    const struct
    {
        const char *next;
        QString prompt;
        const char *success;
    } steps[] = {{"Next", QStringLiteral("init one point calib. para "), "init one point calib. para success"},
                 {"Next", QStringLiteral("Thermal Imager facing 25") + s_deg, "get low temperature success"},
                 {"Next", QStringLiteral("Thermal Imager facing 70") + s_deg, "get high temperature success"},
                 {"Next", QStringLiteral("calibrat K and Dead point"), "cali K success, is K right?"}};
    for (const auto &s : steps) {
        r.click(s.next);
        QCOMPARE(r.message(), s.prompt);
        QVERIFY(r.button("OK")->isEnabled());
        r.measure();
        QCOMPARE(r.message(), QLatin1String(s.success));
    }
    QCOMPARE(r.calib->step(), 9);
    QVERIFY(r.button("Yes")->isVisible() && r.button("No")->isVisible());
    QVERIFY(!r.button("OK")->isVisible() && !r.button("Next")->isVisible());

    r.click("Yes");
    QCOMPARE(r.message(), QStringLiteral("are there dead points?"));
    r.click("Yes");
    ManualDeadPoint *marking = r.o.page<CalibPage>(IRCoreMainWindow::CalibPageIndex)->manualDeadPoint();
    QVERIFY(marking && marking->isVisible());
    QCOMPARE(marking->type(), 1);
    QVERIFY(!r.calib->messageLabel()->isVisible());
    QTest::keyClick(marking, Qt::Key_Escape);
    QVERIFY(!marking->isVisible());
    QCOMPARE(r.message(), QStringLiteral("save K value?"));
    QCOMPARE(r.calib->step(), 12);

    r.click("Yes");
    QCOMPARE(r.calib->step(), 13);
    QTRY_COMPARE(r.message(), QStringLiteral("save K value success"));
    QVERIFY(r.button("Exit")->isVisible());
    for (const char *gone : {"Next", "OK", "Yes", "No"})
        QVERIFY(!r.button(gone)->isVisible());
    r.click("Exit");
    QVERIFY(!r.calib->isVisible());
    QVERIFY(r.o.window->isVisible());

    const QStringList expected{"Ctl_EMIF_Open",     "Init_ALL_K_Parameter", "Init_Sht_Parameter",
                               "GetLowTemperature", "GetHighTemperature",   "Calc_K_Parameter",
                               "StartSetDeadPoint", "FinishSetDeadPoint",   "Save_K_Para"};
    QCOMPARE(r.o.f.core->calls(), expected);
    QCOMPARE(r.o.f.core->kSaves(), 1);

    // A second run: the marking reports to the calibration once more.
    r.o.f.core->clearLog();
    QTest::mouseClick(r.o.page<CalibPage>(IRCoreMainWindow::CalibPageIndex)->startButton(), Qt::LeftButton);
    QCOMPARE(r.calib->step(), 0);
    r.measure();
    for (int i = 0; i < 4; ++i) {
        r.click("Next");
        r.measure();
    }
    r.click("Yes");
    r.click("Yes");
    // The end of the marking reaches the calibration once, not once per run.
    s_manualCloses = 0;
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=true"));
    const QtMessageHandler previous = qInstallMessageHandler(countManualCloses);
    QTest::keyClick(marking, Qt::Key_Escape);
    qInstallMessageHandler(previous);
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false\ndefault.warning=false"));
    QCOMPARE(s_manualCloses, 1);
    QCOMPARE(r.calib->step(), 12);
    // No at "save K value?" leaves without saving.
    r.click("No");
    QVERIFY(!r.calib->isVisible());
    QVERIFY(!r.o.f.core->calls().contains(QStringLiteral("Save_K_Para")));
}

void TestTwoCalib::failedStepsCanBeRetried_data()
{
    QTest::addColumn<QString>("call");
    QTest::addColumn<int>("step");
    QTest::addColumn<QString>("failure");
    QTest::newRow("init all") << "Init_ALL_K_Parameter" << 0 << "init two point calib. para failed";
    QTest::newRow("init one") << "Init_Sht_Parameter" << 2 << "init one point calib. para failed";
    QTest::newRow("low") << "GetLowTemperature" << 4 << "get low temperature failed";
    QTest::newRow("high") << "GetHighTemperature" << 6 << "get high temperature failed";
    QTest::newRow("K") << "Calc_K_Parameter" << 8 << "cali K failed";
}

void TestTwoCalib::failedStepsCanBeRetried()
{
    QFETCH(QString, call);
    QFETCH(int, step);
    QFETCH(QString, failure);
    Run r;
    r.o.f.core->failCall(call, 1);
    while (r.calib->step() < step) {
        if (r.calib->step() % 2 == 0)
            r.measure();
        else
            r.click("Next");
    }
    r.click("OK");
    QCOMPARE(r.message(), failure);
    QCOMPARE(r.calib->step(), step);
    QVERIFY(r.button("OK")->isEnabled() && !r.button("Next")->isEnabled());
    QVERIFY(!r.calib->waitTimer()->isActive());
    r.measure();
    QCOMPARE(r.calib->step(), step + 1);
    QVERIFY(!r.message().endsWith(QLatin1String("failed")));
    QCOMPARE(r.o.f.core->calls().count(call), 2);
}

void TestTwoCalib::answersOutsideTheirSteps()
{
    Run r;
    r.calib->slot_clicked_next();
    r.calib->slot_clicked_yes();
    r.calib->slot_clicked_no();
    QCOMPARE(r.calib->step(), 0);
    QCOMPARE(r.o.f.core->calls(), QStringList{QStringLiteral("Ctl_EMIF_Open")});
    r.measure();
    for (int i = 0; i < 4; ++i) {
        r.click("Next");
        r.measure();
    }
    // No at "is K right?" starts over; its OK calls the first step again.
    r.click("No");
    QCOMPARE(r.calib->step(), 0);
    QCOMPARE(r.message(), QStringLiteral("init two point calib. para"));
    QVERIFY(r.button("OK")->isVisible() && r.button("OK")->isEnabled());
    r.measure();
    QCOMPARE(r.o.f.core->calls().count(QStringLiteral("Init_ALL_K_Parameter")), 2);
    // A refused save says so and can be tried again.
    for (int i = 0; i < 4; ++i) {
        r.click("Next");
        r.measure();
    }
    r.click("Yes");
    r.click("No");
    QCOMPARE(r.message(), QStringLiteral("save K value?"));
    r.o.f.core->failCall(QStringLiteral("Save_K_Para"), 1);
    r.click("Yes");
    QCOMPARE(r.message(), QStringLiteral("save K value failed"));
    QCOMPARE(r.calib->step(), 12);
    r.click("Yes");
    QTRY_COMPARE(r.message(), QStringLiteral("save K value success"));
    QCOMPARE(r.o.f.core->kSaves(), 1);
}

void TestTwoCalib::escapeLeavesAtAnyStep()
{
    Run r;
    r.measure();
    r.click("Next");
    QTest::keyClick(r.calib, Qt::Key_Escape);
    QVERIFY(!r.calib->isVisible());
    QVERIFY(r.o.window->isVisible());
    QCOMPARE(r.o.f.core->calls().last(), QStringLiteral("Init_ALL_K_Parameter"));
}

// "saving K value..." is drawn before the call; a second tap on Yes that is
// already waiting then must not save the K values a second time.
void TestTwoCalib::secondTapOnSaveSavesOnce()
{
    Run r;
    r.measure();
    for (int i = 0; i < 4; ++i) {
        r.click("Next");
        r.measure();
    }
    r.click("Yes");
    r.click("No");
    QCOMPARE(r.calib->step(), 12);
    QPushButton *yes = r.button("Yes");
    const QPoint centre = yes->rect().center();
    const QPointF global = yes->mapToGlobal(QPointF(centre));
    QCoreApplication::postEvent(yes, new QMouseEvent(QEvent::MouseButtonPress, QPointF(centre), global, Qt::LeftButton,
                                                     Qt::LeftButton, Qt::NoModifier));
    QCoreApplication::postEvent(yes, new QMouseEvent(QEvent::MouseButtonRelease, QPointF(centre), global, Qt::LeftButton,
                                                     Qt::NoButton, Qt::NoModifier));
    r.click("Yes");
    QCoreApplication::processEvents();
    QTRY_COMPARE(r.message(), QStringLiteral("save K value success"));
    QCOMPARE(r.o.f.core->calls().count(QStringLiteral("Save_K_Para")), 1);
    QCOMPARE(r.o.f.core->kSaves(), 1);
}

QTEST_MAIN(TestTwoCalib)
#include "tst_twocalib.moc"
