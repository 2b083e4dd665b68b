// The measurement replay: a record's texts by status, unit and range, the
// colour-bar labels by picture mode, the legend order and the clamps of
// stored coordinates, from hand-made photos.
#include "eareawidget.h"
#include "eglobal.h"
#include "egraphicstextitem.h"
#include "elinewidget.h"
#include "ephotosgraphicsview.h"
#include "espotwidget.h"
#include "photofixture.h"
#include "testroot.h"

#include <QGraphicsScene>
#include <QGraphicsView>
#include <QKeyEvent>
#include <QSettings>
#include <QtTest>

#include <cstring>

using Values = EFileManager::ImageParaValues;

class TstPhotoReplay : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void readingTexts_data();
    void readingTexts();
    void statusComparedWithinItsField();
    void rangeOfTheRecordNotOfTheMoment();
    void barLabelsByMode_data();
    void barLabelsByMode();
    void legendOrderAndUnit();
    void storedCoordinatesAreClamped();
    void filesWithoutMeasurementsShowNothing_data();
    void filesWithoutMeasurementsShowNothing();
    void laterIrBlockWinsAndEscapeCloses_data();
    void laterIrBlockWinsAndEscapeCloses();

private:
    QString writePhoto(const QByteArray &bytes, const QString &name = QStringLiteral("181214_0001T.jpg"));
    static Values everything();

    std::unique_ptr<TestRoot> m_root;
    std::unique_ptr<QGraphicsScene> m_scene;
    std::unique_ptr<QGraphicsView> m_view;
    std::unique_ptr<EPhotosGraphicsView> m_replay;
};

void TstPhotoReplay::init()
{
    m_root = std::make_unique<TestRoot>();
    m_scene = std::make_unique<QGraphicsScene>(0, 0, 320, 240);
    m_view = std::make_unique<QGraphicsView>(m_scene.get());
    m_replay = std::make_unique<EPhotosGraphicsView>(m_view.get());
    EGlobal::setSystemTempUnit(0);
}

void TstPhotoReplay::cleanup()
{
    m_replay.reset();
    m_view.reset();
    m_scene.reset();
    m_root.reset();
    EGlobal::setSystemTempUnit(0);
}

QString TstPhotoReplay::writePhoto(const QByteArray &bytes, const QString &name)
{
    const QString path = QStringLiteral("/media/mmc/image/") + name;
    [&] { QVERIFY(m_root->writeFile(path, bytes)); }();
    return m_root->hostPath(path);
}

Values TstPhotoReplay::everything()
{
    Values v;
    v.maxTemp = 80.0;
    v.minTemp = 20.0;
    for (int n = 0; n < 3; ++n) {
        v.spots[n] = EFileManager::Spot{true, true, 50 + 40 * n, 60, 0, {"OK", 0, 30.0 + n}, {}};
        auto &a = v.areas[n];
        a.exists = a.shown = true;
        a.x = 20 + 90 * n;
        a.y = 120;
        a.width = a.height = 60;
        a.maxX = a.x + 10;
        a.maxY = a.y + 10;
        a.minX = a.x + 40;
        a.minY = a.y + 40;
        a.maxOn = a.minOn = a.avgOn = 1;
        a.max = {"OK", 0, 40.0};
        a.min = {"OK", 0, 21.0};
        a.avg = {"OK", 0, 30.0};
    }
    v.lines[0] = EFileManager::Line{true, true, 160, 100, {"OK", 0, 5.0}, {}};
    v.lines[1] = EFileManager::Line{true, true, 200, 120, {"OK", 0, 12.5}, {}};
    return v;
}

