#include "ecomboboxitem.h"
#include "eimagesettingtab.h"
#include "eimagetab.h"
#include "eisosetup.h"
#include "espinbox.h"
#include "espinboxitem.h"
#include "etitle.h"
#include "imagefixture.h"
#include "isohandler.h"
#include "isosettings.h"
#include "colortables.h"

#include <QtTest>

#include <cmath>

// The isotherm dialog: what it shows for stored values in each unit, the
// live calls of every user step (none on show), the band the board gets
// for each type and colour, and the keys stored on both ways out.
class TstIsoSetup : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void unitTable_data();
    void unitTable();
    void damagedValues_data();
    void damagedValues();
    void liveStepsAndNothingOnShow();
    void levelsMeetExactly();
    void bandOnTheUpload_data();
    void bandOnTheUpload();
    void closingStoresAndShowsPopup_data();
    void closingStoresAndShowsPopup();
    void unwritableSettingsReported();
};

namespace {
constexpr uint32_t RegIsoType = 0x201;
constexpr uint32_t RegPalette = 0x1300;

double low(const ESpinBoxItem *item)
{
    return item->spinBox()->minimum() / 10.0;
}
double high(const ESpinBoxItem *item)
{
    return item->spinBox()->maximum() / 10.0;
}

void useLevels(FPGA *fpga)
{
    Isotherm iso = fpga->getIsoPara();
    iso.selector = 1;   // as the start-up step sets it
    fpga->setIsoPara(iso);
}

void step(QWidget *row, const char *side)
{
    QTest::mouseClick(arrow(row, side), Qt::LeftButton);
}
} // namespace

void TstIsoSetup::unitTable_data()
{
    QTest::addColumn<int>("unit");
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<QString>("maxText");
    QTest::addColumn<QString>("minText");
    QTest::addColumn<QList<double>>("ranges"); // max low, max high, min low, min high
    QTest::newRow("Celsius") << 0 << QStringLiteral(" \u00B0C") << "30.0" << "20.0" << QList<double>{20.0, 400.0, -20.0, 30.0};
    QTest::newRow("Fahrenheit") << 1 << QStringLiteral(" F") << "86.0" << "68.0" << QList<double>{68.0, 752.0, -4.0, 86.0};
    QTest::newRow("Kelvin") << 2 << QStringLiteral(" K") << "303.2" << "293.2" << QList<double>{293.2, 673.2, 253.2, 303.2};
}

void TstIsoSetup::unitTable()
{
    QFETCH(int, unit);
    QFETCH(QString, suffix);
    QFETCH(QString, maxText);
    QFETCH(QString, minText);
    QFETCH(QList<double>, ranges);
    ImageFixture f;
    EGlobal::setSystemTempUnit(char(unit));
    EISOSetup dialog(nullptr, Qt::FramelessWindowHint);
    QCOMPARE(dialog.size(), QSize(240, 200));
    dialog.show();
    QCOMPARE(dialog.maxItem()->cleanText(), maxText);
    QCOMPARE(dialog.minItem()->cleanText(), minText);
    QCOMPARE(dialog.maxItem()->spinBox()->suffix(), suffix);
    QCOMPARE(dialog.minItem()->spinBox()->suffix(), suffix);
    QCOMPARE(low(dialog.maxItem()), ranges[0]);
    QCOMPARE(high(dialog.maxItem()), ranges[1]);
    QCOMPARE(low(dialog.minItem()), ranges[2]);
    QCOMPARE(high(dialog.minItem()), ranges[3]);
    QCOMPARE(dialog.modeItem()->currentIndex(), 0);
    QCOMPARE(dialog.colorItem()->currentIndex(), 0);
    // A step up on the upper level is 0.1 in the display unit, stored in Celsius.
    step(dialog.maxItem(), "Right");
    QTest::keyClick(&dialog, Qt::Key_Escape);
    const float stored = ImageFixture::stored(QStringLiteral("ISO/IsoLevelMax")).toFloat();
    QVERIFY2(std::fabs(stored - EGlobal::unit_in_temp(maxText.toFloat() + 0.1f)) < 0.051f, qPrintable(QString::number(stored)));
}

