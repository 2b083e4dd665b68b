#include "audiotimedisplay.h"
#include "lcdnumber.h"
#include "timeindicator.h"
#include "waveform.h"

#include <QtTest>

#include <vector>

// The recorder's painted displays, checked on the pictures they paint.
class TestRecorderDisplays : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void segmentsLit_data();
    void segmentsLit();
    void setTime_data();
    void setTime();
    void colonIsGreen();
    void waveformHalfScale();
    void waveformShortRecordingKeepsTheLine();
    void waveformColumnsAreMeans();

private:
    static QString litOf(LCDNumber *digit);
};

// Which of the segments a..g a digit's picture shows lit (red).
QString TestRecorderDisplays::litOf(LCDNumber *digit)
{
    const QImage shot = digit->grab().toImage();
    const qreal W = shot.width();
    const qreal H = shot.height();
    const qreal t = int(H) / 12;
    const struct
    {
        char name;
        QPointF centre;
    } probes[] = {
        {'a', {W / 2, 2 + t / 2}},
        {'b', {W - t / 2, (3 + t + H / 2) / 2}},
        {'c', {W - t / 2, (3 + H / 2 + H - t) / 2}},
        {'d', {W / 2, 1 + H - t / 2}},
        {'e', {2 + t / 2, (3 + H / 2 + H - t) / 2}},
        {'f', {2 + t / 2, (4 + t + 1 + H / 2) / 2}},
        {'g', {W / 2, 2 + H / 2}},
    };
    QString lit;
    for (const auto &p : probes) {
        const QColor c = shot.pixelColor(p.centre.toPoint());
        if (c.red() > 200 && c.green() < 40)
            lit += QLatin1Char(p.name);
        else if (c.red() > 60) // neither lit nor the dark unlit grey
            return QStringLiteral("?%1").arg(p.name);
    }
    return lit;
}

void TestRecorderDisplays::segmentsLit_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("lit");
    const char *table[] = {"abcdef", "bc", "abdeg", "abcdg", "bcfg", "acdfg", "acdefg", "abc", "abcdefg", "abcdfg"};
    for (int n = 0; n < 10; ++n)
        QTest::addRow("%d", n) << n << QString::fromLatin1(table[n]);
    QTest::newRow("10") << 10 << QString();
    QTest::newRow("-1") << -1 << QString();
}

void TestRecorderDisplays::segmentsLit()
{
    QFETCH(int, number);
    QFETCH(QString, lit);
    LCDNumber digit;
    digit.resize(36, 72);
    digit.setNumber(number);
    QCOMPARE(litOf(&digit), lit);
    // The ground is near black everywhere a segment is not.
    const QImage shot = digit.grab().toImage();
    QCOMPARE(shot.pixelColor(1, 1), QColor(20, 20, 20));
}

void TestRecorderDisplays::setTime_data()
{
    QTest::addColumn<int>("seconds");
    QTest::addColumn<QString>("shown");
    QTest::newRow("0") << 0 << "0000";
    QTest::newRow("9") << 9 << "0009";
    QTest::newRow("60") << 60 << "0100";
    QTest::newRow("75") << 75 << "0115";
    QTest::newRow("599") << 599 << "0959";
    QTest::newRow("3599") << 3599 << "5959";
    QTest::newRow("3600") << 3600 << "0000";
    QTest::newRow("negative") << -5 << "0000";
}

void TestRecorderDisplays::setTime()
{
    QFETCH(int, seconds);
    QFETCH(QString, shown);
    AudioTimeDisplay display;
    display.resize(200, 80);
    display.setTime(61); // something else first
    display.setTime(seconds);
    display.show();
    QString digits;
    for (int i = 0; i < 4; ++i)
        digits += QString::number(display.digit(i)->number());
    QCOMPARE(digits, shown);
    // What the digits paint, not only what they hold.
    const char *segments[] = {"abcdef", "bc", "abdeg", "abcdg", "bcfg", "acdfg", "acdefg", "abc", "abcdefg", "abcdfg"};
    for (int i = 0; i < 4; ++i)
        QCOMPARE(litOf(display.digit(i)), QString::fromLatin1(segments[shown.at(i).digitValue()]));
    // Digits left to right: minutes, colon, seconds.
    QVERIFY(display.digit(1)->x() < display.digit(2)->x());
}

