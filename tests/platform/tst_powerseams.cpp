#include "batteryadc.h"
#include "powerdevicefiles.h"
#include "testroot.h"

#include <QtTest>

#include <fcntl.h>
#include <unistd.h>

class TestPowerSeams : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void powerNodesMissing();
    void powerNodesThatAreNoDevices();
    void adcReadsFromAFifo_data();
    void adcReadsFromAFifo();
    void adcMissing();
    void adcDecodesLittleEndian();
};

void TestPowerSeams::powerNodesMissing()
{
    TestRoot root;
    PowerDeviceFiles device;
    for (PowerDevice::Node node : {PowerDevice::Gpio, PowerDevice::Pwm}) {
        QVERIFY(!device.open(node));
        QVERIFY(!device.isOpen(node));
        int word = 5;
        QCOMPARE(device.request(node, 7, &word), -1);
        QCOMPARE(word, 5);
    }
    QVERIFY(!device.sync());
}

void TestPowerSeams::powerNodesThatAreNoDevices()
{
    TestRoot root;
    QVERIFY(root.writeFile(QStringLiteral("/dev/DM365-GPIO"), QByteArray()));
    PowerDeviceFiles device;
    QVERIFY(device.open(PowerDevice::Gpio));
    int word = 1;
    // A plain file takes no requests.
    QCOMPARE(device.request(PowerDevice::Gpio, 7, &word), -1);
}

void TestPowerSeams::adcReadsFromAFifo_data()
{
    QTest::addColumn<QByteArray>("written");
    QTest::addColumn<bool>("complete");
    QTest::addColumn<int>("battery");
    QTest::addColumn<int>("supply");

    QByteArray sample(12, '\0');
    sample[0] = char(0x9A);
    sample[1] = char(0x02);
    sample[2] = char(0xB7);
    sample[3] = char(0x01);
    QTest::newRow("complete sample") << sample << true << 0x029A << 0x01B7;
    QTest::newRow("short read") << sample.left(5) << false << 0 << 0;
    QTest::newRow("nothing yet") << QByteArray() << false << 0 << 0;
}

void TestPowerSeams::adcReadsFromAFifo()
{
    QFETCH(QByteArray, written);
    QFETCH(bool, complete);
    QFETCH(int, battery);
    QFETCH(int, supply);

    TestRoot root;
    QVERIFY(root.makeFifo(QStringLiteral("/dev/adc")));
    BatteryAdc adc;
    QVERIFY(adc.open());
    // A writer keeps the FIFO from reading as closed.
    const int writer = ::open(QFile::encodeName(root.hostPath(QStringLiteral("/dev/adc"))).constData(),
                              O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    QVERIFY(writer >= 0);
    if (!written.isEmpty())
        QCOMPARE(::write(writer, written.constData(), size_t(written.size())), ssize_t(written.size()));

    // Non-blocking: with nothing there the read returns at once.
    BatteryAdc::Sample sample;
    QCOMPARE(adc.readSample(&sample), complete);
    if (complete) {
        QCOMPARE(int(sample.battery), battery);
        QCOMPARE(int(sample.supply), supply);
    }
    // A skipped poll leaves the next complete one intact.
    QByteArray next(12, '\0');
    next[0] = 1;
    QCOMPARE(::write(writer, next.constData(), 12), ssize_t(12));
    QVERIFY(adc.readSample(&sample));
    QCOMPARE(int(sample.battery), 1);
    ::close(writer);
}

void TestPowerSeams::adcMissing()
{
    TestRoot root;
    BatteryAdc adc;
    QVERIFY(!adc.open());
    BatteryAdc::Sample sample;
    QVERIFY(!adc.readSample(&sample));
}

void TestPowerSeams::adcDecodesLittleEndian()
{
    const QByteArray bytes = QByteArray::fromHex("3412cdab0000000000000000");
    const BatteryAdc::Sample sample = BatteryAdc::decode(bytes);
    QCOMPARE(int(sample.battery), 0x1234);
    QCOMPARE(int(sample.supply), 0xABCD);
}

QTEST_GUILESS_MAIN(TestPowerSeams)
#include "tst_powerseams.moc"
