#include "eimagepip.h"
#include "egraphicsview.h"
#include "emodeitem.h"
#include "evalueitem.h"
#include "ependingsettings.h"
#include "imagefixture.h"

#include <QtTest>

// The picture page over the simulated board: mode stepping with its rows,
// corners, sizes and percentages in the registers (read-modify-write), and
// stored values outside their ranges.
class TstImagePip : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void stepDownToBlend();
    void cornersKeptApart();
    void sizeToggles_data();
    void sizeToggles();
    void percent();
    void storedOutOfRange();
    void stepsStayInside_data();
    void stepsStayInside();
};

void TstImagePip::stepDownToBlend()
{
    ImageFixture f;
    EGraphicsView view;
    EImagePip page;
    page.show();
    QCOMPARE(page.modeItem()->text(), QStringLiteral("IR"));
    QVERIFY(!page.percentItem()->isVisible());
    QTest::mouseClick(arrow(page.modeItem(), "Left"), Qt::LeftButton);
    QCOMPARE(page.mode(), VIS_MIX_IR);
    QCOMPARE(page.modeItem()->text(), QStringLiteral("VIS_MIX_IR"));
    QVERIFY(page.percentItem()->isVisible());
    QVERIFY(page.sizeItem()->isVisible());
    QVERIFY(!page.positionItem()->isVisible());
    QCOMPARE(page.percentItem()->getValue(), 50);
    QCOMPARE(int(f.board().registerByte(0x2F)), 64);
    QCOMPARE(int(f.board().registerByte(0x00) & 0x07), int(VIS_MIX_IR));
    QCOMPARE(ImageFixture::stored(QStringLiteral("ImageMode")).toInt(), int(VIS_MIX_IR));
    // Up again is IR, with the rows hidden.
    QTest::mouseClick(arrow(page.modeItem(), "Right"), Qt::LeftButton);
    QCOMPARE(page.mode(), IR);
    QVERIFY(!page.percentItem()->isVisible());
}

void TstImagePip::cornersKeptApart()
{
    ImageFixture f("[General]\nImageMode=2\nImage_CCD_Pipe_IR_Position=1\n");
    f.board().setRegister(0x01, QByteArray(1, char(0xCC)));
    EGraphicsView view;
    EImagePip page;
    page.show();
    // Reading the settings programs the board's inset corner only.
    QCOMPARE(int(f.board().registerByte(0x01)), 0xCC);
    QCOMPARE(page.positionItem()->text(), QStringLiteral("Position: TL"));
    QVERIFY(page.positionItem()->isVisible());
    QTest::mouseClick(arrow(page.positionItem(), "Left"), Qt::LeftButton);
    QCOMPARE(page.positionItem()->text(), QStringLiteral("Position: TR"));
    QCOMPARE(int(f.board().registerByte(0x01)), 0xCF);
    QCOMPARE(ImageFixture::stored(QStringLiteral("Image_IR_Pipe_CCD_Position")).toInt(), 3);
    // Mode 3 has its own corner; mode 2's stays.
    QTest::mouseClick(arrow(page.modeItem(), "Right"), Qt::LeftButton);
    QCOMPARE(page.mode(), VIS_PIPE_IR);
    QCOMPARE(page.positionItem()->text(), QStringLiteral("Position: BL"));
    QTest::mouseClick(arrow(page.positionItem(), "Right"), Qt::LeftButton);
    QCOMPARE(page.positionItem()->text(), QStringLiteral("Position: BR"));
    QCOMPARE(int(f.board().registerByte(0x01)), 0xEF);
    QCOMPARE(page.irPipePosition(), 3);
    QCOMPARE(ImageFixture::stored(QStringLiteral("Image_CCD_Pipe_IR_Position")).toInt(), 2);
}

void TstImagePip::sizeToggles_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("fullValue");
    QTest::addColumn<int>("halfValue");
    // 0x25 starts at 0x5A: Full in mode 4 keeps bits 0-3, clears 4-6 and
    // sets 7; Half clears bit 7 only. Mode 5: keeps 4-7, clears 1-3, sets 0.
    QTest::newRow("IR_MIX_VIS") << 4 << "ImageMix/Image_IR_Mix_CCD_Size" << 0x8A << 0x0A;
    QTest::newRow("VIS_MIX_IR") << 5 << "ImageMix/Image_CCD_Mix_IR_Size" << 0x51 << 0x50;
}

