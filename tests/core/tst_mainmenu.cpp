#include "cvmainwindow.h"
#include "eglobal.h"
#include "egraphicsview.h"
#include "eimagetab.h"
#include "einterfaceitem.h"
#include "emaininterface.h"
#include "esetupwindow.h"
#include "etoolwidget.h"
#include "fiforeader.h"
#include "messagechannel.h"
#include "qticonbutton.h"
#include "smaplayer.h"
#include "testroot.h"
#include "thumbmenu.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

// The main menu: its six tiles and what each opens, the commands it sends
// to the encoder service (read back by a peer on the pipe), the messages of
// the browsers on "emaininterface" and the touch wake-up on "mousewakeup".
class TestMainMenu : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void tiles();
    void firstTurnBuildsAheadOfUse();
    void tileActions_data();
    void tileActions();
    void secondPhotoTouchOnlySavesStatus();
    void browsersReportTheirExit();
    void messagesBeforeTheirObjectsOrRepeated();
    void playPressMarksTheCapturePanel();
    void touchWakeUp();
    void commandWithoutReaderIsAFailure();
    void escapeCloses();

private:
    void click(const char *tile);
    // Every command the peer read so far, in order.
    QStringList commands();

    std::unique_ptr<TestRoot> m_root;
    std::unique_ptr<FifoReader> m_service;
    QStringList m_received;
    std::unique_ptr<EGraphicsView> m_view;
    std::unique_ptr<EMainInterface> m_menu;
};

void TestMainMenu::init()
{
    m_root = std::make_unique<TestRoot>();
    m_received.clear();
    m_service = std::make_unique<FifoReader>(QStringLiteral("/tmp/service_ir"));
    QVERIFY(m_service->open());
    connect(m_service.get(), &FifoReader::received, this, [this](const QByteArray &data) { m_received << QString::fromLatin1(data); });
    m_view = std::make_unique<EGraphicsView>();
    m_menu = std::make_unique<EMainInterface>(nullptr, nullptr, Qt::FramelessWindowHint);
    m_menu->setVisibled(true);
}

void TestMainMenu::cleanup()
{
    m_menu.reset();
    m_view.reset();
    m_service.reset();
    m_root.reset();
}

void TestMainMenu::click(const char *tile)
{
    EInterfaceItem *item = m_menu->tile(QLatin1String(tile));
    QVERIFY(item);
    QTest::mouseClick(item, Qt::LeftButton);
}

QStringList TestMainMenu::commands()
{
    QCoreApplication::processEvents();
    return m_received;
}

void TestMainMenu::tiles()
{
    QCOMPARE(m_menu->objectName(), QStringLiteral("EMainInterface"));
    QCOMPARE(EGlobal::getMainInterface(), m_menu.get());
    const struct {
        const char *name;
        const char *caption;
        QPoint cell;
    } table[] = {
        {"Analysis", "Measure", {0, 0}}, {"Image", "Image", {1, 0}}, {"Camera", "Camera", {2, 0}},
        {"Photo", "Photo", {0, 1}},      {"Play", "Play", {1, 1}},   {"Config", "Settings", {2, 1}},
    };
    for (const auto &row : table) {
        EInterfaceItem *item = m_menu->tile(QLatin1String(row.name));
        QVERIFY2(item, row.name);
        QCOMPARE(item->text(), QLatin1String(row.caption));
        QCOMPARE(item->size(), QSize(70, 60));
        QCOMPARE(item->focusPolicy(), Qt::NoFocus);
        QVERIFY2(item->icon()->isLoaded(), row.name);
        QCOMPARE(item->icon()->image().size(), QSize(32, 32));
        // Two rows of three, 15 apart.
        QCOMPARE(item->pos(), QPoint(row.cell.x() * 85, row.cell.y() * 75));
        QCOMPARE(item->imageButtonState(), int(EInterfaceItem::Normal));
    }
    QCOMPARE(m_menu->findChildren<EInterfaceItem *>().size(), 6);
    // The tile shows the press and reports the release with its name.
    EInterfaceItem *image = m_menu->tile(QStringLiteral("Image"));
    QSignalSpy pressed(image, &EInterfaceItem::press);
    QSignalSpy clicked(image, qOverload<const QString &>(&EInterfaceItem::clicked));
    QTest::mousePress(image, Qt::LeftButton);
    QCOMPARE(image->imageButtonState(), int(EInterfaceItem::Pressed));
    QCOMPARE(pressed.count(), 1);
    QCOMPARE(pressed.first().first().toString(), QStringLiteral("Image"));
    QTest::mouseRelease(image, Qt::LeftButton);
    QCOMPARE(image->imageButtonState(), int(EInterfaceItem::Normal));
    QCOMPARE(clicked.count(), 1);
}

