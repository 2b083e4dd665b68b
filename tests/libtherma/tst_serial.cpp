#include "fpgabottom.h"
#include "serial.h"
#include "simboard.h"
#include "simcore.h"
#include "testroot.h"

#include <QRandomGenerator>
#include <QtTest>

#include <cstring>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <memory>
#include <thread>

// The real serial link, termios and framing included, against the
// simulated core on a pseudo-terminal linked at "/dev/ttyS1" in the root.
class TestSerial : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void frameBuilder_data();
    void frameBuilder();
    void packDataChecksItsPayload();
    void portIsRaw8N1();
    void parityLetters_data();
    void parityLetters();
    void requests_data();
    void requests();
    void versionsAreBounded();
    void queuedCommands_data();
    void queuedCommands();
    void freeReplyBytesAreTheCores_data();
    void freeReplyBytesAreTheCores();
    void faultModes_data();
    void faultModes();
    void replyAfterNoise_data();
    void replyAfterNoise();
    void lateReplyIsNotTheNextAnswer();
    void lateReplyDuringTheNextRequestIsSkipped();
    void wrongEchoOfVskGivesZero();
    void silentCoreFailsQueuedCommands();
    void queueKeepsEveryCommandInOrder();
    void concurrentRequestsAndCommands();
    void shutDownPulsesTheAlarm();
    void parkingIsPairedAndIdempotent();
    void missingPort();
    void destroyWhileCommandInFlight();
    void destroyDuringShutdownPulse();

private:
    std::unique_ptr<Serial> makeSerial(FPGABottom *board = nullptr);

    std::unique_ptr<TestRoot> m_root;
    std::unique_ptr<SimCore> m_core;
    Serial::Timeouts m_fast;
};

void TestSerial::init()
{
    m_root = std::make_unique<TestRoot>();
    m_core = std::make_unique<SimCore>();
    QVERIFY(m_core->isValid());
    QVERIFY(m_core->linkAt(QStringLiteral("/dev/ttyS1")));
    // Generous for answers that come, short enough for those that never do.
    m_fast.requestMs = 2000;
    m_fast.commandReplyMs = 2000;
    m_fast.alarmPulseMs = 1;
}

void TestSerial::cleanup()
{
    m_core.reset();
    m_root.reset();
}

std::unique_ptr<Serial> TestSerial::makeSerial(FPGABottom *board)
{
    auto serial = std::make_unique<Serial>(board, QStringLiteral("/dev/ttyS1"), m_fast);
    return serial;
}

void TestSerial::frameBuilder_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<QByteArray>("frame");
    QTest::newRow("readSensor") << 0x96 << QByteArray::fromHex("0000") << QByteArray::fromHex("ffa59602000094 5a");
    QTest::newRow("insideShutter") << 0x31 << QByteArray() << QByteArray::fromHex("ffa53100315a");
    QTest::newRow("autoShutter on") << 0x30 << QByteArray::fromHex("01") << QByteArray::fromHex("ffa53001 01305a");
    QTest::newRow("changeTempRange 100, 70000")
        << 0x82 << QByteArray::fromHex("64007011") << QByteArray::fromHex("ffa5820464007011835a");
    QTest::newRow("readDeltaAD") << 0x61 << QByteArray(4, '\0') << QByteArray::fromHex("ffa561040000000065 5a");
}

void TestSerial::frameBuilder()
{
    QFETCH(int, code);
    QFETCH(QByteArray, payload);
    QFETCH(QByteArray, frame);
    QCOMPARE(Serial::frame(uchar(code), payload), frame);
    auto serial = makeSerial();
    const Data_t data{uchar(code), uchar(payload.size()), reinterpret_cast<const unsigned char *>(payload.constData())};
    QCOMPARE(serial->packData(data), frame.size());
    QCOMPARE(g_writeData_length.load(), frame.size());
}

