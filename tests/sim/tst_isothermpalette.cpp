#include "../image/imagefixture.h"
#include "colortables.h"
#include "echeckitem.h"
#include "ecolorrect.h"
#include "ecomboboxitem.h"
#include "edialogtitle.h"
#include "egraphicsview.h"
#include "eimagepalette.h"
#include "eimagesettingtab.h"
#include "eimagetab.h"
#include "eimagetabbar.h"
#include "eisosetup.h"
#include "ereminditem.h"
#include "espinboxitem.h"
#include "estandardpalette.h"
#include "etabitem.h"
#include "etabwidget.h"
#include "etitle.h"
#include "mainwindowup.h"
#include "menuroute.h"
#include "shellscreen.h"
#include "simscreen.h"

#include <QGraphicsView>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

#include <cstring>

// The isotherm and the standard palettes on the simulated camera, reached
// by touch from the simulator's "Image" tab: Above 40 degrees in green
// colours the mug and the hot spot but not the background, Trans blends
// toward red, and Rainbow chosen in the standard list reaches the board and
// survives a restart. Each screen is written as a PNG when
// OSTREL_SCREENS_DIR is set.
class TstIsothermPalette : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void isothermAndRainbow();
};

namespace {
bool sameTable(const RgbTable &a, const RgbTable &b)
{
    return std::memcmp(a.data(), b.data(), sizeof(_rgb_item) * a.size()) == 0;
}

QRgb at(const QImage &picture, const SimBoard &board, const QString &object)
{
    return picture.pixel(board.objectRect(object).center());
}

bool isGreen(QRgb p)
{
    return qGreen(p) > 180 && qRed(p) < 80 && qBlue(p) < 80;
}

void click(QWidget *widget)
{
    QVERIFY(widget);
    QTest::mouseClick(widget, Qt::LeftButton);
}
} // namespace