void TstIsoSetup::damagedValues_data()
{
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<QString>("maxText");
    QTest::addColumn<QString>("minText");
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("colour");
    QTest::addColumn<QStringList>("saved"); // Mode, Color, IsoLevelMax, IsoLevelMin
    QTest::newRow("missing group") << QByteArray() << "30.0" << "20.0" << 0 << 0
                                   << QStringList{"0", "Black", "30.0", "20.0"};
    QTest::newRow("stored values") << QByteArray("[ISO]\nMode=2\nColor=Trans\nIsoLevelMax=45.5\nIsoLevelMin=5\n")
                                   << "45.5" << "5.0" << 2 << 3 << QStringList{"2", "Trans", "45.5", " 5.0"};
    QTest::newRow("negative level unpadded") << QByteArray("[ISO]\nMode=1\nColor=White\nIsoLevelMax=10\nIsoLevelMin=-5\n")
                                             << "10.0" << "-5.0" << 1 << 1 << QStringList{"1", "White", "10.0", "-5.0"};
    QTest::newRow("levels out of range") << QByteArray("[ISO]\nIsoLevelMax=900\nIsoLevelMin=-300\n")
                                         << "400.0" << "-20.0" << 0 << 0 << QStringList{"0", "Black", "400.0", "-20.0"};
    QTest::newRow("reversed levels") << QByteArray("[ISO]\nIsoLevelMax=10\nIsoLevelMin=40\n")
                                     << "40.0" << "10.0" << 0 << 0 << QStringList{"0", "Black", "40.0", "10.0"};
    QTest::newRow("both above the range") << QByteArray("[ISO]\nIsoLevelMax=500\nIsoLevelMin=450\n")
                                          << "400.0" << "400.0" << 0 << 0 << QStringList{"0", "Black", "400.0", "400.0"};
    QTest::newRow("not numbers") << QByteArray("[ISO]\nIsoLevelMax=warm\nIsoLevelMin=nan\nMode=x\n")
                                 << "30.0" << "20.0" << 0 << 0 << QStringList{"0", "Black", "30.0", "20.0"};
    QTest::newRow("mode above") << QByteArray("[ISO]\nMode=3\n") << "30.0" << "20.0" << 0 << 0
                                << QStringList{"0", "Black", "30.0", "20.0"};
    QTest::newRow("mode below") << QByteArray("[ISO]\nMode=-1\nColor=Purple\n") << "30.0" << "20.0" << 0 << 0
                                << QStringList{"0", "Black", "30.0", "20.0"};
    QTest::newRow("colour case") << QByteArray("[ISO]\nColor=green\n") << "30.0" << "20.0" << 0 << 0
                                 << QStringList{"0", "Black", "30.0", "20.0"};
}

void TstIsoSetup::damagedValues()
{
    QFETCH(QByteArray, settings);
    QFETCH(QString, maxText);
    QFETCH(QString, minText);
    QFETCH(int, mode);
    QFETCH(int, colour);
    QFETCH(QStringList, saved);
    ImageFixture f(settings);
    EISOSetup dialog(nullptr, Qt::FramelessWindowHint);
    dialog.show();
    QCOMPARE(dialog.maxItem()->cleanText(), maxText);
    QCOMPARE(dialog.minItem()->cleanText(), minText);
    // The two ranges meet at the levels, never cross.
    QCOMPARE(low(dialog.maxItem()), minText.toDouble());
    QCOMPARE(high(dialog.minItem()), maxText.toDouble());
    QVERIFY(low(dialog.maxItem()) <= high(dialog.maxItem()));
    QVERIFY(low(dialog.minItem()) <= high(dialog.minItem()));
    QCOMPARE(dialog.modeItem()->currentIndex(), mode);
    QCOMPARE(dialog.colorItem()->currentIndex(), colour);
    dialog.okClicked();
    QCOMPARE(ImageFixture::stored(QStringLiteral("ISO/Mode")).toString(), saved[0]);
    QCOMPARE(ImageFixture::stored(QStringLiteral("ISO/Color")).toString(), saved[1]);
    QCOMPARE(ImageFixture::stored(QStringLiteral("ISO/IsoLevelMax")).toString(), saved[2]);
    QCOMPARE(ImageFixture::stored(QStringLiteral("ISO/IsoLevelMin")).toString(), saved[3]);
}

