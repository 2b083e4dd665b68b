#include "calibinterface.h"
#include "egraphicsview.h"
#include "einterfaceitem.h"
#include "fontfamilies.h"
#include "livescreen.h"
#include "screentouch.h"

#include <QApplication>
#include <QLoggingCategory>
#include <QPointer>
#include <QPointingDevice>
#include <QtTest>

// C on a calibration page closes the page and brings the calibration menu
// back. The key reaches one of the page's own windows, as the panel's keys
// reach the window that has the focus: that window must outlive the key's
// delivery (it went while Qt still delivered to it, and the program died).
class TestSimCalibKey : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void cOnAPageWindowBringsTheMenuBack_data();
    void cOnAPageWindowBringsTheMenuBack();
    void cOnTheMenuLeaves();

private:
    void keyC(QWidget *window);
    QList<QWidget *> pageWindows() const;
    QList<QPointer<QWidget>> m_before;
    CalibInterface *menu() const { return m_sim.live->view()->calibMenu(); }

    LiveScreen m_sim;
    QPointingDevice *m_finger = nullptr;
};

void TestSimCalibKey::initTestCase()
{
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false\ndefault.warning=false"));
    FontFamilies::install();
    QApplication::setFont(QFont(QStringLiteral("wenquanyi"), 16));
    m_sim.start(true);
    QVERIFY(!QTest::currentTestFailed());
    m_finger = QTest::createTouchDevice();
    keyC(m_sim.screen.get());
    QVERIFY(menu() && menu()->isVisible());
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window->isVisible())
            m_before.append(window);
}

void TestSimCalibKey::cleanupTestCase()
{
    m_sim.stop();
}

// Delivered to the window and nothing after it, so what the key left is
// seen before any deferred deletion runs.
void TestSimCalibKey::keyC(QWidget *window)
{
    QVERIFY(window->windowHandle());
    QKeyEvent press(QEvent::KeyPress, Qt::Key_C, Qt::NoModifier, QStringLiteral("c"));
    QGuiApplication::sendEvent(window->windowHandle(), &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_C, Qt::NoModifier, QStringLiteral("c"));
    QGuiApplication::sendEvent(m_sim.screen->windowHandle(), &release);
}

// Every window the page put on the panel: none shown with the menu.
QList<QWidget *> TestSimCalibKey::pageWindows() const
{
    QList<QWidget *> windows;
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window->isVisible() && !m_before.contains(QPointer<QWidget>(window)))
            windows.append(window);
    return windows;
}

void TestSimCalibKey::cOnAPageWindowBringsTheMenuBack_data()
{
    QTest::addColumn<QString>("tile");
    QTest::newRow("blackbody wizard") << QStringLiteral("Calib");
    QTest::newRow("correction") << QStringLiteral("Modify");
    QTest::newRow("product data") << QStringLiteral("PN");
    QTest::newRow("fusion") << QStringLiteral("Mix");
    QTest::newRow("table settings") << QStringLiteral("Settings");
}

void TestSimCalibKey::cOnAPageWindowBringsTheMenuBack()
{
    QFETCH(QString, tile);
    int windowCount = 1;
    for (int target = 0; target < windowCount; ++target) {
        QVERIFY(menu()->isVisible());
        QVERIFY(QTest::qWaitForWindowExposed(menu()));
        ScreenTouch::finger(m_finger, menu()->item(tile));
        QTRY_VERIFY(!menu()->isVisible() || !pageWindows().isEmpty());
        const QList<QWidget *> windows = pageWindows();
        QVERIFY(!windows.isEmpty());
        windowCount = windows.size();
        if (target == 0)
            ScreenTouch::save(m_sim.screen.get(), QStringLiteral("calibkey-%1.png").arg(tile));

        QPointer<QWidget> receiver(windows.at(target));
        keyC(receiver);
        QVERIFY2(receiver, qPrintable(QStringLiteral("window %1 of %2 went while it took the key")
                                          .arg(target + 1).arg(windowCount)));
        QTRY_VERIFY(menu()->isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(pageWindows().isEmpty());
    }
}

void TestSimCalibKey::cOnTheMenuLeaves()
{
    keyC(menu());
    QTRY_VERIFY(!menu()->isVisible());
    QCOMPARE(m_sim.live->view()->getInterfaceMode(), int(EGraphicsViewPrivate::NormalInterface));
}

QTEST_MAIN(TestSimCalibKey)
#include "tst_simcalibkey.moc"