void TstPhotoReplay::readingTexts_data()
{
    QTest::addColumn<QByteArray>("status");
    QTest::addColumn<int>("unit");
    QTest::addColumn<double>("celsius");
    QTest::addColumn<bool>("line");
    QTest::addColumn<QString>("text");
    // Range limits given: -20 .. 150.
    QTest::newRow("OK C") << QByteArray("OK") << 0 << 36.5 << false << "36.5";
    QTest::newRow("OK F") << QByteArray("OK") << 1 << 36.5 << false << "97.7";
    QTest::newRow("OK K") << QByteArray("OK") << 2 << 36.5 << false << "309.7";
    QTest::newRow("OK line padded") << QByteArray("OK") << 0 << 5.0 << true << " 5.0";
    QTest::newRow("OK line wide") << QByteArray("OK") << 0 << 25.0 << true << "25.0";
    QTest::newRow("OK negative") << QByteArray("OK") << 0 << -12.3 << false << "-12.3";
    QTest::newRow("H C") << QByteArray("H") << 0 << 0.0 << false << ">150.0";
    QTest::newRow("H F") << QByteArray("H") << 1 << 0.0 << false << ">302.0";
    QTest::newRow("HE C") << QByteArray("HE") << 0 << 0.0 << false << "~150.0";
    QTest::newRow("L C") << QByteArray("L") << 0 << 0.0 << false << "<-20.0";
    QTest::newRow("L K") << QByteArray("L") << 2 << 0.0 << false << "<253.2";
    QTest::newRow("LE C") << QByteArray("LE") << 0 << 0.0 << true << "~-20.0";
    QTest::newRow("NULL") << QByteArray("NULL") << 0 << 36.5 << false << "--";
    QTest::newRow("empty") << QByteArray() << 0 << 36.5 << false << "--";
    QTest::newRow("lower case") << QByteArray("ok") << 0 << 36.5 << false << "--";
}

void TstPhotoReplay::readingTexts()
{
    QFETCH(QByteArray, status);
    QFETCH(int, unit);
    QFETCH(double, celsius);
    QFETCH(bool, line);
    QFETCH(QString, text);
    EGlobal::setSystemTempUnit(char(unit));
    char field[9] = {};
    std::memcpy(field, status.constData(), size_t(status.size()));
    QCOMPARE(EPhotosGraphicsView::readingText(field, 9, EFileManager::encodeT10r(celsius), line, -20, 150), text);
}

void TstPhotoReplay::statusComparedWithinItsField()
{
    // A field filled to its end with no terminator is not read past: the
    // next byte would make "OK" of "O" + "K".
    const char spot[] = {'O', 'K', 'x', 'x', 'x', 'x', 'x', 'x', 'x', 0};
    QCOMPARE(EPhotosGraphicsView::readingText(spot, 9, EFileManager::encodeT10r(20), false, -20, 150), QStringLiteral("--"));
    const char area[] = {'H', 'E', 'H', 'E', 'H', 'E', 'O', 'K', 0};
    QCOMPARE(EPhotosGraphicsView::readingText(area, 6, 0, false, -20, 150), QStringLiteral("--"));
    const char exact[] = {'O', 'K', 0, 'x', 'x', 'x'};
    QCOMPARE(EPhotosGraphicsView::readingText(exact, 6, EFileManager::encodeT10r(20), false, -20, 150), QStringLiteral("20.0"));
}

void TstPhotoReplay::rangeOfTheRecordNotOfTheMoment()
{
    {
        QSettings settings(QStringLiteral("Parameter/Setting"), QSettings::NativeFormat);
        settings.setValue(QStringLiteral("BiaoDing/TempRange1"), QStringLiteral("10~450"));
    }
    Values v;
    v.tempRange = 1;
    v.spots[0] = EFileManager::Spot{true, true, 100, 100, 0, {"H", 0, 0}, {}};
    v.spots[1] = EFileManager::Spot{true, true, 120, 100, 0, {"LE", 0, 0}, {}};
    m_replay->loadNetImage(QFileInfo(writePhoto(PhotoFixture::photo(PhotoFixture::record(v)))));
    QCOMPARE(m_replay->spot(1)->name(), QStringLiteral("P1:>450.0"));
    QCOMPARE(m_replay->spot(2)->name(), QStringLiteral("P2:~10.0"));

    // The factory text when the range has none stored; the limits of the
    // moment only for an index no range has.
    v.tempRange = 2;
    m_replay->loadNetImage(QFileInfo(writePhoto(PhotoFixture::photo(PhotoFixture::record(v)))));
    QCOMPARE(m_replay->spot(1)->name(), QStringLiteral("P1:>2000.0"));
    v.tempRange = 9;
    m_replay->loadNetImage(QFileInfo(writePhoto(PhotoFixture::photo(PhotoFixture::record(v)))));
    QCOMPARE(m_replay->spot(1)->name(), QStringLiteral("P1:>150.0"));
}

void TstPhotoReplay::barLabelsByMode_data()
{
    QTest::addColumn<int>("imageMode");
    QTest::addColumn<bool>("objects");
    QTest::addColumn<bool>("labels");
    QTest::newRow("IR") << 0 << true << true;
    QTest::newRow("visible only") << 1 << false << false;
    QTest::newRow("IR in visible") << 2 << true << true;
    QTest::newRow("visible in IR") << 3 << true << false;
    QTest::newRow("IR mix") << 4 << true << true;
    QTest::newRow("visible mix") << 5 << true << true;
    QTest::newRow("unknown") << 6 << false << false;
}

