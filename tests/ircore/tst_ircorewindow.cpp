#include "corefixture.h"

#include "arrowrepeat.h"
#include "b2page.h"
#include "eircoreadjustitem.h"
#include "esetupcombobox.h"
#include "esetupitem.h"
#include "esetupswitch.h"
#include "intervals.h"
#include "ircorelistitem.h"
#include "ircoremainwindow.h"
#include "mykeyboard.h"
#include "parapage.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>

// The core's maintenance window: its list and pages, the closing sequence,
// the buffer commands and the register page with its value bar.
class TestIRCoreWindow : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void cleanup();
    void escapeRunsTheClosingSequence();
    void cancelTakesTheHighlightAndReopenKeepsThePage();
    void bufferCommands_data();
    void bufferCommands();
    void pageReadsTheCore();
    void typedValues_data();
    void typedValues();
    void refusedValueIsNotStored();
    void unreadRegisterOpensNoBar();
    void barTicks_data();
    void barTicks();
    void longPressSendsEveryTick();
    void sumRefreshesWhileTheBarIsOpen();
    void heaterIsStoredAsABool();
};

namespace {
ParaPage *paraOf(const Open &o)
{
    return o.page<ParaPage>(IRCoreMainWindow::ParaPageIndex);
}
void showPara(Open &o)
{
    QTest::mousePress(o.window->listItem()->rows().at(1), Qt::LeftButton);
    QCOMPARE(o.window->currentIndex(), int(IRCoreMainWindow::ParaPageIndex));
}
} // namespace

void TestIRCoreWindow::cleanup()
{
    Intervals::setScale(1.0);
}

void TestIRCoreWindow::escapeRunsTheClosingSequence()
{
    Open o;
    QVERIFY(o.f.serial()->isParked());
    QTest::keyClick(o.window, Qt::Key_Escape);
    QVERIFY(!o.window->isVisible());
    QVERIFY(o.menu.isVisible());
    QVERIFY(!o.f.view->screenStatus());
    QVERIFY(!o.f.core->isOpen());
    QVERIFY(!o.f.serial()->isParked());
    QCOMPARE(o.f.core->calls().last(), QStringLiteral("Ctl_EMIF_Close"));
    // From outside, once more: nothing left to close.
    o.menu.hide();
    o.window->closeCore(false);
    QVERIFY(!o.menu.isVisible());
    QCOMPARE(o.f.core->calls().count(QStringLiteral("Ctl_EMIF_Close")), 1);
}

void TestIRCoreWindow::cancelTakesTheHighlightAndReopenKeepsThePage()
{
    Open o;
    IRCoreListItem *list = o.window->listItem();
    QTest::mousePress(list->rows().at(2), Qt::LeftButton);
    QCOMPARE(o.window->currentIndex(), int(IRCoreMainWindow::B2PageIndex));
    QPushButton *cancel = list->cancelButton();
    QTest::mousePress(cancel, Qt::LeftButton);
    for (ESetupItem *row : list->rows())
        QVERIFY(!row->highlight());
    QTest::mouseRelease(cancel, Qt::LeftButton);
    QVERIFY(!o.window->isVisible());
    QVERIFY(!o.f.core->isOpen());

    QVERIFY(IRCoreLink::open());
    o.window->show();
    QCOMPARE(o.window->currentIndex(), int(IRCoreMainWindow::B2PageIndex));
    QTest::mousePress(list->rows().at(0), Qt::LeftButton);
    QVERIFY(list->rows().at(0)->highlight());
    QVERIFY(!list->rows().at(2)->highlight());
}

void TestIRCoreWindow::bufferCommands_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("command");
    QTest::newRow("Clear") << "Clear" << "ClearFishBuffer";
    QTest::newRow("Capture") << "Capture" << "CaptureFishBuffer";
    QTest::newRow("Process") << "Process" << "SubFishBuffer";
    QTest::newRow("Filter") << "Filter" << "FilterFishBuffer";
    QTest::newRow("Save") << "Save" << "SaveFishBuffer";
    QTest::newRow("Set") << "Set" << "SetFishBuffer";
}

