#include "clcd_power.h"
#include "ebattery.h"
#include "egraphicsview.h"
#include "ekeyboardfilter.h"
#include "eglobal.h"
#include "etoolwidget.h"
#include "eupdateepcsinterface.h"
#include "intervals.h"
#include "poweroff.h"
#include "recordingcommandrunner.h"
#include "simboard.h"
#include "simpowerdevice.h"
#include "simpowerwiring.h"
#include "simscreen.h"
#include "testroot.h"
#include "zpshutdown.h"

#include <QLabel>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QtTest>

#include <memory>

// The power screens as `ostrel --simulate` shows them, driven with real
// events; with OSTREL_SCREENS_DIR set each state is written as a PNG.
class TestSimPower : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void backlightDimsThePicture();
    void gaugeFaces();
    void slideGoesDarkAndReboots();
    void flashDialogProgramsTheCard();

private:
    void save(const QString &name);
    static int brightness(const QImage &image);

    std::unique_ptr<TestRoot> m_root;
    std::unique_ptr<SimScreen> m_screen;
    void holdKey(Qt::Key key, void (EKeyboardFilter::*tick)(), int ticks);

    SimPowerWiring *m_power = nullptr;
    EToolWidget *m_bar = nullptr;
    std::unique_ptr<EKeyboardFilter> m_keys;
};

void TestSimPower::initTestCase()
{
    Intervals::setScale(0.001);
}

void TestSimPower::init()
{
    m_root = std::make_unique<TestRoot>();
    PowerOff::instance()->reset();
    m_screen = std::make_unique<SimScreen>();
    auto *overlay = new QLabel(QStringLiteral("ostrel"));
    overlay->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    overlay->setStyleSheet(QStringLiteral("color: white; background: transparent; padding: 4px;"));
    m_screen->setOverlay(overlay);
    m_power = SimPowerWiring::install(m_screen.get());
    m_power->setQuitAfterPowerOff(false);
    // The status bar holds the gauge, as on the live view.
    m_bar = new EToolWidget(overlay);
    m_bar->setGeometry(0, 0, 320, 16);
    EGlobal::setToolBar(m_bar);
    m_screen->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_screen.get()));
    m_keys = std::make_unique<EKeyboardFilter>();
    qApp->installEventFilter(m_keys.get());
}

void TestSimPower::cleanup()
{
    m_keys.reset();
    m_screen.reset();
    PowerOff::instance()->reset();
    m_root.reset();
}

void TestSimPower::save(const QString &name)
{
    const QString dir = qEnvironmentVariable("OSTREL_SCREENS_DIR");
    if (!dir.isEmpty())
        QVERIFY(m_screen->composed().save(dir + QStringLiteral("/power_") + name + QStringLiteral(".png")));
}

// A camera key pressed on the screen's window and held for the given
// number of its timer's ticks, each driven through the tick slot (a real
// tick would come a second later), then released.
void TestSimPower::holdKey(Qt::Key key, void (EKeyboardFilter::*tick)(), int ticks)
{
    const double scale = Intervals::scale();
    Intervals::setScale(1.0);
    QTest::keyPress(m_screen->windowHandle(), key);
    for (int i = 0; i < ticks; ++i)
        (m_keys.get()->*tick)();
    QTest::keyRelease(m_screen->windowHandle(), key);
    Intervals::setScale(scale);
}

int TestSimPower::brightness(const QImage &image)
{
    qint64 sum = 0;
    for (int y = 0; y < image.height(); y += 4)
        for (int x = 0; x < image.width(); x += 4)
            sum += qGray(image.pixel(x, y));
    return int(sum / ((image.height() / 4) * (image.width() / 4)));
}

void TestSimPower::backlightDimsThePicture()
{
    QVERIFY(m_power->gauge()->isVisible());
    QCOMPARE(m_power->gauge()->parentWidget(), static_cast<QWidget *>(m_bar));
    QVERIFY(m_power->gauge()->geometry().left() > 200);
    const int full = brightness(m_screen->grab().toImage());
    m_power->lcd()->lcd_pwm(4096);
    const int dimmed = brightness(m_screen->grab().toImage());
    QVERIFY2(dimmed < full * 3 / 4 && dimmed > 0, qPrintable(QStringLiteral("%1 -> %2").arg(full).arg(dimmed)));
    m_power->lcd()->close_Lcd();
    QCOMPARE(brightness(m_screen->grab().toImage()), 0);
    m_power->lcd()->start_Lcd();
    m_power->lcd()->lcd_pwm(0);
    QCOMPARE(brightness(m_screen->grab().toImage()), full);
}