void TestMainMenu::firstTurnBuildsAheadOfUse()
{
    QVERIFY(EGlobal::get_cvmainwindow());
    QVERIFY(!EGlobal::getSetupWindow());
    QVERIFY(!EGlobal::getImageTab());
    QTRY_VERIFY(EGlobal::getSetupWindow() && EGlobal::getImageTab());
    QVERIFY(!EGlobal::getSetupWindow()->isVisible());
    QVERIFY(!EGlobal::getImageTab()->isVisible());
    // Built once: the later turns change nothing.
    ESetupWindow *setup = EGlobal::getSetupWindow();
    QVERIFY(!QTest::qWaitFor([&] { return EGlobal::getSetupWindow() != setup; }, 50));
    // They go with the menu.
    m_menu.reset();
    QVERIFY(!EGlobal::getSetupWindow() && !EGlobal::getImageTab() && !EGlobal::get_cvmainwindow());
    QVERIFY(!EGlobal::getMainInterface());
}

void TestMainMenu::tileActions_data()
{
    QTest::addColumn<QString>("tile");
    QTest::addColumn<bool>("liveShown");
    QTest::addColumn<QStringList>("sent");
    QTest::addColumn<bool>("menuStays");

    const QStringList none;
    QTest::newRow("Measure") << "Analysis" << true << none << false;
    QTest::newRow("Image") << "Image" << true << none << false;
    QTest::newRow("Camera") << "Camera" << true << none << false;
    QTest::newRow("Photo") << "Photo" << true << QStringList{"resume start"} << false;
    QTest::newRow("Play") << "Play" << true << QStringList{"capture stop"} << false;
    QTest::newRow("Settings") << "Config" << true << QStringList{"resume start"} << false;
    // Over a covered live view only the two popups open.
    QTest::newRow("Image, live view covered") << "Image" << false << none << false;
    QTest::newRow("Camera, live view covered") << "Camera" << false << none << true;
    QTest::newRow("Photo, live view covered") << "Photo" << false << none << true;
    QTest::newRow("Play, live view covered") << "Play" << false << none << true;
    QTest::newRow("Settings, live view covered") << "Config" << false << none << true;
}

void TestMainMenu::tileActions()
{
    QFETCH(QString, tile);
    QFETCH(bool, liveShown);
    QFETCH(QStringList, sent);
    QFETCH(bool, menuStays);

    QTRY_VERIFY(EGlobal::getSetupWindow() && EGlobal::getImageTab());
    m_view->setVisibled(liveShown);
    click(tile.toLatin1().constData());
    QTRY_COMPARE(commands(), sent);
    QCOMPARE(m_menu->isVisibled(), menuStays);
    QCOMPARE(m_menu->isVisible(), menuStays);
    if (menuStays) {
        QVERIFY(!EGlobal::get_cvmainwindow()->isVisible());
        QVERIFY(!m_menu->photoBrowser() && !m_menu->videoBrowser());
        QVERIFY(!EGlobal::getSetupWindow()->isVisible());
        return;
    }
    if (tile == QLatin1String("Image")) {
        EImageTab *popup = EGlobal::getImageTab();
        QVERIFY(popup->isVisible());
        QCOMPARE(popup->pos(), QPoint(0, 240 - popup->height()));
        QCOMPARE(m_view->isVisibled(), liveShown);
    } else if (tile == QLatin1String("Camera")) {
        CvmainWindow *panel = EGlobal::get_cvmainwindow();
        QVERIFY(panel->isVisible());
        QCOMPARE(panel->pos(), QPoint(0, 200));
        QCOMPARE(panel->getAutoImage(), 1);
        QCOMPARE(panel->get_currentwidget(), 0);
        QCOMPARE(panel->get_activationstat(), int(CvmainWindow::Shown));
        QVERIFY(!m_view->isVisibled());
    } else if (tile == QLatin1String("Photo")) {
        QVERIFY(m_menu->photoBrowser() && m_menu->photoBrowser()->isVisible());
        QVERIFY(!m_view->isVisibled());
        QVERIFY(!m_view->readingsTimer()->isActive());
    } else if (tile == QLatin1String("Play")) {
        QVERIFY(m_menu->videoBrowser() && m_menu->videoBrowser()->isVisible());
        QCOMPARE(m_menu->videoBrowser()->listBuilds(), 1);
        QVERIFY(!m_view->isVisibled());
        QVERIFY(!m_view->toolBar()->clockTimer()->isActive());
    } else if (tile == QLatin1String("Config")) {
        ESetupWindow *setup = EGlobal::getSetupWindow();
        QVERIFY(setup->isVisible());
        QCOMPARE(setup->geometry(), QRect(0, 16, 320, 225));
        QVERIFY(!m_view->isVisibled());
    }
}