void TstPhotoReplay::barLabelsByMode()
{
    QFETCH(int, imageMode);
    QFETCH(bool, objects);
    QFETCH(bool, labels);
    m_replay->loadNetImage(QFileInfo(writePhoto(PhotoFixture::photo(PhotoFixture::record(everything()), imageMode))));
    QCOMPARE(m_replay->spot(1)->isVisibled(), objects);
    QCOMPARE(m_replay->legend()->isVisible(), objects);
    QCOMPARE(m_replay->maxLabel()->isVisible(), labels);
    QCOMPARE(m_replay->minLabel()->isVisible(), labels);
    if (labels) {
        QCOMPARE(m_replay->maxLabel()->plainText(), QStringLiteral("80.0"));
        QCOMPARE(m_replay->minLabel()->plainText(), QStringLiteral("20.0"));
        QCOMPARE(m_replay->maxLabel()->pos().y(), 36.0);
        QCOMPARE(m_replay->minLabel()->pos().y(), 186.0);
        QCOMPARE(m_replay->maxLabel()->pos().x() + m_replay->maxLabel()->boundingRect().width(), 322.0);
    }
}

void TstPhotoReplay::legendOrderAndUnit()
{
    EGlobal::setSystemTempUnit(1);
    Values v = everything();
    v.areas[1].minOn = 0;
    v.areas[1].avgOn = 0;
    v.spots[1].exists = false;
    m_replay->loadNetImage(QFileInfo(writePhoto(PhotoFixture::photo(PhotoFixture::record(v)))));
    const QStringList lines = m_replay->legend()->plainText().split(QLatin1Char('\n'));
    QCOMPARE(lines, (QStringList{"P1:86.0", "P3:89.6", "L1:41.0", "L2:54.5", "A1H:104.0", "A1L:69.8", "A1A:86.0",
                                 "A2H:104.0", "A3H:104.0", "A3L:69.8", "A3A:86.0"}));
    QCOMPARE(m_replay->unitItem()->plainText(), QStringLiteral("F"));
    QVERIFY(m_replay->unitItem()->isVisible());
    QCOMPARE(m_replay->unitItem()->pos(), QPointF(m_replay->legend()->boundingRect().width() + 6, 2));

    EGlobal::setSystemTempUnit(0);
    m_replay->displayTemp();
    QCOMPARE(m_replay->unitItem()->plainText(), QString(QChar(0x00B0)) + QLatin1Char('C'));
    EGlobal::setSystemTempUnit(2);
    m_replay->displayTemp();
    QCOMPARE(m_replay->unitItem()->plainText(), QStringLiteral("K"));

    // No object: legend and unit stay hidden, the labels still show.
    m_replay->loadNetImage(QFileInfo(writePhoto(PhotoFixture::photo(PhotoFixture::record(Values())))));
    QVERIFY(!m_replay->legend()->isVisible());
    QVERIFY(!m_replay->unitItem()->isVisible());
    QVERIFY(m_replay->maxLabel()->isVisible());
}

void TstPhotoReplay::storedCoordinatesAreClamped()
{
    Values v;
    v.spots[0] = EFileManager::Spot{true, true, 5000, 65535, 0, {"OK", 0, 20}, {}};
    v.lines[1] = EFileManager::Line{true, true, 900, 700, {"OK", 0, 20}, {}};
    v.areas[0].exists = v.areas[0].shown = true;
    v.areas[0].x = 400;
    v.areas[0].y = 300;
    v.areas[0].width = 50;
    v.areas[0].height = 50;
    v.areas[0].maxOn = 1;
    v.areas[0].maxX = 2000;
    v.areas[0].maxY = 2000;
    QByteArray record = PhotoFixture::record(v);
    // Area 2: right < left and bottom < top.
    Values reversed;
    reversed.areas[1].exists = reversed.areas[1].shown = true;
    reversed.areas[1].x = 100;
    reversed.areas[1].y = 100;
    reversed.areas[1].width = 10;
    reversed.areas[1].height = 10;
    const QByteArray r2 = PhotoFixture::record(reversed);
    record.replace(0x340, 64, r2.mid(0x340, 64));
    auto *p = reinterpret_cast<unsigned char *>(record.data());
    PhotoLayout::putU16(p + 0x340 + 0x06, 40);
    PhotoLayout::putU16(p + 0x340 + 0x08, 30);

    m_replay->loadNetImage(QFileInfo(writePhoto(PhotoFixture::photo(record))));
    const QRect screen(0, 0, 320, 240);
    QVERIFY(screen.contains(QPoint(m_replay->spot(1)->getX(), m_replay->spot(1)->getY())));
    QVERIFY(screen.contains(QPoint(m_replay->line(2)->getX(), m_replay->line(2)->getY())));
    for (int n : {1, 2}) {
        EAreaWidget *a = m_replay->area(n);
        QVERIFY2(a->isVisibled(), qPrintable(QString::number(n)));
        QVERIFY(a->width() > 0 && a->height() > 0);
        QVERIFY(screen.contains(QRect(a->getX(), a->getY(), a->width(), a->height())));
    }
    QVERIFY(screen.contains(m_replay->area(1)->getMaxPos()));
}