void TestSimPower::gaugeFaces()
{
    // The six faces side by side, eight times enlarged, on the status bar's
    // kind of background.
    QImage sheet(6 * 36 * 8, 22 * 8, QImage::Format_RGB32);
    sheet.fill(QColor(60, 30, 90));
    QPainter painter(&sheet);
    for (int p = EBattery::NoBar; p <= EBattery::Empty; ++p) {
        const QPixmap face(QStringLiteral(":/images/%1.png").arg(EBattery::pictureName(EBattery::Picture(p))));
        QCOMPARE(face.size(), QSize(28, 14));
        painter.drawPixmap(QRect((p * 36 + 4) * 8, 4 * 8, 28 * 8, 14 * 8), face);
    }
    painter.end();
    const QString dir = qEnvironmentVariable("OSTREL_SCREENS_DIR");
    if (!dir.isEmpty())
        QVERIFY(sheet.save(dir + QStringLiteral("/power_battery_faces.png")));
}

void TestSimPower::slideGoesDarkAndReboots()
{
    // P held 2 s: the slide screen, full screen.
    holdKey(Qt::Key_P, &EKeyboardFilter::timeShutdownHandler, 2);
    ZPshutdown *slide = m_keys->shutdownScreen();
    QVERIFY(slide && slide->isVisible());
    QCOMPARE(slide->geometry(), QRect(0, 0, 320, 240));
    QVERIFY(!m_keys->holdPending());

    QTest::mousePress(slide, Qt::LeftButton, {}, QPoint(40, 190));
    QTest::mouseMove(slide, QPoint(100, 190));
    QCOMPARE(slide->knob()->x(), 100);
    save(QStringLiteral("slide"));
    QTest::mouseMove(slide, QPoint(185, 190));
    QTest::mouseRelease(slide, Qt::LeftButton, {}, QPoint(185, 190));
    QVERIFY(slide->isArmed());

    QTRY_VERIFY(PowerOff::instance()->isFinished());
    QVERIFY(m_power->device()->powerCut());
    QVERIFY(!m_screen->panelOn());
    QCOMPARE(brightness(m_screen->grab().toImage()), 0);
    QVERIFY(m_root->runner()->lines().contains(QStringLiteral("reboot")));
    save(QStringLiteral("dark"));
}

void TestSimPower::flashDialogProgramsTheCard()
{
    auto board = std::make_shared<SimBoard>();
    board->setFlashBusyPolls(1, 0);
    board->setFlashId(0x13);
    SimBoard::install(board);

    // E held 5 s on the live view: the flash update, full screen.
    EGraphicsView view;
    holdKey(Qt::Key_E, &EKeyboardFilter::updateEPCSSlots, 5);
    EUpdateEPCSInterface *dialog = view.flashDialog();
    QVERIFY(dialog && dialog->isVisible());
    QCOMPARE(dialog->geometry(), QRect(0, 0, 320, 240));
    dialog->setSleeper(nullptr);
    save(QStringLiteral("flash_idle"));

    QSignalSpy finished(dialog, &EUpdateEPCSInterface::programmingFinished);
    QTest::mouseClick(dialog->startButton(), Qt::LeftButton);
    QTRY_COMPARE(finished.count(), 1);
    QVERIFY(dialog->messageText().endsWith(QStringLiteral("canot recognize silicon ID for device")));
    QCOMPARE(board->flashErases(), 0);
    save(QStringLiteral("flash_refused"));

    board->setFlashId(0x14);
    QTest::mouseClick(dialog->startButton(), Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 2, 30000);
    QVERIFY(dialog->messageText().endsWith(QStringLiteral("press exit for reboot")));
    QCOMPARE(dialog->progressBar()->value(), 100);
    QCOMPARE(board->flashPagesProgrammed(), 2048);
    save(QStringLiteral("flash_done"));
    SimBoard::install(nullptr);
}

QTEST_MAIN(TestSimPower)
#include "tst_simpower.moc"