void TstIsoSetup::liveStepsAndNothingOnShow()
{
    ImageFixture f(QByteArray("[ISO]\nMode=2\nColor=Green\nIsoLevelMax=80\nIsoLevelMin=10\n"));
    useLevels(f.fpga);
    const Isotherm before = f.fpga->getIsoPara();
    EISOSetup dialog(nullptr, Qt::FramelessWindowHint);
    f.board().clearWrites();
    const int uploads = f.board().paletteUploads();
    dialog.show();
    dialog.hide();
    dialog.show();
    QVERIFY(f.board().writes().isEmpty());
    QCOMPARE(f.board().paletteUploads(), uploads);
    QCOMPARE(f.fpga->getIsoPara().type, before.type);

    // Each step: the type register (setIsoPara) before one palette upload.
    auto checkStep = [&](QWidget *row, const char *side) {
        f.board().clearWrites();
        const int count = f.board().paletteUploads();
        step(row, side);
        QCOMPARE(f.board().paletteUploads(), count + 1);
        int typeAt = -1, paletteAt = -1, i = 0;
        for (const SimBoard::Write &w : f.board().writes()) {
            if (w.offset == RegIsoType && typeAt < 0)
                typeAt = i;
            if (w.offset == RegPalette)
                paletteAt = i;
            ++i;
        }
        QVERIFY(typeAt >= 0);
        QVERIFY(paletteAt > typeAt);
    };
    checkStep(dialog.modeItem(), "Right");
    QCOMPARE(f.fpga->getIsoPara().type, 0); // Above wraps to Below
    QCOMPARE(f.board().registerByte(RegIsoType), uint8_t(0));
    checkStep(dialog.colorItem(), "Right");
    QCOMPARE(QByteArray(f.fpga->getIsoPara().colour), QByteArray("Trans"));
    checkStep(dialog.maxItem(), "Left");
    QCOMPARE(f.fpga->getIsoPara().upper, 79.9f);
    // The lower level may now reach 79.9 at most.
    QCOMPARE(high(dialog.minItem()), 79.9);
    checkStep(dialog.minItem(), "Right");
    QCOMPARE(f.fpga->getIsoPara().lower, 10.1f);
    QCOMPARE(low(dialog.maxItem()), 10.1);
    // Only type, levels and colour change.
    const Isotherm after = f.fpga->getIsoPara();
    QCOMPARE(after.width, before.width);
    QCOMPARE(after.centre, before.centre);
    QCOMPARE(after.bandKind, before.bandKind);
    QCOMPARE(after.selector, 1);
}

void TstIsoSetup::levelsMeetExactly()
{
    ImageFixture f(QByteArray("[ISO]\nIsoLevelMax=20.2\nIsoLevelMin=20\n"));
    EISOSetup dialog(nullptr, Qt::FramelessWindowHint);
    dialog.show();
    step(dialog.minItem(), "Right");
    step(dialog.minItem(), "Right");
    step(dialog.minItem(), "Right");
    QCOMPARE(dialog.minItem()->cleanText(), QStringLiteral("20.2"));
    QCOMPARE(low(dialog.maxItem()), 20.2);
    step(dialog.maxItem(), "Left");
    QCOMPARE(dialog.maxItem()->cleanText(), QStringLiteral("20.2"));
}

void TstIsoSetup::bandOnTheUpload_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("colour");
    const char *types[] = {"Below", "Inter", "Above"};
    const char *colours[] = {"Black", "White", "Green", "Trans"};
    for (int t = 0; t < 3; ++t)
        for (int c = 0; c < 4; ++c)
            QTest::newRow(qPrintable(QStringLiteral("%1 %2").arg(types[t], colours[c]))) << t << c;
}