void TestRecorderDisplays::colonIsGreen()
{
    Timeindicator colon;
    colon.resize(10, 50);
    const QImage shot = colon.grab().toImage();
    const QColor upper = shot.pixelColor(5, 12);
    const QColor lower = shot.pixelColor(5, 37);
    QVERIFY(upper.green() > 150 && upper.red() < 150);
    QVERIFY(lower.green() > 150 && lower.red() < 150);
    QCOMPARE(shot.pixelColor(5, 25), shot.pixelColor(0, 0)); // the gap between the bars
    QCOMPARE(colon.sizeHint(), QSize(7, 13));
}

void TestRecorderDisplays::waveformHalfScale()
{
    Waveform wave;
    wave.resize(300, 90);
    wave.changeSettings(8000, 1);
    QCOMPARE(wave.samplesPerColumn(), 5);
    const std::vector<short> samples(1500, 16384);
    wave.newSamples(samples.data(), 700);
    wave.newSamples(samples.data() + 700, 800);
    QVERIFY(wave.pixmap());
    const QImage strip = wave.pixmap()->toImage();
    for (int x : {0, 150, 299}) {
        QCOMPARE(QColor(strip.pixel(x, 22)), QColor(Qt::black));
        QCOMPARE(QColor(strip.pixel(x, 23)), QColor(Qt::green));
        QCOMPARE(QColor(strip.pixel(x, 45)), QColor(Qt::green));
        QCOMPARE(QColor(strip.pixel(x, 67)), QColor(Qt::green));
        QCOMPARE(QColor(strip.pixel(x, 68)), QColor(Qt::black));
    }
    QCOMPARE(wave.filledColumns(), 0);
}

void TestRecorderDisplays::waveformShortRecordingKeepsTheLine()
{
    Waveform wave;
    wave.resize(300, 90);
    wave.show();
    // Before any recording: a green line across the middle.
    QImage shot = wave.grab().toImage();
    QCOMPARE(QColor(shot.pixel(150, 45)), QColor(Qt::green));
    wave.changeSettings(8000, 1);
    const std::vector<short> samples(1499, 16384);
    wave.newSamples(samples.data(), 1499);
    QCOMPARE(wave.filledColumns(), 299);
    // Not a full strip yet: still the flat line.
    shot = wave.grab().toImage();
    QCOMPARE(QColor(shot.pixel(100, 45)), QColor(Qt::green));
    QCOMPARE(QColor(shot.pixel(100, 30)), QColor(Qt::black));
    wave.reset();
    QCOMPARE(wave.filledColumns(), 0);
}

void TestRecorderDisplays::waveformColumnsAreMeans()
{
    Waveform wave;
    wave.resize(300, 90);
    wave.changeSettings(8000, 1);
    // Alternating swings of 20000 average to +-4000 a column: short bars
    // (45 +- 5), where magnitudes would reach y 18.
    std::vector<short> samples(1500);
    for (size_t i = 0; i < samples.size(); ++i)
        samples[i] = (i % 2) ? -20000 : 20000;
    wave.newSamples(samples.data(), int(samples.size()));
    const QImage strip = wave.pixmap()->toImage();
    QCOMPARE(QColor(strip.pixel(10, 30)), QColor(Qt::black));
    QCOMPARE(QColor(strip.pixel(10, 41)), QColor(Qt::green));
    // A negative mean draws a bar too (the line runs from mid - d to mid + d).
    std::vector<short> low(1500, -16384);
    wave.newSamples(low.data(), 1500);
    const QImage again = wave.pixmap()->toImage();
    QCOMPARE(QColor(again.pixel(10, 30)), QColor(Qt::green));
}

QTEST_MAIN(TestRecorderDisplays)
#include "tst_recorderdisplays.moc"