void TstIsothermPalette::isothermAndRainbow()
{
    FrontFixture f(false);
    SimBoard &board = *f.board;
    ShellScreen shell(board);
    SimScreen &screen = shell.screen;
    std::unique_ptr<EMainWindow> &live = shell.live;
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    auto save = [&](const QString &name) { QVERIFY(shell.save(name)); };
    MenuRoute::openImagePopup();
    EImageTab &popup = *live->imagePopup();
    QVERIFY(QTest::qWaitForWindowExposed(&popup));

    // Settings page: tick ISO, then its settings button.
    click(popup.tabBar()->tab(3));
    EImageSettingTab *settings = popup.settingPage();
    QVERIFY(settings->isVisible());
    const QImage plain = board.render();
    click(settings->isoItem()->checkItem());
    QVERIFY(live->fpga()->getIsoSwitch());
    save(QStringLiteral("image_settings_iso_on.png"));
    click(settings->isoItem()->findChild<QPushButton *>(QStringLiteral("Setting")));
    EISOSetup *iso = EImageSettingTab::isoSetup();
    QVERIFY(iso && iso->isVisible());
    QVERIFY(!popup.isVisible());
    QCOMPARE(iso->pos(), QPoint(0, 40));

    // Above, IsoMax 40 degrees, Green.
    click(iso->modeItem()->findChild<QPushButton *>(QStringLiteral("Left")));
    QCOMPARE(iso->modeItem()->currentIndex(), 2);
    for (int i = 0; i < 100; ++i)
        click(iso->maxItem()->findChild<QPushButton *>(QStringLiteral("Right")));
    QCOMPARE(iso->maxItem()->cleanText(), QStringLiteral("40.0"));
    for (int i = 0; i < 2; ++i)
        click(iso->colorItem()->findChild<QPushButton *>(QStringLiteral("Right")));
    QCOMPARE(QByteArray(live->fpga()->getIsoPara().colour), QByteArray("Green"));
    QImage picture = board.render();
    QVERIFY(isGreen(at(picture, board, QStringLiteral("mug"))));
    QVERIFY(isGreen(at(picture, board, QStringLiteral("hot spot"))));
    QVERIFY(!isGreen(at(picture, board, QStringLiteral("cold pack"))));
    const QPoint background(10, 280);
    QCOMPARE(picture.pixel(background), plain.pixel(background));
    save(QStringLiteral("image_iso_green.png"));

    // Trans: half-way toward red, and Cancel keeps it.
    click(iso->colorItem()->findChild<QPushButton *>(QStringLiteral("Right")));
    picture = board.render();
    const QRgb mug = at(picture, board, QStringLiteral("mug")), before = at(plain, board, QStringLiteral("mug"));
    QVERIFY(qRed(mug) > qGreen(mug) && qRed(mug) > qBlue(mug));
    QVERIFY(mug != before);
    QCOMPARE(picture.pixel(background), plain.pixel(background));
    save(QStringLiteral("image_iso_trans.png"));
    click(iso->title()->findChild<QPushButton *>());
    QVERIFY(!iso->isVisible());
    QVERIFY(popup.isVisible());
    QCOMPARE(QByteArray(live->fpga()->getIsoPara().colour), QByteArray("Trans"));
    QCOMPARE(ImageFixture::stored(QStringLiteral("ISO/Color")).toString(), QStringLiteral("Trans"));
    QCOMPARE(ImageFixture::stored(QStringLiteral("ISO/IsoLevelMax")).toString(), QStringLiteral("40.0"));

    // Palette page: Standard, Rainbow, Done.
    click(popup.tabBar()->tab(1));
    EImagePalette *palette = popup.palettePage();
    QCOMPARE(palette->standardItem()->text(), QStringLiteral("Standard *"));
    save(QStringLiteral("image_palette_page.png"));
    click(palette->standardItem());
    EStandardPalette *list = EImagePalette::standardBrowser();
    QVERIFY(list && list->isVisible());
    QVERIFY(QTest::qWaitForWindowExposed(list));
    QWidget *viewport = list->listView()->viewport();
    const QPoint rainbow = list->listView()->mapFromScene(QPointF(100, 45));
    QTest::mousePress(viewport, Qt::LeftButton, Qt::NoModifier, rainbow);
    QTest::mouseRelease(viewport, Qt::LeftButton, Qt::NoModifier, rainbow);
    QCOMPARE(list->currentIndex(), int(COLOR_RAINBOW));
    save(QStringLiteral("image_standard_palette.png"));
    const RgbTable barBefore = live->view()->colorRect()->getColorTable();
    click(list->title()->findChild<QPushButton *>(QStringLiteral("Done")));
    QVERIFY(!list->isVisible());
    QCOMPARE(live->fpga()->getPaletteIndex(), int(COLOR_RAINBOW));
    // Entry 0 lies below the Above band: the board holds Rainbow's colour.
    QCOMPARE(board.palette().left(4), QByteArray(reinterpret_cast<const char *>(&color_tables_yuv[COLOR_RAINBOW][0]), 4));
    QVERIFY(!sameTable(live->view()->colorRect()->getColorTable(), barBefore));
    QCOMPARE(palette->standardItem()->text(), QStringLiteral("Standard *"));
    live->view()->colorRect()->setVisible(true);
    save(QStringLiteral("image_rainbow.png"));
    live->view()->colorRect()->setVisible(false);
    MenuRoute::closePopup();
    QVERIFY(!popup.isVisible());

    // A restart keeps Rainbow.
    screen.setOverlay(nullptr);
    live.reset();
    live = startMainWindow();
    QCOMPARE(live->fpga()->getPaletteIndex(), int(COLOR_RAINBOW));
    // Start-up restores the stored isotherm too: entry 0 lies below its
    // Above band and holds Rainbow's colour.
    QCOMPARE(board.palette().left(4), QByteArray(reinterpret_cast<const char *>(&color_tables_yuv[COLOR_RAINBOW][0]), 4));
}

QTEST_MAIN(TstIsothermPalette)
#include "tst_isothermpalette.moc"