void TstIsoSetup::bandOnTheUpload()
{
    QFETCH(int, type);
    QFETCH(int, colour);
    ImageFixture f(QByteArray("[ISO]\nIsoLevelMax=60\nIsoLevelMin=30\n"));
    useLevels(f.fpga);
    QCOMPARE(f.fpga->setStandardPaletteIndex(COLOR_IRON), 0);
    QCOMPARE(f.fpga->handLevelSpan(0.0f, 100.0f), 1);
    QCOMPARE(f.fpga->setIsoSwitch(true), 0);
    EISOSetup dialog(nullptr, Qt::FramelessWindowHint);
    dialog.show();
    // Showing sends nothing, so the library still holds Inter and Trans:
    // step round to the wanted entries (a full turn for index 0).
    for (int i = 0; i < (type == 0 ? 3 : type); ++i)
        step(dialog.modeItem(), "Right");
    for (int i = 0; i < (colour == 0 ? 4 : colour); ++i)
        step(dialog.colorItem(), "Right");
    QCOMPARE(f.fpga->getIsoPara().type, type);
    QCOMPARE(QByteArray(f.fpga->getIsoPara().colour), QByteArray(IsoSettings::colourName(colour)));
    // One more live step, so the last upload carries both levels.
    step(dialog.maxItem(), "Right");
    step(dialog.maxItem(), "Left");

    const QByteArray upload = f.board().palette();
    QCOMPARE(upload.size(), 1044);
    const _yuv_item *base = color_tables_yuv[COLOR_IRON];
    // The band's ends as the library computed them: 30 degrees (below it
    // for Below, its lower end for Inter) and 60 degrees (the upper end of
    // Inter, the lower end of Above) in a 0..100 window.
    const int from = std::max(0, f.fpga->isoHandler().lowerIndex());
    const int to = std::min(255, f.fpga->isoHandler().upperIndex());
    const auto near = [](int index, int low, int high) { return index > low && index < high; };
    const bool sensible = type == 0 ? from == 0 && near(to, 30, 110)
                        : type == 1 ? near(from, 30, 110) && near(to, 120, 200)
                                    : near(from, 120, 200) && to == 255;
    QVERIFY2(sensible, qPrintable(QStringLiteral("%1..%2").arg(from).arg(to)));
    _yuv_item named{};
    const bool trans = colour == 3;
    if (!trans)
        QVERIFY(ISOHandler::colourOf(IsoSettings::colourName(colour), &named));
    int inBand = 0;
    for (int k = 0; k < 256; ++k) {
        if (k == from || k == to || k == from - 1 || k == to + 1)
            continue;   // the band's edges belong to the library's rounding
        const auto y = uint8_t(upload[4 * k]), u = uint8_t(upload[4 * k + 1]), v = uint8_t(upload[4 * k + 2]);
        const QString where = QStringLiteral("entry %1 (band %2..%3)").arg(k).arg(from).arg(to);
        if (k > from && k < to) {
            ++inBand;
            if (trans) {
                QVERIFY2(qAbs(y - (base[k].y * 0.5 + 40.5)) <= 1, qPrintable(where));
                QVERIFY2(qAbs(u - (base[k].u * 0.5 + 45.0)) <= 1, qPrintable(where));
                QVERIFY2(qAbs(v - (base[k].v * 0.5 + 119.5)) <= 1, qPrintable(where));
            } else {
                QVERIFY2(y == named.y && u == named.u && v == named.v, qPrintable(where));
            }
        } else {
            QVERIFY2(y == base[k].y && u == base[k].u && v == base[k].v, qPrintable(where));
        }
    }
    QVERIFY(inBand > 20);
}

void TstIsoSetup::closingStoresAndShowsPopup_data()
{
    QTest::addColumn<bool>("escape");
    QTest::newRow("Cancel") << false;
    QTest::newRow("Escape") << true;
}

void TstIsoSetup::closingStoresAndShowsPopup()
{
    QFETCH(bool, escape);
    ImageFixture f;
    useLevels(f.fpga);
    FakeViewHost host;
    EImageTab popup(nullptr, nullptr, Qt::FramelessWindowHint);
    popup.show();
    // The settings page opens the dialog at (0, 40) with the popup hidden.
    QMetaObject::invokeMethod(popup.settingPage(), "isoSetupHandler");
    EISOSetup *dialog = EImageSettingTab::isoSetup();
    QVERIFY(dialog && dialog->isVisible());
    QVERIFY(!popup.isVisible());
    QCOMPARE(dialog->pos(), QPoint(0, 40));
    QVERIFY(!dialog->parent());
    step(dialog->modeItem(), "Left");
    step(dialog->maxItem(), "Right");
    QCOMPARE(f.fpga->getIsoPara().type, 2);
    if (escape)
        QTest::keyClick(dialog, Qt::Key_Escape);
    else
        QTest::mouseClick(dialog->title()->findChild<QPushButton *>(), Qt::LeftButton);
    QVERIFY(!dialog->isVisible());
    QVERIFY(popup.isVisible());
    // Nothing is taken back: the board keeps the edit and the file has it.
    QCOMPARE(f.fpga->getIsoPara().type, 2);
    QCOMPARE(ImageFixture::stored(QStringLiteral("ISO/Mode")).toInt(), 2);
    QCOMPARE(ImageFixture::stored(QStringLiteral("ISO/IsoLevelMax")).toString(), QStringLiteral("30.1"));
    // The same dialog comes back, re-read.
    QMetaObject::invokeMethod(popup.settingPage(), "isoSetupHandler");
    QCOMPARE(EImageSettingTab::isoSetup(), dialog);
    QCOMPARE(dialog->modeItem()->currentIndex(), 2);
    dialog->close();
}

void TstIsoSetup::unwritableSettingsReported()
{
    ImageFixture f;
    QVERIFY(IsoSettings::writeSwitch(true));
    QVERIFY(IsoSettings().write());
    // A folder where the file should be: nothing can be written.
    QVERIFY(QFile::remove(QStringLiteral("Parameter/Setting")));
    QVERIFY(QDir().mkpath(QStringLiteral("Parameter/Setting")));
    QVERIFY(!IsoSettings::writeSwitch(false));
    QVERIFY(!IsoSettings().write());
}

QTEST_MAIN(TstIsoSetup)
#include "tst_isosetup.moc"