void TstPhotoReplay::filesWithoutMeasurementsShowNothing_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray good = PhotoFixture::photo(PhotoFixture::record(everything()));
    QTest::newRow("plain JPEG") << PhotoFixture::jpeg(Qt::red);
    QTest::newRow("three bytes") << QByteArray("abc");
    QTest::newRow("empty") << QByteArray();
    QByteArray past = good;
    past.replace(past.size() - 4, 4, PhotoFixture::le32(uint32_t(past.size() + 100)));
    QTest::newRow("N past the end") << past;
    QTest::newRow("service file only") << PhotoFixture::serviceFile(PhotoFixture::jpeg(Qt::red));
    QByteArray cut = good;
    cut.remove(cut.size() - 100000, 1000);
    QTest::newRow("cut short") << cut;
}

void TstPhotoReplay::filesWithoutMeasurementsShowNothing()
{
    QFETCH(QByteArray, bytes);
    m_replay->loadNetImage(QFileInfo(writePhoto(PhotoFixture::photo(PhotoFixture::record(everything())))));
    QVERIFY(m_replay->spot(1)->isVisibled());
    m_replay->loadNetImage(QFileInfo(writePhoto(bytes, QStringLiteral("other.jpg"))));
    for (int n = 1; n <= 3; ++n)
        QVERIFY(!m_replay->spot(n)->isVisibled() && !m_replay->area(n)->isVisibled());
    QVERIFY(!m_replay->line(1)->isVisibled() && !m_replay->line(2)->isVisibled());
    QVERIFY(!m_replay->legend()->isVisible() && !m_replay->maxLabel()->isVisible());
    // A missing file too.
    m_replay->loadNetImage(QFileInfo(m_root->hostPath(QStringLiteral("/media/mmc/image/none.jpg"))));
    QVERIFY(!m_replay->legend()->isVisible());
}

// The later block wins whatever its length: a short one (another
// firmware's, or cut) is the start of a block.
void TstPhotoReplay::laterIrBlockWinsAndEscapeCloses_data()
{
    QTest::addColumn<int>("blockLength");
    QTest::newRow("whole block") << int(PhotoLayout::IrBlockSize);
    QTest::newRow("record only") << int(PhotoLayout::ParaSize);
    QTest::newRow("cut inside the record") << 0x200;
}

void TstPhotoReplay::laterIrBlockWinsAndEscapeCloses()
{
    QFETCH(int, blockLength);
    Values first;
    first.spots[0] = EFileManager::Spot{true, true, 10, 10, 0, {"OK", 0, 11}, {}};
    Values second;
    second.spots[0] = EFileManager::Spot{true, true, 10, 10, 0, {"OK", 0, 22}, {}};
    QByteArray bytes = PhotoFixture::photo(PhotoFixture::record(first));
    // A second IR block as a later section.
    QByteArray block = PhotoFixture::record(second);
    block.resize(blockLength, '\0');
    bytes = PhotoWriter::withNote(bytes, PhotoLayout::IrSection, block);
    QVERIFY(!bytes.isEmpty());
    m_replay->loadNetImage(QFileInfo(writePhoto(bytes)));
    QCOMPARE(m_replay->spot(1)->name(), QStringLiteral("P1:22.0"));

    QKeyEvent other(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier);
    m_replay->keyPressEvent(&other);
    QVERIFY(m_replay->legend()->isVisible());
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    m_replay->keyPressEvent(&escape);
    QVERIFY(!m_replay->legend()->isVisible() && !m_replay->spot(1)->isVisibled() && !m_replay->maxLabel()->isVisible());
}

QTEST_MAIN(TstPhotoReplay)
#include "tst_photoreplay.moc"
