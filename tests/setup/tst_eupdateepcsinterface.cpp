#include "../pshutdown/powerfixture.h"
#include "epcsprogrammer.h"
#include "eupdateepcsinterface.h"
#include "intervals.h"
#include "simboard.h"

#include <QDir>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSemaphore>
#include <QtTest>

#include <memory>

namespace {
const QString Image = QStringLiteral("/media/mmc/etc/update.pof");
constexpr int ImageBytes = int(EpcsProgrammer::ImageOffset) + EpcsProgrammer::DataBytes;

// A header the programmer skips, then every page distinct.
QByteArray image()
{
    QByteArray bytes(ImageBytes, '\0');
    for (int i = 0; i < int(EpcsProgrammer::ImageOffset); ++i)
        bytes[i] = char(0xEE);
    for (int i = 0; i < EpcsProgrammer::DataBytes; ++i)
        bytes[int(EpcsProgrammer::ImageOffset) + i] = char((i * 7 + i / 256) & 0xFF);
    return bytes;
}

QByteArray reversed(const QByteArray &data)
{
    QByteArray out(data.size(), '\0');
    for (int i = 0; i < data.size(); ++i)
        out[i] = char(EpcsProgrammer::reverseBits(uint8_t(data.at(i))));
    return out;
}

// The board, with the page addresses it was given.
class AddressLog : public RegisterDevice
{
public:
    explicit AddressLog(std::shared_ptr<SimBoard> board) : m_board(std::move(board)) {}
    bool isOpen() const override { return m_board->isOpen(); }
    int readAt(uint32_t offset, void *buffer, int length) override { return m_board->readAt(offset, buffer, length); }
    int writeAt(uint32_t offset, const void *buffer, int length) override
    {
        if (offset == SimBoard::REG_FLASH_ADDRESS)
            addresses.append(QByteArray(static_cast<const char *>(buffer), length));
        return m_board->writeAt(offset, buffer, length);
    }
    QList<QByteArray> addresses;

private:
    std::shared_ptr<SimBoard> m_board;
};
} // namespace

class TestUpdateEpcs : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void bitReversal_data();
    void bitReversal();
    void imageToFlash();
    void successfulRun();
    void refusalsEraseNothing_data();
    void refusalsEraseNothing();
    void failuresAfterTheErase_data();
    void failuresAfterTheErase();
    void escapeAndPowerKeyDuringARun();
    void exitPowersOff();

private:
    void runDialog(EUpdateEPCSInterface &dialog);

    std::unique_ptr<PowerFixture> m_fixture;
    TestRoot *m_root = nullptr;
    SimPowerDevice *m_power = nullptr;
    std::shared_ptr<SimBoard> m_board;
};

void TestUpdateEpcs::initTestCase()
{
    Intervals::setScale(0.001);
}

void TestUpdateEpcs::init()
{
    m_fixture = std::make_unique<PowerFixture>();
    m_root = &m_fixture->root;
    m_power = m_fixture->device.get();
    m_board = std::make_shared<SimBoard>();
    m_board->setFlashBusyPolls(2, 1);
    SimBoard::install(m_board);
}

void TestUpdateEpcs::cleanup()
{
    SimBoard::install(nullptr);
    m_board.reset();
    m_fixture.reset();
}

void TestUpdateEpcs::bitReversal_data()
{
    QTest::addColumn<int>("in");
    QTest::addColumn<int>("out");
    QTest::newRow("0x01") << 0x01 << 0x80;
    QTest::newRow("0xF0") << 0xF0 << 0x0F;
    QTest::newRow("0xA5") << 0xA5 << 0xA5;
    QTest::newRow("0x12") << 0x12 << 0x48;
    QTest::newRow("0x00") << 0x00 << 0x00;
}

void TestUpdateEpcs::bitReversal()
{
    QFETCH(int, in);
    QFETCH(int, out);
    QCOMPARE(int(EpcsProgrammer::reverseBits(uint8_t(in))), out);
}

void TestUpdateEpcs::imageToFlash()
{
    const QByteArray bytes = image();
    QVERIFY(m_root->writeFile(Image, bytes));
    auto log = std::make_shared<AddressLog>(m_board);
    EpcsProgrammer programmer(log);
    programmer.setSleeper(nullptr);
    QList<int> progress;
    connect(&programmer, &EpcsProgrammer::progress, this, [&](int v) { progress << v; });
    QCOMPARE(programmer.run(Image), EpcsProgrammer::Done);

    QCOMPARE(m_board->flash(), reversed(bytes.mid(int(EpcsProgrammer::ImageOffset))));
    QCOMPARE(m_board->flashErases(), 1);
    QCOMPARE(m_board->flashPagesProgrammed(), EpcsProgrammer::Pages);
    QCOMPARE(log->addresses.size(), EpcsProgrammer::Pages);
    QCOMPARE(log->addresses.at(0x1A3), QByteArray::fromHex("00a301"));
    QCOMPARE(progress.size(), 99);
    QCOMPARE(progress.mid(96), (QList<int>{97, 98, 100}));
}