void TestIRCoreWindow::bufferCommands()
{
    QFETCH(QString, button);
    QFETCH(QString, command);
    Open o;
    auto *page = static_cast<B2Page *>(o.window->widget(IRCoreMainWindow::B2PageIndex));
    QTest::mousePress(o.window->listItem()->rows().at(2), Qt::LeftButton);
    QTest::mouseClick(page->button(button), Qt::LeftButton);
    QCOMPARE(o.f.core->bufferCommands(), QStringList{command});
    QVERIFY(page->resultLabel()->text().isEmpty());
    QVERIFY(page->button(button)->isEnabled());

    o.f.core->failCall(command, 1);
    QTest::mouseClick(page->button(button), Qt::LeftButton);
    QCOMPARE(page->resultLabel()->text(), button + QStringLiteral(" failed!"));
    QCOMPARE(o.f.core->bufferCommands().size(), 1);
    QTest::mouseClick(page->button(button), Qt::LeftButton);
    QVERIFY(page->resultLabel()->text().isEmpty());
}

void TestIRCoreWindow::pageReadsTheCore()
{
    Open o;
    QVERIFY(o.f.front.root.writeFile(QStringLiteral("Parameter/IRCorePara"), "[General]\nFIR=99\n"));
    o.f.core->CtlSetVfid(1234);
    o.f.core->failCall(QStringLiteral("CtlReadVsk"), 1);
    showPara(o);
    ParaPage *page = paraOf(o);
    QCOMPARE(page->row(QStringLiteral("FID"))->text(), QStringLiteral("1234"));
    QCOMPARE(page->row(QStringLiteral("VSK"))->text(), QStringLiteral("no answer"));
    QCOMPARE(page->row(QStringLiteral("IntTime"))->text(), QStringLiteral("80"));
    // A stored FIR outside the register's range shows clamped.
    QCOMPARE(page->row(QStringLiteral("FIR"))->text(), QStringLiteral("31"));
    QCOMPARE(page->row(QStringLiteral("GAIN"))->text(), QStringLiteral("6"));
    QVERIFY(!page->heaterRow()->isOpen());
}

void TestIRCoreWindow::typedValues_data()
{
    QTest::addColumn<QString>("row");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("stored");
    QTest::newRow("FID above range") << "FID" << "25000" << "FID" << 20000;
    QTest::newRow("FID letters") << "FID" << "12A" << "FID" << 0;
    QTest::newRow("odd gain kept") << "GAIN" << "7" << "Gain" << 7;
    QTest::newRow("gain below range") << "GAIN" << "1" << "Gain" << 2;
    QTest::newRow("letters on gain") << "GAIN" << "x" << "Gain" << 2;
    QTest::newRow("integration time") << "IntTime" << "4321" << "IntTime" << 4321;
}

void TestIRCoreWindow::typedValues()
{
    QFETCH(QString, row);
    QFETCH(QString, typed);
    QFETCH(QString, key);
    QFETCH(int, stored);
    Open o;
    showPara(o);
    ParaPage *page = paraOf(o);
    QTest::mouseClick(page->row(row), Qt::LeftButton);
    QVERIFY(!o.window->isVisible());
    EIRCoreAdjustItem *bar = page->adjustItem();
    QVERIFY(bar->isVisible() && page->sumButton()->isVisible());
    QCOMPARE(bar->objectName(), row);
    QTest::mousePress(bar->valueButton(), Qt::LeftButton);
    QVERIFY(page->keyboard() && page->keyboard()->isVisible());
    QPointer<MyKeyboard> keyboard = page->keyboard();
    keyboard->setCurrentText(typed);
    QTest::mouseClick(keyboard->findChild<QPushButton *>(QStringLiteral("btnOk")), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!page->keyboard());
    QCOMPARE(bar->value(), stored);
    QVERIFY(page->flushRecords());
    QCOMPARE(o.f.record().value(key).toInt(), stored);
    // Any key closes the bar; the window and its rows come back.
    QTest::keyClick(bar, Qt::Key_Escape);
    QVERIFY(!bar->isVisible() && !page->sumButton()->isVisible());
    QVERIFY(o.window->isVisible());
    QCOMPARE(page->row(row)->text(), QString::number(stored));

    // Escape on the keypad changes nothing.
    QTest::mouseClick(page->row(row), Qt::LeftButton);
    const QStringList before = o.f.core->calls();
    QTest::mousePress(bar->valueButton(), Qt::LeftButton);
    QTest::keyClick(page->keyboard(), Qt::Key_Escape);
    QCOMPARE(o.f.core->calls(), before);
    QCOMPARE(bar->value(), stored);
}

