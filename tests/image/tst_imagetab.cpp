#include "eimagemode.h"
#include "eimagepip.h"
#include "eimagetab.h"
#include "eimagetabbar.h"
#include "etabwidget.h"
#include "imagefixture.h"

#include <QStackedWidget>
#include <QtTest>

// The image popup: registration, layout, the tab bar's hit zones, Escape,
// and reopening on the last page.
class TstImageTab : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { m_root = new TestRoot; }
    void cleanup() { delete m_root; }
    void builtAndRegistered();
    void hitZones_data();
    void hitZones();
    void openTabPressedAgain();
    void escapeAndReopen();

private:
    TestRoot *m_root = nullptr;
    FakeViewHost m_host;
};

void TstImageTab::builtAndRegistered()
{
    {
        EImageTab popup(nullptr, nullptr, Qt::Dialog);
        QCOMPARE(EGlobal::getImageTab(), &popup);
        QVERIFY(popup.windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(popup.windowModality(), Qt::WindowModal);
        QCOMPARE(popup.size(), QSize(210, 180));
        QCOMPARE(popup.stack()->count(), 4);
        QCOMPARE(popup.stack()->widget(0), popup.pipPage());
        QCOMPARE(popup.stack()->widget(2), popup.modePage());
        QCOMPARE(popup.stack()->currentIndex(), 0);
        QCOMPARE(popup.tabBar()->height(), 32);
        QCOMPARE(popup.tabBar()->openTab(), popup.tabBar()->tab(0));
        QVERIFY(popup.tabBar()->tab(0)->isOpen());
    }
    QVERIFY(!EGlobal::getImageTab());
}

void TstImageTab::hitZones_data()
{
    QTest::addColumn<QPoint>("pos");
    QTest::addColumn<int>("page");  // -1: nothing happens
    QTest::newRow("left edge") << QPoint(0, 10) << 0;
    QTest::newRow("50") << QPoint(50, 31) << 0;
    QTest::newRow("51 between") << QPoint(51, 10) << -1;
    QTest::newRow("52 between") << QPoint(52, 10) << -1;
    QTest::newRow("53 palette") << QPoint(53, 10) << 1;
    QTest::newRow("103") << QPoint(103, 0) << 1;
    QTest::newRow("104 between") << QPoint(104, 10) << -1;
    QTest::newRow("105 level/span") << QPoint(105, 10) << 2;
    QTest::newRow("155") << QPoint(155, 10) << 2;
    QTest::newRow("156 between") << QPoint(156, 10) << -1;
    QTest::newRow("157 between") << QPoint(157, 10) << -1;
    QTest::newRow("158 settings") << QPoint(158, 10) << 3;
    QTest::newRow("210") << QPoint(210, 10) << 3;
    QTest::newRow("below the bar") << QPoint(120, 32) << -1;
}

void TstImageTab::hitZones()
{
    QFETCH(QPoint, pos);
    QFETCH(int, page);
    QCOMPARE(EImageTabBar::zoneAt(pos).isEmpty(), page < 0);
    if (pos.y() > 31)
        return;
    // Pressed on the bar itself (where no button covers the spot).
    EImageTab popup(nullptr);
    popup.show();
    QVERIFY(QTest::qWaitForWindowExposed(&popup));
    popup.pageChangedHandler(0);
    QSignalSpy changed(popup.tabBar(), &EImageTabBar::pageChanged);
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(pos), popup.tabBar()->mapToGlobal(QPointF(pos)), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(popup.tabBar(), &press);
    QCOMPARE(changed.count(), page < 0 ? 0 : 1);
    QCOMPARE(popup.stack()->currentIndex(), page < 0 ? 0 : page);
    QCOMPARE(popup.tabBar()->openTab(), popup.tabBar()->tab(page < 0 ? 0 : page));
    QVERIFY(popup.tabBar()->openTab()->isOpen());
}

void TstImageTab::openTabPressedAgain()
{
    EImageTab popup(nullptr);
    popup.show();
    QVERIFY(QTest::qWaitForWindowExposed(&popup));
    ETabWidget *modeTab = popup.tabBar()->tab(2);
    QTest::mouseClick(modeTab, Qt::LeftButton);
    QCOMPARE(popup.stack()->currentIndex(), 2);
    QVERIFY(!popup.tabBar()->tab(0)->isOpen());
    QTest::mouseClick(modeTab, Qt::LeftButton);
    QCOMPARE(popup.stack()->currentIndex(), 2);
    QVERIFY(modeTab->isOpen());
    // An unknown name re-opens the tab that was open.
    popup.tabBar()->clickedHandler(QStringLiteral("Nothing"));
    QVERIFY(modeTab->isOpen());
    QCOMPARE(popup.stack()->currentIndex(), 2);
}

void TstImageTab::escapeAndReopen()
{
    EImageTab popup(nullptr);
    popup.show();
    popup.move(0, 60);
    QVERIFY(QTest::qWaitForWindowExposed(&popup));
    QTest::mouseClick(popup.tabBar()->tab(2), Qt::LeftButton);
    // Other keys end in the popup.
    QTest::keyClick(&popup, Qt::Key_A);
    QVERIFY(popup.isVisible());
    QTest::keyClick(&popup, Qt::Key_Escape);
    QVERIFY(!popup.isVisible());
    popup.hide();
    popup.show();
    popup.move(0, 240 - popup.height());
    QCOMPARE(popup.pos(), QPoint(0, 60));
    QCOMPARE(popup.stack()->currentIndex(), 2);
    QVERIFY(popup.tabBar()->tab(2)->isOpen());
}

QTEST_MAIN(TstImageTab)
#include "tst_imagetab.moc"