void TestUpdateEpcs::runDialog(EUpdateEPCSInterface &dialog)
{
    QSignalSpy finished(&dialog, &EUpdateEPCSInterface::programmingFinished);
    QTest::mouseClick(dialog.startButton(), Qt::LeftButton);
    if (dialog.isRunning()) {
        QVERIFY(!dialog.startButton()->isEnabled());
        QVERIFY(!dialog.exitButton()->isEnabled());
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 30000);
    }
}

void TestUpdateEpcs::successfulRun()
{
    QVERIFY(m_root->writeFile(Image, image()));
    EUpdateEPCSInterface dialog;
    dialog.setSleeper(nullptr);
    dialog.setGeometry(0, 0, 320, 240);
    dialog.show();
    QSignalSpy values(dialog.progressBar(), &QProgressBar::valueChanged);
    runDialog(dialog);
    QCOMPARE(dialog.messageText(),
             QStringLiteral("find update.pof\nDevice silicon ID is 0x14\nErasing ASP Configuration device\n"
                            "Programming device\nSuccessfully Performed operation\nEnd Programmer operation\n"
                            "press exit for reboot"));
    QVERIFY(dialog.messageLabel()->styleSheet().contains(QStringLiteral("color: green;")));
    QCOMPARE(values.at(values.size() - 2).first().toInt(), 98);
    QCOMPARE(values.last().first().toInt(), 100);
    QVERIFY(dialog.startButton()->isEnabled());
    QVERIFY(dialog.exitButton()->isEnabled());
    QVERIFY(!PowerOff::instance()->flashRunning());
}

void TestUpdateEpcs::refusalsEraseNothing_data()
{
    QTest::addColumn<QByteArray>("file");   // "dir" makes an unreadable folder, "fifo" a pipe; empty name: no file
    QTest::addColumn<bool>("present");
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("message");

    const QByteArray good = image();
    QByteArray zeros(ImageBytes, '\0');
    QByteArray ones = good.left(int(EpcsProgrammer::ImageOffset)) + QByteArray(EpcsProgrammer::DataBytes, char(0xFF));
    QTest::newRow("no image") << QByteArray() << false << 0x14
                              << "donot find update.pof,\nplease put update.pof\nin SD-Card's /etc directory";
    QTest::newRow("unreadable") << QByteArray("dir") << true << 0x14 << "find update.pof\nupdate.pof cannot be read";
    QTest::newRow("a pipe nobody writes") << QByteArray("fifo") << true << 0x14 << "find update.pof\nupdate.pof cannot be read";
    QTest::newRow("empty") << QByteArray() << true << 0x14 << "find update.pof\nupdate.pof is empty";
    QTest::newRow("1000 bytes") << good.left(1000) << true << 0x14
                                << "find update.pof\nupdate.pof is too short for the flash";
    QTest::newRow("one byte short") << good.left(ImageBytes - 1) << true << 0x14
                                    << "find update.pof\nupdate.pof is too short for the flash";
    QTest::newRow("all 0x00") << zeros << true << 0x14 << "find update.pof\nupdate.pof holds no configuration data";
    QTest::newRow("all 0xFF") << ones << true << 0x14 << "find update.pof\nupdate.pof holds no configuration data";
    QTest::newRow("ID 0x13") << good << true << 0x13 << "find update.pof\ncanot recognize silicon ID for device";
    QTest::newRow("ID 0x15") << good << true << 0x15 << "find update.pof\ncanot recognize silicon ID for device";
}

void TestUpdateEpcs::refusalsEraseNothing()
{
    QFETCH(QByteArray, file);
    QFETCH(bool, present);
    QFETCH(int, id);
    QFETCH(QString, message);

    if (file == "dir")
        QVERIFY(QDir().mkpath(m_root->hostPath(Image)));
    else if (file == "fifo")
        QVERIFY(m_root->makeFifo(Image));
    else if (present)
        QVERIFY(m_root->writeFile(Image, file));
    const QByteArray design = reversed(image().mid(int(EpcsProgrammer::ImageOffset)));
    m_board->setFlash(design);
    m_board->setFlashId(uint8_t(id));

    EUpdateEPCSInterface dialog;
    dialog.setSleeper(nullptr);
    dialog.show();
    runDialog(dialog);
    QCOMPARE(dialog.messageText(), message);
    QCOMPARE(m_board->flashErases(), 0);
    QCOMPARE(m_board->flash(), design);
    QVERIFY(dialog.messageLabel()->styleSheet().contains(QStringLiteral("color: red;")));
    QVERIFY(dialog.startButton()->isEnabled());
    QVERIFY(dialog.exitButton()->isEnabled());
}