void TestMainMenu::secondPhotoTouchOnlySavesStatus()
{
    click("Photo");
    QTRY_COMPARE(commands(), QStringList{"resume start"});
    ThumbMenu *browser = m_menu->photoBrowser();
    QVERIFY(browser);
    // Back on the live view with the browser still open (its exit not yet
    // reported): a second touch makes no second browser and sends nothing.
    m_view->setVisibled(true);
    m_view->restoreStatus();
    m_menu->setVisibled(true);
    click("Photo");
    QVERIFY(!QTest::qWaitFor([&] { return commands() != QStringList{"resume start"}; }, 50));
    QCOMPARE(m_menu->photoBrowser(), browser);
    QVERIFY(!m_view->readingsTimer()->isActive());
}

void TestMainMenu::browsersReportTheirExit()
{
    click("Photo");
    QTest::mouseClick(m_menu->photoBrowser()->exitButton(), Qt::LeftButton);
    QTRY_VERIFY(!m_menu->photoBrowser());
    QVERIFY(m_view->isVisibled());
    QVERIFY(m_view->readingsTimer()->isActive());

    m_menu->setVisibled(true);
    click("Play");
    Smaplayer *player = m_menu->videoBrowser();
    QVERIFY(player && player->isVisible());
    EGlobal::get_cvmainwindow()->setSCstate(1);
    QTest::mouseClick(player->exitButton(), Qt::LeftButton);
    QTRY_VERIFY(!player->isVisible());
    QCOMPARE(m_menu->videoBrowser(), player); // kept for the next visit
    QVERIFY(m_view->isVisibled());
    QVERIFY(m_view->toolBar()->clockTimer()->isActive());
    QCOMPARE(EGlobal::get_cvmainwindow()->getSCstate(), 0);
    QTRY_COMPARE(commands(), (QStringList{"resume start", "resume stop", "capture stop", "capture start"}));
}

void TestMainMenu::messagesBeforeTheirObjectsOrRepeated()
{
    m_view->setVisibled(false);
    // No browser open: the service is still told and the live view shown.
    QVERIFY(MessageChannel::send(QStringLiteral("emaininterface"), QStringLiteral("Imagephotos")));
    QVERIFY(MessageChannel::send(QStringLiteral("emaininterface"), QStringLiteral("Imagephotos")));
    QVERIFY(MessageChannel::send(QStringLiteral("emaininterface"), QStringLiteral("playexit")));
    QVERIFY(MessageChannel::send(QStringLiteral("emaininterface"), QStringLiteral("unknown")));
    QTRY_COMPARE(commands(), (QStringList{"resume stop", "resume stop", "capture start"}));
    QVERIFY(m_view->isVisibled());
    QVERIFY(!m_menu->photoBrowser() && !m_menu->videoBrowser());
}

void TestMainMenu::playPressMarksTheCapturePanel()
{
    CvmainWindow *panel = EGlobal::get_cvmainwindow();
    QTest::mousePress(m_menu->tile(QStringLiteral("Photo")), Qt::LeftButton);
    QCOMPARE(panel->getSCstate(), 0);
    QTest::mousePress(m_menu->tile(QStringLiteral("Play")), Qt::LeftButton);
    QCOMPARE(panel->getSCstate(), 1);
    // A name that is no tile does nothing.
    m_menu->mouseClicked(QStringLiteral("Nothing"));
    QVERIFY(m_menu->isVisibled());
}

void TestMainMenu::touchWakeUp()
{
    m_view->setLcdPowerstate(true);
    m_view->setTouchLcdstate(true);
    QVERIFY(MessageChannel::send(QStringLiteral("mousewakeup"), QStringLiteral("any")));
    QTRY_VERIFY(!m_view->getLcdPowerstate());
    QVERIFY(!m_view->getTouchLcdstate());
    // With the LCD on it changes nothing.
    m_view->setTouchLcdstate(true);
    QVERIFY(MessageChannel::send(QStringLiteral("mousewakeup"), QString()));
    QVERIFY(!QTest::qWaitFor([&] { return !m_view->getTouchLcdstate(); }, 50));
}

void TestMainMenu::commandWithoutReaderIsAFailure()
{
    m_service.reset();
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("\"resume start\" to /tmp/service_ir dropped")));
    QCOMPARE(EMainInterface::isWriteSelect("resume start"), -1);
    // The menu goes on.
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("\"resume start\" to /tmp/service_ir dropped")));
    click("Photo");
    QVERIFY(m_menu->photoBrowser());
}

void TestMainMenu::escapeCloses()
{
    m_menu->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_menu.get()));
    QTest::keyClick(m_menu.get(), Qt::Key_A);
    QVERIFY(m_menu->isVisibled());
    QTest::keyClick(m_menu.get(), Qt::Key_Escape);
    QVERIFY(!m_menu->isVisibled());
    QVERIFY(!m_menu->isVisible());
}

QTEST_MAIN(TestMainMenu)
#include "tst_mainmenu.moc"