void TestIRCoreWindow::refusedValueIsNotStored()
{
    Open o;
    showPara(o);
    ParaPage *page = paraOf(o);
    QTest::mouseClick(page->row(QStringLiteral("VSK")), Qt::LeftButton);
    EIRCoreAdjustItem *bar = page->adjustItem();
    QTest::mouseClick(bar->upButton(), Qt::LeftButton);
    QCOMPARE(o.f.core->vsk(), 1881);
    o.f.core->failCall(QStringLiteral("CtlSetVsk"), 1);
    QTest::mouseClick(bar->upButton(), Qt::LeftButton);
    // The bar goes back to what the core holds; the record too.
    QCOMPARE(bar->value(), 1881);
    QVERIFY(page->flushRecords());
    QCOMPARE(o.f.record().value(QStringLiteral("VSK")).toInt(), 1881);
    QTest::keyClick(bar, Qt::Key_Escape);
    QCOMPARE(page->row(QStringLiteral("VSK"))->text(), QStringLiteral("1881"));
}

// A register the core did not answer for has no value to step from: the
// bar would start at its minimum and the first arrow would send that.
void TestIRCoreWindow::unreadRegisterOpensNoBar()
{
    Open o;
    o.f.core->failCall(QStringLiteral("CtlReadVsk"), 1);
    showPara(o);
    ParaPage *page = paraOf(o);
    QCOMPARE(page->row(QStringLiteral("VSK"))->text(), QStringLiteral("no answer"));
    QTest::mouseClick(page->row(QStringLiteral("VSK")), Qt::LeftButton);
    QVERIFY(!page->adjustItem()->isVisible());
    QVERIFY(!page->sumButton()->isVisible());
    QVERIFY(o.window->isVisible());
    QVERIFY(!o.f.core->calls().contains(QStringLiteral("CtlSetVsk")));
    // Shown again, the page reads the core anew and the row opens.
    showPara(o);
    o.window->hide();
    o.window->show();
    QCOMPARE(page->row(QStringLiteral("VSK"))->text(), QStringLiteral("1880"));
    QTest::mouseClick(page->row(QStringLiteral("VSK")), Qt::LeftButton);
    QVERIFY(page->adjustItem()->isVisible());
    QCOMPARE(page->adjustItem()->value(), 1880);
    QTest::keyClick(page->adjustItem(), Qt::Key_Escape);
}

void TestIRCoreWindow::barTicks_data()
{
    QTest::addColumn<int>("ticks");
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("stride");
    QTest::newRow("short click") << 0 << 1 << 1;
    QTest::newRow("tick 1") << 1 << 1 << 1;
    QTest::newRow("tick 9") << 9 << 1 << 1;
    QTest::newRow("tick 10") << 10 << 1 << 10;
    QTest::newRow("tick 19") << 19 << 1 << 10;
    QTest::newRow("tick 20") << 20 << 1 << 100;
    QTest::newRow("tick 39") << 39 << 1 << 100;
    QTest::newRow("tick 40 holds") << 40 << 1 << 0;
    QTest::newRow("gain tick 12") << 12 << 2 << 20;
}