void TestUpdateEpcs::failuresAfterTheErase_data()
{
    QTest::addColumn<int>("fault");
    QTest::addColumn<QString>("reason");
    QTest::newRow("busy bit stuck") << 0 << "the erase did not finish";
    QTest::newRow("write fails mid-way") << 1 << "the device did not take a write";
    QTest::newRow("page never finishes") << 2 << "a page did not finish";
}

void TestUpdateEpcs::failuresAfterTheErase()
{
    QFETCH(int, fault);
    QFETCH(QString, reason);
    QVERIFY(m_root->writeFile(Image, image()));
    if (fault == 0)
        m_board->setFlashBusyPolls(EpcsProgrammer::MaxErasePolls + 5, 1);
    else if (fault == 1)
        m_board->setFlashWritesFailAfter(5000);
    else
        m_board->setFlashBusyPolls(1, EpcsProgrammer::MaxPagePolls + 5);

    EUpdateEPCSInterface dialog;
    dialog.setSleeper(nullptr);
    dialog.show();
    runDialog(dialog);
    const QString text = dialog.messageText();
    QVERIFY2(text.contains(reason), qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("the flash is only partly written")));
    QVERIFY(!text.contains(QStringLiteral("Successfully Performed operation")));
    QVERIFY(!text.contains(QStringLiteral("press exit for reboot")));
    QVERIFY(dialog.messageLabel()->styleSheet().contains(QStringLiteral("color: red;")));
    QCOMPARE(m_board->flashErases(), 1);
    QVERIFY(dialog.startButton()->isEnabled());
    QVERIFY(dialog.progressBar()->value() < 100);
    // Nothing but Exit powers off a camera whose flash is partly written.
    QVERIFY(!PowerOff::instance()->request(PowerOff::IdleCountdown));
    QVERIFY(!PowerOff::instance()->request(PowerOff::PowerKey));

    // Start again once the fault is gone: the retry programs it whole.
    m_board->setFlashBusyPolls(1, 1);
    m_board->setFlashWritesFailAfter(-1);
    runDialog(dialog);
    QVERIFY(dialog.messageText().endsWith(QStringLiteral("press exit for reboot")));
    QCOMPARE(m_board->flash(), reversed(image().mid(int(EpcsProgrammer::ImageOffset))));
    QVERIFY(!PowerOff::instance()->flashRunning());
}

void TestUpdateEpcs::escapeAndPowerKeyDuringARun()
{
    QVERIFY(m_root->writeFile(Image, image()));
    QSemaphore held, release;
    EUpdateEPCSInterface dialog;
    // The worker stops at its first erase poll until the test lets it go.
    bool first = true;
    dialog.setSleeper([&](int ms) {
        if (ms == 1000 && first) {
            first = false;
            held.release();
            release.acquire();
        }
    });
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QSignalSpy finished(&dialog, &EUpdateEPCSInterface::programmingFinished);
    QTest::mouseClick(dialog.startButton(), Qt::LeftButton);
    QVERIFY(held.tryAcquire(1, 10000));

    QTest::keyClick(&dialog, Qt::Key_Escape);
    QVERIFY(dialog.isVisible());
    QVERIFY(!dialog.close());
    QVERIFY(dialog.isVisible());
    for (PowerOff::Caller caller : {PowerOff::PowerKey, PowerOff::SlideScreen, PowerOff::IdleCountdown})
        QVERIFY(!PowerOff::instance()->request(caller));
    QVERIFY(m_root->runner()->lines().isEmpty());

    release.release();
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 30000);
    QCOMPARE(finished.first().first().toInt(), int(EpcsProgrammer::Done));
    QVERIFY(!m_power->powerCut());
    // Idle again: Escape closes as any dialog.
    QTest::keyClick(&dialog, Qt::Key_Escape);
    QVERIFY(!dialog.isVisible());
}

void TestUpdateEpcs::exitPowersOff()
{
    EUpdateEPCSInterface dialog;
    dialog.show();
    QTest::mouseClick(dialog.exitButton(), Qt::LeftButton);
    QVERIFY(!dialog.isVisible());
    QTRY_VERIFY(PowerOff::instance()->isFinished());
    const int sync = m_power->indexOfSync();
    QVERIFY(sync >= 0 && sync < m_power->indexOf(PowerDevice::Gpio, SimPowerDevice::GpioKill, 0));
    QVERIFY(m_power->indexOf(PowerDevice::Gpio, SimPowerDevice::GpioSetLcd, 0) >= 0);
    QVERIFY(m_root->runner()->lines().contains(QStringLiteral("reboot")));
}

QTEST_MAIN(TestUpdateEpcs)
#include "tst_eupdateepcsinterface.moc"
