#include "egraphicsview.h"
#include "eglobal.h"
#include "elistitems.h"
#include "esetupitem.h"
#include "esetupwindow.h"
#include "fontfamilies.h"
#include "livescreen.h"
#include "paths.h"
#include "menuroute.h"
#include "screentouch.h"

#include <QFile>
#include <QLoggingCategory>
#include <QPointingDevice>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

// The setup window as `ostrel --simulate` shows it over the live picture:
// the main menu's "Settings" tile opens it, touches on the list
// switch the pages (each written as a PNG when OSTREL_SCREENS_DIR is set),
// the back button and Escape return to the live picture, and encoder-sim
// logs "resume start" and "resume stop".
class TestSimSetup : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void pagesByTouch();
    void escapeCloses();

private:
    void openFromMenu();
    void touch(QWidget *target);
    QByteArray encoderLog() const;
    void saveScreen(const QString &name);

    LiveScreen m_sim;
    QPointingDevice *m_finger = nullptr;
};

void TestSimSetup::initTestCase()
{
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
    // The camera's English font: 16 points at the panel's 72 dpi.
    FontFamilies::install();
    QApplication::setFont(QFont(QStringLiteral("wenquanyi"), 16));
    m_sim.start();
    QVERIFY(!QTest::currentTestFailed());
    // The menu builds it on the first turn of the event loop, not shown.
    QTRY_VERIFY(EGlobal::getSetupWindow());
    QVERIFY(!EGlobal::getSetupWindow()->isVisible());
    m_finger = QTest::createTouchDevice();
}

void TestSimSetup::cleanupTestCase()
{
    m_sim.stop();
}

QByteArray TestSimSetup::encoderLog() const
{
    QFile log(Paths::resolve(QStringLiteral("/tmp/encoder-sim.log")));
    return log.open(QIODevice::ReadOnly) ? log.readAll() : QByteArray();
}

void TestSimSetup::openFromMenu()
{
    const int starts = encoderLog().count("resume start");
    MenuRoute::openTile("Config");
    ESetupWindow *window = EGlobal::getSetupWindow();
    QVERIFY(window && window->isVisible());
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QCOMPARE(window->geometry(), QRect(0, 16, 320, 225));
    QVERIFY(!m_sim.live->view()->isVisibled());
    QTRY_COMPARE(encoderLog().count("resume start"), starts + 1);
}

// One finger down and up in the middle of the target, through the window
// it lives in, as the panel's touches come.
void TestSimSetup::touch(QWidget *target)
{
    ScreenTouch::finger(m_finger, target);
}

void TestSimSetup::saveScreen(const QString &name)
{
    ScreenTouch::save(m_sim.screen.get(), name);
}

void TestSimSetup::pagesByTouch()
{
    openFromMenu();
    ESetupWindow *window = EGlobal::getSetupWindow();
    const struct {
        const char *caption;
        int page;
        const char *file;
    } entries[] = {
        {"Control", 1, "setup_1_control.png"},
        {"Photos", 2, "setup_2_photos.png"},
        {"Date & Time", 3, "setup_3_datetime.png"},
        {"Info", 4, "setup_4_info.png"},
        {"General", 0, "setup_0_general.png"},
    };
    for (const auto &entry : entries) {
        auto *item = window->listItems()->findChild<ESetupItem *>(QLatin1String(entry.caption));
        QVERIFY(item);
        touch(item);
        QCOMPARE(window->currentIndex(), entry.page);
        QVERIFY(item->highlight());
        saveScreen(QLatin1String(entry.file));
    }
    const int stops = encoderLog().count("resume stop");
    touch(window->listItems()->backButton());
    QVERIFY(!window->isVisible());
    QVERIFY(m_sim.live->view()->isVisibled());
    QTRY_COMPARE(encoderLog().count("resume stop"), stops + 1);
    saveScreen(QStringLiteral("setup_closed.png"));
}

void TestSimSetup::escapeCloses()
{
    openFromMenu();
    ESetupWindow *window = EGlobal::getSetupWindow();
    // Reopened on the page last chosen, its entry highlighted again.
    QCOMPARE(window->currentIndex(), 0);
    QVERIFY(window->listItems()->currentItem()->highlight());
    const int stops = encoderLog().count("resume stop");
    QTest::keyClick(window->windowHandle(), Qt::Key_Escape);
    QVERIFY(!window->isVisible());
    QVERIFY(m_sim.live->view()->isVisibled());
    QTRY_COMPARE(encoderLog().count("resume stop"), stops + 1);
}

QTEST_MAIN(TestSimSetup)
#include "tst_simsetup.moc"