void TestSerial::packDataChecksItsPayload()
{
    auto serial = makeSerial();
    const QByteArray big(Serial::MAX_PAYLOAD + 1, 'x');
    QCOMPARE(serial->packData({0x30, uchar(big.size()), reinterpret_cast<const unsigned char *>(big.constData())}),
             -1);
    QCOMPARE(serial->packData({0x30, 2, nullptr}), -1);
    const QByteArray fits(Serial::MAX_PAYLOAD, 'x');
    QCOMPARE(serial->packData({0x30, uchar(fits.size()), reinterpret_cast<const unsigned char *>(fits.constData())}),
             Serial::BUFFER_SIZE);
    QCOMPARE(Serial::generateSum(nullptr, 3), uchar(0));
    const unsigned char bytes[] = {0x96, 0x02, 0x00, 0x00};
    QCOMPARE(Serial::generateSum(bytes, 0), uchar(0));
    QCOMPARE(Serial::generateSum(bytes, 4), uchar(0x94));
    const unsigned char reply[] = {0x00, 0x7F, 0x00, 0x7F, 0xA5, 0x00};
    QCOMPARE(Serial::unpackData(reply, 6), 3);
    QCOMPARE(Serial::unpackData(reply, 4), -1);
}

void TestSerial::portIsRaw8N1()
{
    auto serial = makeSerial();
    QVERIFY(serial->isOpen());
    const int fd = ::open(QFile::encodeName(m_core->deviceName()).constData(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    QVERIFY(fd >= 0);
    termios options;
    QCOMPARE(::tcgetattr(fd, &options), 0);
    ::close(fd);
    QCOMPARE(::cfgetospeed(&options), speed_t(B115200));
    QCOMPARE(::cfgetispeed(&options), speed_t(B115200));
    QCOMPARE(options.c_cflag & CSIZE, tcflag_t(CS8));
    QVERIFY(!(options.c_cflag & PARENB));
    QVERIFY(!(options.c_cflag & CSTOPB));
    QVERIFY(options.c_cflag & CLOCAL);
    QVERIFY(options.c_cflag & CREAD);
    QVERIFY(!(options.c_lflag & (ICANON | ECHO | ECHOE | ISIG)));
    QVERIFY(!(options.c_iflag & (ICRNL | IXON | INPCK)));
    QVERIFY(!(options.c_oflag & OPOST));
    QCOMPARE(int(options.c_cc[VMIN]), 0);
    QCOMPARE(int(options.c_cc[VTIME]), 1);

    QCOMPARE(serial->set_speed(12345), -1);
    QCOMPARE(serial->set_speed(9600), 0);
    QCOMPARE(serial->set_Parity(9, 1, 'N'), -1);
    QCOMPARE(serial->set_Parity(8, 3, 'N'), -1);
    QCOMPARE(serial->set_Parity(8, 1, 'x'), -1);
    QCOMPARE(serial->set_Parity(8, 1, 'N'), 0);
    QCOMPARE(serial->set_speed(115200), 0);
}

void TestSerial::parityLetters_data()
{
    QTest::addColumn<int>("letter");
    QTest::addColumn<int>("stopBits");
    QTest::addColumn<int>("result");
    QTest::addColumn<bool>("parityBit");
    QTest::addColumn<bool>("odd");
    QTest::addColumn<bool>("inputCheck");
    QTest::addColumn<bool>("twoStopBits");
    QTest::newRow("N") << int('N') << 1 << 0 << false << false << false << false;
    QTest::newRow("n") << int('n') << 1 << 0 << false << false << false << false;
    QTest::newRow("O") << int('O') << 1 << 0 << true << true << true << false;
    QTest::newRow("o") << int('o') << 1 << 0 << true << true << true << false;
    QTest::newRow("E") << int('E') << 1 << 0 << true << false << true << false;
    QTest::newRow("e") << int('e') << 1 << 0 << true << false << true << false;
    QTest::newRow("S") << int('S') << 1 << 0 << false << false << true << false;
    QTest::newRow("s") << int('s') << 1 << 0 << false << false << true << false;
    QTest::newRow("N, 2 stop bits") << int('N') << 2 << 0 << false << false << false << true;
    QTest::newRow("x refused") << int('x') << 1 << -1 << false << false << false << false;
    QTest::newRow("3 stop bits refused") << int('N') << 3 << -1 << false << false << false << false;
}

// The flags each parity letter gives the line. A pseudo-terminal keeps no
// parity bit, so the options are checked as set_Parity hands them over.
void TestSerial::parityLetters()
{
    QFETCH(int, letter);
    QFETCH(int, stopBits);
    QFETCH(int, result);
    QFETCH(bool, parityBit);
    QFETCH(bool, odd);
    QFETCH(bool, inputCheck);
    QFETCH(bool, twoStopBits);
    // Start from the opposite of what is expected, so every flag is seen set.
    termios options{};
    options.c_cflag = PARENB | CSTOPB | CS7 | (odd ? 0 : PARODD);
    options.c_iflag = inputCheck ? 0 : INPCK;
    QCOMPARE(Serial::lineOptions(options, 8, stopBits, letter), result);
    if (result != 0)
        return;
    QCOMPARE(bool(options.c_cflag & PARENB), parityBit);
    if (parityBit)
        QCOMPARE(bool(options.c_cflag & PARODD), odd);
    QCOMPARE(bool(options.c_iflag & INPCK), inputCheck);
    QCOMPARE(bool(options.c_cflag & CSTOPB), twoStopBits);
    QCOMPARE(options.c_cflag & CSIZE, tcflag_t(CS8));
    QCOMPARE(options.c_iflag & (ICRNL | IXON), tcflag_t(0));
}

void TestSerial::requests_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<uint>("value");
    QTest::newRow("readSensor") << 0x96 << QByteArray::fromHex("0000") << 0x1F40u;
    QTest::newRow("readSensor, high byte") << 0x96 << QByteArray::fromHex("0000") << 0xFFFEu;
    QTest::newRow("readSerialSum") << 0x79 << QByteArray() << 0x1234u;
    QTest::newRow("readSerialVSK") << 0x77 << QByteArray() << 0xBEEFu;
    QTest::newRow("readDeltaAD") << 0x61 << QByteArray(4, '\0') << 0x89ABCDEFu;
}

void TestSerial::requests()
{
    QFETCH(int, code);
    QFETCH(QByteArray, payload);
    QFETCH(uint, value);
    m_core->setSensor(uint16_t(value));
    m_core->setSum(uint16_t(value));
    m_core->setVsk(uint16_t(value));
    m_core->setDeltaAD(value);
    auto serial = makeSerial();
    unsigned short word = 0;
    unsigned int wide = 0;
    int result = -2;
    switch (code) {
    case 0x96: result = serial->readSensor(&word); break;
    case 0x79: result = serial->readSerialSum(&word); break;
    case 0x77: result = serial->readSerialVSK(&word); break;
    case 0x61: result = serial->readDeltaAD(&wide); break;
    }
    QCOMPARE(result, 0);
    QCOMPARE(code == 0x61 ? wide : uint(word), value);
    QCOMPARE(g_readData_length.load(), Serial::replyLength(uchar(code)));
    const QVector<SimCore::Request> log = m_core->requests();
    QCOMPARE(log.size(), 1);
    QCOMPARE(int(log[0].code), code);
    QCOMPARE(log[0].payload, payload);
    QVERIFY(log[0].checksumOk);
}

void TestSerial::versionsAreBounded()
{
    m_core->setCpuVersion("CPU-0123456789ABCDEF");
    m_core->setFpgaVersion("FPGA-2.1");
    auto serial = makeSerial();
    char full[32];
    memset(full, 'x', sizeof full);
    QCOMPARE(serial->readCoreCpuVersion(full, sizeof full), 0);
    QCOMPARE(QByteArray(full), QByteArray("CPU-0123456789A"));
    char small[6];
    QCOMPARE(serial->readCoreCpuVersion(small, sizeof small), 0);
    QCOMPARE(QByteArray(small), QByteArray("CPU-0"));
    QCOMPARE(serial->readCoreFPGAVersion(full, sizeof full), 0);
    QCOMPARE(QByteArray(full), QByteArray("FPGA-2.1"));
    QCOMPARE(serial->readCoreFPGAVersion(nullptr, 10), -1);
    QCOMPARE(serial->readCoreFPGAVersion(full, 0), -1);
    QCOMPARE(m_core->codes(), (QVector<uint8_t>{0x80, 0x80, 0x81}));
}

void TestSerial::queuedCommands_data()
{
    QTest::addColumn<int>("command");
    QTest::addColumn<int>("code");
    QTest::addColumn<QByteArray>("payload");
    QTest::newRow("autoShutter on") << 0 << 0x30 << QByteArray::fromHex("01");
    QTest::newRow("autoShutter off") << 1 << 0x30 << QByteArray::fromHex("00");
    QTest::newRow("insideShutter") << 2 << 0x31 << QByteArray();
    QTest::newRow("insideShutterNoVSK") << 3 << 0x51 << QByteArray();
    QTest::newRow("outsideShutter") << 4 << 0x52 << QByteArray();
    QTest::newRow("setIntTime 190") << 5 << 0x70 << QByteArray::fromHex("be00");
    QTest::newRow("setVSK 0x1234") << 6 << 0x78 << QByteArray::fromHex("3412");
    QTest::newRow("changeTempRange 100, 70000") << 7 << 0x82 << QByteArray::fromHex("64007011");
    QTest::newRow("shutDown") << 8 << 0x84 << QByteArray();
}

void TestSerial::queuedCommands()
{
    QFETCH(int, command);
    QFETCH(int, code);
    QFETCH(QByteArray, payload);
    auto serial = makeSerial();
    bool queued = false;
    switch (command) {
    case 0: queued = serial->autoShutter(true); break;
    case 1: queued = serial->autoShutter(false); break;
    case 2: queued = serial->insideShutter(); break;
    case 3: queued = serial->insideShutterNoVSK(); break;
    case 4: queued = serial->outsideShutter(); break;
    case 5: queued = serial->setIntTime(1, 190); break;
    case 6: queued = serial->setVSK(0x1234); break;
    case 7: queued = serial->changeTempRange(100, 70000); break;
    case 8: queued = serial->shutDown(); break;
    }
    QVERIFY(queued);
    QVERIFY(serial->waitForIdle(5000));
    QCOMPARE(serial->commandsSent(), 1);
    QCOMPARE(serial->commandsFailed(), 0);
    const QVector<SimCore::Request> log = m_core->requests();
    QCOMPARE(log.size(), 1);
    QCOMPARE(int(log[0].code), code);
    QCOMPARE(log[0].payload, payload);
    QCOMPARE(m_core->repliesSent(), 1);
}

void TestSerial::freeReplyBytesAreTheCores_data()
{
    // Byte 2, byte 4 and the two closing bytes; a length byte of -1 stands
    // for the reply's whole length, whatever the command.
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("sum");
    QTest::addColumn<int>("end");
    QTest::newRow("zeros") << 0 << 0 << 0 << 0;
    QTest::newRow("whole reply length") << -1 << -1 << -1 << -1;
    QTest::newRow("0xFF") << 0xFF << 0xFF << 0xFF << 0xFF;
    QTest::newRow("header lookalikes") << 0x7F << 0xA5 << 0x7F << 0xA5;
    QRandomGenerator random(20261209);
    for (int i = 0; i < 4; ++i) {
        const int b[4] = {random.bounded(256), random.bounded(256), random.bounded(256), random.bounded(256)};
        QTest::addRow("random %02x %02x %02x %02x", b[0], b[1], b[2], b[3]) << b[0] << b[1] << b[2] << b[3];
    }
}

void TestSerial::freeReplyBytesAreTheCores()
{
    QFETCH(int, length);
    QFETCH(int, status);
    QFETCH(int, sum);
    QFETCH(int, end);
    m_core->setSensor(0x1F40);
    m_core->setDeltaAD(0x89ABCDEF);
    m_core->setVsk(0xBEEF);
    m_core->setCpuVersion("CPU-FREE-BYTES1");
    auto serial = makeSerial();
    auto shape = [&](unsigned char code) {
        auto pick = [&](int v) { return uint8_t(v < 0 ? Serial::replyLength(code) : v); };
        m_core->setFreeBytes({pick(length), pick(status), pick(sum), pick(end)});
    };
    unsigned short word = 0;
    shape(Serial::ReadSensor);
    QCOMPARE(serial->readSensor(&word), 0);
    QCOMPARE(word, uint16_t(0x1F40));
    unsigned int wide = 0;
    shape(Serial::ReadDeltaAD);
    QCOMPARE(serial->readDeltaAD(&wide), 0);
    QCOMPARE(wide, 0x89ABCDEFu);
    shape(Serial::ReadVSK);
    QCOMPARE(serial->readSerialVSK(&word), 0);
    QCOMPARE(word, uint16_t(0xBEEF));
    char version[16] = {};
    shape(Serial::ReadCpuVersion);
    QCOMPARE(serial->readCoreCpuVersion(version, sizeof version), 0);
    QCOMPARE(QByteArray(version), QByteArray("CPU-FREE-BYTES1"));
    shape(Serial::InsideShutter);
    QVERIFY(serial->insideShutter());
    QVERIFY(serial->waitForIdle(5000));
    QCOMPARE(serial->commandsSent(), 1);
    QCOMPARE(serial->commandsFailed(), 0);
}

void TestSerial::faultModes_data()
{
    QTest::addColumn<int>("fault");
    QTest::addColumn<bool>("answered");
    QTest::newRow("silence") << int(SimCore::Silent) << false;
    QTest::newRow("wrong echo") << int(SimCore::WrongEcho) << false;
    // The closing bytes are the core's own: a checksum of some other
    // convention is no fault the link can see.
    QTest::newRow("checksum of another convention") << int(SimCore::BadChecksum) << true;
    QTest::newRow("short reply") << int(SimCore::ShortReply) << false;
    QTest::newRow("late reply") << int(SimCore::LateReply) << false;
    QTest::newRow("garbage before the reply") << int(SimCore::GarbageFirst) << true;
}

void TestSerial::faultModes()
{
    QFETCH(int, fault);
    QFETCH(bool, answered);
    m_core->setSensor(4321);
    m_core->setReplyDelay(100);
    m_core->setFault(SimCore::Fault(fault), 1);
    auto serial = makeSerial();
    if (!answered)
        serial->setTimeouts({40, 40, 1});
    unsigned short value = 7;
    QCOMPARE(serial->readSensor(&value), answered ? 0 : -1);
    // A failure is an error, never zeros or leftovers taken as the value.
    QCOMPARE(value, answered ? uint16_t(4321) : uint16_t(7));
    // The link recovers with the next request. (A late answer must have
    // landed first: one arriving during a request of the same command
    // cannot be told from the fresh answer.)
    if (fault == SimCore::LateReply)
        QTRY_COMPARE(m_core->repliesSent(), 1);
    serial->setTimeouts(m_fast);
    m_core->setSensor(1111);
    QCOMPARE(serial->readSensor(&value), 0);
    QCOMPARE(value, uint16_t(1111));
}

void TestSerial::replyAfterNoise_data()
{
    QTest::addColumn<QByteArray>("noise");
    QTest::newRow("header and a length") << QByteArray::fromHex("7fa500");
    QTest::newRow("header, length and a wrong echo") << QByteArray::fromHex("7fa50299");
    QTest::newRow("header and a large length") << QByteArray::fromHex("7fa5ff");
    QTest::newRow("lone first header byte") << QByteArray::fromHex("7f");
    QTest::newRow("header ending in a first header byte") << QByteArray::fromHex("7fa5097f");
    QTest::newRow("two reply starts") << QByteArray::fromHex("7fa57fa50200");
    QTest::newRow("another command's whole reply") << QByteArray::fromHex("7fa5027900222200" "5a");
}

void TestSerial::replyAfterNoise()
{
    QFETCH(QByteArray, noise);
    m_core->setSensor(0x2468);
    m_core->setGarbage(noise);
    m_core->setFault(SimCore::GarbageFirst, 1);
    auto serial = makeSerial();
    unsigned short value = 0;
    QCOMPARE(serial->readSensor(&value), 0);
    QCOMPARE(value, uint16_t(0x2468));
}

void TestSerial::lateReplyIsNotTheNextAnswer()
{
    m_core->setSensor(0x0101);
    m_core->setSum(0x2222);
    m_core->setReplyDelay(60);
    m_core->setFault(SimCore::LateReply, 1);
    auto serial = makeSerial();
    serial->setTimeouts({20, 20, 1});
    unsigned short value = 0;
    QCOMPARE(serial->readSensor(&value), -1);
    // Let the late answer land in the input before the next request.
    QTRY_COMPARE(m_core->repliesSent(), 1);
    serial->setTimeouts(m_fast);
    // Same reply length, different command: only the fresh answer counts.
    QCOMPARE(serial->readSerialSum(&value), 0);
    QCOMPARE(value, uint16_t(0x2222));
}

void TestSerial::lateReplyDuringTheNextRequestIsSkipped()
{
    m_core->setSensor(0x0101);
    m_core->setSum(0x3333);
    m_core->setReplyDelay(80);
    m_core->setFault(SimCore::LateReply, 1);
    auto serial = makeSerial();
    serial->setTimeouts({20, 20, 1});
    unsigned short value = 0;
    QCOMPARE(serial->readSensor(&value), -1);
    serial->setTimeouts(m_fast);
    // The core answers the old request first, while this one waits.
    QCOMPARE(serial->readSerialSum(&value), 0);
    QCOMPARE(value, uint16_t(0x3333));
    QCOMPARE(m_core->codes(), (QVector<uint8_t>{0x96, 0x79}));
}

void TestSerial::wrongEchoOfVskGivesZero()
{
    m_core->setVsk(0x4444);
    m_core->setFault(SimCore::WrongEcho, 1);
    auto serial = makeSerial();
    serial->setTimeouts({40, 40, 1});
    unsigned short vsk = 99;
    QCOMPARE(serial->readSerialVSK(&vsk), -1);
    QCOMPARE(vsk, uint16_t(0));
}

void TestSerial::silentCoreFailsQueuedCommands()
{
    m_core->setFault(SimCore::Silent);
    auto serial = makeSerial();
    serial->setTimeouts({10, 10, 1});
    QVERIFY(serial->insideShutter());
    QVERIFY(serial->setVSK(5));
    QVERIFY(serial->waitForIdle(5000));
    QCOMPARE(serial->commandsFailed(), 2);
    QCOMPARE(serial->commandsSent(), 0);
    // Both went out; neither was answered.
    QCOMPARE(m_core->codes(), (QVector<uint8_t>{0x31, 0x78}));
    unsigned int delta = 5;
    QCOMPARE(serial->readDeltaAD(&delta), -1);
    QCOMPARE(delta, 5u);
}

void TestSerial::queueKeepsEveryCommandInOrder()
{
    // Commands queued faster than the worker sends them all go out, in order
    // (a single pending slot kept only the last).
    m_core->setReplyDelay(5);
    m_core->setFault(SimCore::LateReply, 1);
    auto serial = makeSerial();
    QVERIFY(serial->insideShutter());
    QVERIFY(serial->setIntTime(0, 100));
    QVERIFY(serial->setVSK(0x0102));
    QVERIFY(serial->autoShutter(true));
    QVERIFY(serial->waitForIdle(5000));
    QCOMPARE(m_core->codes(), (QVector<uint8_t>{0x31, 0x70, 0x78, 0x30}));
    QCOMPARE(serial->commandsSent(), 4);
    QCOMPARE(m_core->vsk(), uint16_t(0x0102));
    QCOMPARE(m_core->intTime(), uint16_t(100));
    QVERIFY(m_core->autoShutterOn());
}

void TestSerial::concurrentRequestsAndCommands()
{
    auto serial = makeSerial();
    m_core->setSensor(777);
    constexpr int Threads = 4;
    constexpr int PerThread = 6;
    std::atomic<int> answered{0};
    std::vector<std::thread> threads;
    for (int t = 0; t < Threads; ++t) {
        threads.emplace_back([&, t] {
            for (int i = 0; i < PerThread; ++i) {
                serial->setVSK(uint16_t(t * 100 + i));
                unsigned short value = 0;
                if (serial->readSensor(&value) == 0 && value == 777)
                    ++answered;
            }
        });
    }
    for (std::thread &thread : threads)
        thread.join();
    QVERIFY(serial->waitForIdle(10000));
    QCOMPARE(answered.load(), Threads * PerThread);
    QCOMPARE(serial->commandsSent(), Threads * PerThread);
    QCOMPARE(m_core->badFrames(), 0);
    // Every queued value arrived once, each thread's in its own order.
    QVector<int> last(Threads, -1);
    int vskCount = 0;
    for (const SimCore::Request &request : m_core->requests()) {
        if (request.code != 0x78)
            continue;
        ++vskCount;
        const int value = uint8_t(request.payload[0]) | (uint8_t(request.payload[1]) << 8);
        const int thread = value / 100;
        QVERIFY(value % 100 > last[thread]);
        last[thread] = value % 100;
    }
    QCOMPARE(vskCount, Threads * PerThread);
}

void TestSerial::shutDownPulsesTheAlarm()
{
    auto board = std::make_shared<SimBoard>();
    FPGABottom bottom(board);
    auto serial = makeSerial(&bottom);
    QVERIFY(serial->shutDown());
    QVERIFY(serial->waitForIdle(5000));
    const QVector<SimBoard::Write> writes = board->writesTo(0x15);
    QCOMPARE(writes.size(), 2);
    QCOMPARE(uint8_t(writes[0].data[0]) & 0x01, 0x01);
    QCOMPARE(uint8_t(writes[1].data[0]) & 0x01, 0x00);
    QVERIFY(m_core->poweredDown());
}

void TestSerial::parkingIsPairedAndIdempotent()
{
    auto serial = makeSerial();
    serial->restoreSerial(); // nothing parked: nothing happens
    QVERIFY(serial->isOpen());
    serial->closeSerial();
    serial->closeSerial(); // a second park keeps the first one's descriptor
    QVERIFY(serial->isParked());
    QVERIFY(!serial->isOpen());
    unsigned short value = 0;
    QCOMPARE(serial->readSensor(&value), -1);
    QVERIFY(serial->insideShutter());
    QVERIFY(serial->waitForIdle(5000));
    QCOMPARE(serial->commandsFailed(), 1);
    QVERIFY(m_core->requests().isEmpty());
    serial->restoreSerial();
    QVERIFY(serial->isOpen());
    QVERIFY(!serial->isParked());
    QCOMPARE(serial->readSensor(&value), 0);
    QCOMPARE(value, uint16_t(8000));
}

void TestSerial::missingPort()
{
    QVERIFY(QFile::remove(m_root->hostPath(QStringLiteral("/dev/ttyS1"))));
    Serial serial(nullptr, QStringLiteral("/dev/ttyS1"), m_fast);
    QVERIFY(!serial.isOpen());
    unsigned short value = 3;
    QCOMPARE(serial.readSensor(&value), -1);
    QCOMPARE(value, uint16_t(3));
    QCOMPARE(serial.writeData("x", 1), -1);
    QVERIFY(serial.shutDown());
    QVERIFY(serial.waitForIdle(5000));
    QCOMPARE(serial.commandsFailed(), 1);
}

void TestSerial::destroyWhileCommandInFlight()
{
    // The worker waits on a silent core with a reply time-out far beyond
    // the test's limit; destruction must end the wait, not sit it out.
    m_core->setFault(SimCore::Silent);
    auto serial = makeSerial();
    serial->setTimeouts({100, 24 * 3600 * 1000, 1});
    QVERIFY(serial->insideShutter());
    QVERIFY(serial->outsideShutter());
    QVERIFY(m_core->waitForRequests(1, 5000));
    QCOMPARE(serial->pendingCommands(), 2);
    serial.reset();
    QCOMPARE(m_core->codes(), QVector<uint8_t>{0x31});
}

void TestSerial::destroyDuringShutdownPulse()
{
    // A shutdown pulse in progress ends when the link is destroyed, and the
    // core is not told to power down by a link that is going away.
    m_core->setFault(SimCore::Silent);
    auto board = std::make_shared<SimBoard>();
    FPGABottom bottom(board);
    auto serial = makeSerial(&bottom);
    serial->setTimeouts({24 * 3600 * 1000, 24 * 3600 * 1000, 24 * 3600 * 1000});
    QVERIFY(serial->shutDown());
    QTRY_COMPARE(board->writesTo(0x15).size(), 1);
    serial.reset();
    // The alarm output is switched off again on the way out.
    QCOMPARE(board->writesTo(0x15).size(), 2);
    QCOMPARE(board->registerByte(0x15) & 0x01, 0);
    QVERIFY(m_core->requests().isEmpty());
}

QTEST_GUILESS_MAIN(TestSerial)
#include "tst_serial.moc"