void TstImagePip::sizeToggles()
{
    QFETCH(int, mode);
    QFETCH(QString, key);
    QFETCH(int, fullValue);
    QFETCH(int, halfValue);
    ImageFixture f(QStringLiteral("[General]\nImageMode=%1\n").arg(mode).toLatin1());
    EGraphicsView view;
    EImagePip page;
    page.show();
    f.board().setRegister(0x25, QByteArray(1, char(0x5A)));
    QCOMPARE(page.sizeItem()->text(), QStringLiteral("Size: Half"));
    QTest::mouseClick(arrow(page.sizeItem(), "Right"), Qt::LeftButton);
    QCOMPARE(page.sizeItem()->text(), QStringLiteral("Size: Full"));
    QCOMPARE(int(f.board().registerByte(0x25)), fullValue);
    QCOMPARE(ImageFixture::stored(key).toInt(), 1);
    QTest::mouseClick(arrow(page.sizeItem(), "Left"), Qt::LeftButton);
    QCOMPARE(page.sizeItem()->text(), QStringLiteral("Size: Half"));
    QCOMPARE(int(f.board().registerByte(0x25)), halfValue);
    QCOMPARE(ImageFixture::stored(key).toInt(), 0);
}

void TstImagePip::percent()
{
    ImageFixture f("[General]\nImageMode=4\n\n[ImageMix]\nIR_MIX_VIS_Percent=1\n");
    EGraphicsView view;
    EImagePip page;
    page.show();
    QCOMPARE(page.percentItem()->getValue(), 1);
    QCOMPARE(int(f.board().registerByte(0x2A)), 1);
    QTest::mouseClick(arrow(page.percentItem(), "Left"), Qt::LeftButton);
    QCOMPARE(int(f.board().registerByte(0x2A)), 0);
    // The board follows every step; the file once the steps pause.
    QCOMPARE(ImageFixture::stored(QStringLiteral("ImageMix/IR_MIX_VIS_Percent")).toInt(), 1);
    QTRY_COMPARE(ImageFixture::stored(QStringLiteral("ImageMix/IR_MIX_VIS_Percent")).toInt(), 0);
    // A step still waiting to be written is what a re-read finds.
    QTest::mouseClick(arrow(page.percentItem(), "Right"), Qt::LeftButton);
    page.readIRMixVISPara();
    QCOMPARE(page.percentItem()->getValue(), 1);
    QCOMPARE(ImageFixture::stored(QStringLiteral("ImageMix/IR_MIX_VIS_Percent")).toInt(), 1);
    QTest::mouseClick(arrow(page.percentItem(), "Left"), Qt::LeftButton);
    EPendingSettings::instance()->flush();
    // Outside the blend modes a value change stores nothing.
    page.clickedDecrease(QString());
    QCOMPARE(page.mode(), VIS_PIPE_IR);
    page.mixPercentValueChanged(77);
    QCOMPARE(ImageFixture::stored(QStringLiteral("ImageMix/IR_MIX_VIS_Percent")).toInt(), 0);
    QVERIFY(!ImageFixture::stored(QStringLiteral("ImageMix/VIS_MIX_IR_Percent")).isValid());
    QCOMPARE(int(f.board().registerByte(0x2A)), 0);
}

void TstImagePip::storedOutOfRange()
{
    ImageFixture f("[General]\nImageMode=5\nImage_IR_Pipe_CCD_Position=-5\nImage_CCD_Pipe_IR_Position=7\n\n"
                   "[ImageMix]\nImage_CCD_Mix_IR_Size=9\nVIS_MIX_IR_Percent=250\n");
    f.board().setRegister(0x01, QByteArray(1, char(0)));
    EGraphicsView view;
    EImagePip page;
    page.show();
    QCOMPARE(page.ccdMixSize(), 1);
    QCOMPARE(page.sizeItem()->text(), QStringLiteral("Size: Full"));
    QCOMPARE(page.percentItem()->getValue(), 100);
    QCOMPARE(int(f.board().registerByte(0x2F)), 128);
    QCOMPARE(page.irPipePosition(), 0);
    QCOMPARE(page.ccdPipePosition(), 3);
    page.clickedDecrease(QString());
    page.clickedDecrease(QString());
    QCOMPARE(page.mode(), VIS_PIPE_IR);
    QCOMPARE(page.positionItem()->text(), QStringLiteral("Position: TR"));
    // Only bits 4-5 change.
    QCOMPARE(int(f.board().registerByte(0x01)), 0x30);
}

void TstImagePip::stepsStayInside_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<int>("up");
    QTest::addColumn<int>("down");
    QTest::newRow("above 5") << QByteArray("ImageMode=9") << 1 << 5;
    QTest::newRow("negative") << QByteArray("ImageMode=-2") << 1 << 5;
    QTest::newRow("not a number") << QByteArray("ImageMode=vis") << 1 << 5;
    QTest::newRow("5") << QByteArray("ImageMode=5") << 0 << 4;
}

void TstImagePip::stepsStayInside()
{
    QFETCH(QByteArray, stored);
    QFETCH(int, up);
    QFETCH(int, down);
    ImageFixture f("[General]\n" + stored + "\n");
    EGraphicsView view;
    EImagePip page;
    page.clickedIncrease(QString());
    QCOMPARE(page.mode(), up);
    page.clickedDecrease(QString());
    page.clickedDecrease(QString());
    QCOMPARE(page.mode(), down);
    QCOMPARE(int(f.board().registerByte(0x00) & 0x07), down);
}

QTEST_MAIN(TstImagePip)
#include "tst_imagepip.moc"