void TestIRCoreWindow::barTicks()
{
    QFETCH(int, ticks);
    QFETCH(int, step);
    QFETCH(int, stride);
    QCOMPARE(EIRCoreAdjustItem::stride(ticks, step), stride);
}

void TestIRCoreWindow::longPressSendsEveryTick()
{
    Open o;
    showPara(o);
    ParaPage *page = paraOf(o);
    o.f.core->CtlSetVfid(0);
    o.window->hide();
    o.window->show();
    QTest::mouseClick(page->row(QStringLiteral("FID")), Qt::LeftButton);
    EIRCoreAdjustItem *bar = page->adjustItem();
    QCOMPARE(bar->value(), 0);
    o.f.core->clearLog();
    QTest::mousePress(bar->upButton(), Qt::LeftButton);
    QList<int> values;
    for (int t = 1; t <= 42; ++t) {
        bar->repeat()->tick(+1);
        values.append(bar->value());
    }
    QTest::mouseRelease(bar->upButton(), Qt::LeftButton);
    QCOMPARE(values.at(8), 9);
    QCOMPARE(values.at(9), 19);
    QCOMPARE(values.at(18), 109);
    QCOMPARE(values.at(19), 209);
    QCOMPARE(values.at(38), 2109);
    QCOMPARE(values.at(41), 2109);
    // Every tick went to the core, also those that held; the release none.
    QCOMPARE(o.f.core->calls().count(QStringLiteral("CtlSetVfid")), 42);
    QCOMPARE(bar->value(), 2109);

    // Gain steps by two and stops at its top.
    QTest::keyClick(bar, Qt::Key_Escape);
    QTest::mouseClick(page->row(QStringLiteral("GAIN")), Qt::LeftButton);
    bar->setValue(15, false);
    QTest::mouseClick(bar->upButton(), Qt::LeftButton);
    QCOMPARE(bar->value(), 16);
    QCOMPARE(o.f.core->gain(), 16);
}

void TestIRCoreWindow::sumRefreshesWhileTheBarIsOpen()
{
    Open o;
    showPara(o);
    ParaPage *page = paraOf(o);
    QCOMPARE(page->sumButton()->text(), QStringLiteral("0x00000000"));
    QTest::mouseClick(page->row(QStringLiteral("FIR")), Qt::LeftButton);
    QVERIFY(page->sumTimer()->isActive());
    QCOMPARE(page->sumTimer()->interval(), 1000);
    o.f.core->setADSum(4000000000u);
    page->updateSum();
    QCOMPARE(page->sumButton()->text(), QStringLiteral("4000000000"));
    QTest::keyClick(page->adjustItem(), Qt::Key_Escape);
    QVERIFY(!page->sumTimer()->isActive());
    QCOMPARE(page->sumButton()->text(), QStringLiteral("4000000000"));
}

void TestIRCoreWindow::heaterIsStoredAsABool()
{
    Open o;
    showPara(o);
    ParaPage *page = paraOf(o);
    QTest::mouseClick(page->heaterRow(), Qt::LeftButton);
    QVERIFY(o.f.core->heaterOn() && page->heaterRow()->isOpen());
    QVERIFY(page->flushRecords());
    QCOMPARE(o.f.front.root.readFile(QStringLiteral("Parameter/IRCorePara")).contains("Heater=true"), true);
    o.f.core->failCall(QStringLiteral("CtlHeaterOnOff"), 1);
    QTest::mouseClick(page->heaterRow(), Qt::LeftButton);
    QVERIFY(o.f.core->heaterOn() && page->heaterRow()->isOpen());
    QTest::mouseClick(page->heaterRow(), Qt::LeftButton);
    QVERIFY(page->flushRecords());
    QVERIFY(o.f.front.root.readFile(QStringLiteral("Parameter/IRCorePara")).contains("Heater=false"));
}

QTEST_MAIN(TestIRCoreWindow)
#include "tst_ircorewindow.moc"
