#include "encoderstate.h"
#include "simscreen.h"
#include "testroot.h"

#include <QPainter>
#include <QtTest>

// What encoder-sim keeps of the zoom and rotate commands, and the screen
// that applies it to the board's picture.
class TestEncoderState : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void splitsBothForms_data();
    void splitsBothForms();
    void appliesCommands_data();
    void appliesCommands();
    void stateFile_data();
    void stateFile();
    void screenAppliesTheState();
};

void TestEncoderState::splitsBothForms_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QByteArrayList>("commands");
    QTest::newRow("bare") << QByteArray("zoom start add15") << QByteArrayList{"zoom start add15"};
    QTest::newRow("newline") << QByteArray("resume stop\n") << QByteArrayList{"resume stop"};
    QTest::newRow("two lines") << QByteArray("rote stop\nzoom stop\n") << QByteArrayList{"rote stop", "zoom stop"};
    QTest::newRow("crlf and blanks") << QByteArray("\r\nrote stop\r\n\n") << QByteArrayList{"rote stop"};
    QTest::newRow("empty") << QByteArray("\n") << QByteArrayList{};
}

void TestEncoderState::splitsBothForms()
{
    QFETCH(QByteArray, data);
    QFETCH(QByteArrayList, commands);
    QCOMPARE(EncoderState::split(data), commands);
}

void TestEncoderState::appliesCommands_data()
{
    QTest::addColumn<QByteArrayList>("commands");
    QTest::addColumn<int>("zoom");
    QTest::addColumn<int>("angle");
    QTest::addColumn<int>("applied");
    QTest::newRow("zoom add") << QByteArrayList{"zoom start add15"} << 15 << 0 << 1;
    QTest::newRow("zoom sub") << QByteArrayList{"zoom start add30", "zoom start sub12"} << 12 << 0 << 2;
    QTest::newRow("rote") << QByteArrayList{"rote start sub359"} << 10 << 359 << 1;
    QTest::newRow("revert") << QByteArrayList{"zoom start add30", "rote start add5", "rote stop", "zoom stop"} << 10 << 0 << 4;
    QTest::newRow("out of range") << QByteArrayList{"zoom start add999", "rote start add400"} << 200 << 360 << 2;
    QTest::newRow("not ours") << QByteArrayList{"jpegenc start", "resume stop", "zoom start add", "zoom start addx"} << 10 << 0 << 0;
}

void TestEncoderState::appliesCommands()
{
    QFETCH(QByteArrayList, commands);
    QFETCH(int, zoom);
    QFETCH(int, angle);
    QFETCH(int, applied);
    EncoderState state;
    int count = 0;
    for (const QByteArray &command : commands)
        count += state.apply(command) ? 1 : 0;
    QCOMPARE(state.zoom, zoom);
    QCOMPARE(state.angle, angle);
    QCOMPARE(count, applied);
}

void TestEncoderState::stateFile_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("zoom");
    QTest::addColumn<int>("angle");
    QTest::newRow("written") << QByteArray("zoom 25\nangle 90\n") << 25 << 90;
    QTest::newRow("damaged") << QByteArray("zoom x\nangle\n\x01") << 10 << 0;
    QTest::newRow("out of range") << QByteArray("zoom -4\nangle 99999\n") << 10 << 360;
}

void TestEncoderState::stateFile()
{
    QFETCH(QByteArray, text);
    QFETCH(int, zoom);
    QFETCH(int, angle);
    TestRoot root;
    QVERIFY(EncoderState::load().isNeutral());
    QVERIFY(root.writeFile(QLatin1String(EncoderState::StateFile), text));
    const EncoderState loaded = EncoderState::load();
    QCOMPARE(loaded.zoom, zoom);
    QCOMPARE(loaded.angle, angle);
    QVERIFY(loaded.save());
    QCOMPARE(EncoderState::load(), loaded);
}

void TestEncoderState::screenAppliesTheState()
{
    TestRoot root;
    SimScreen screen;
    QImage picture(SimScreen::Width, SimScreen::Height, QImage::Format_RGB32);
    picture.fill(Qt::black);
    QPainter(&picture).fillRect(150, 110, 20, 20, Qt::white);
    screen.setBoardPicture(picture);
    const QImage neutral = screen.grab().toImage();
    QCOMPARE(neutral.pixelColor(145, 120), QColor(Qt::black));

    EncoderState zoomed;
    zoomed.zoom = 20;
    QVERIFY(zoomed.save());
    screen.refreshEncoderState();
    QCOMPARE(screen.encoderState().zoom, 20);
    // Twice the size about the centre: the square now reaches x 140.
    QCOMPARE(screen.grab().toImage().pixelColor(145, 120), QColor(Qt::white));
}

QTEST_MAIN(TestEncoderState)
#include "tst_encoderstate.moc"
