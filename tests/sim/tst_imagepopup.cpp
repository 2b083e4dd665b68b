#include "../image/imagefixture.h"
#include "ecolorrect.h"
#include "eareawidget.h"
#include "eimagemode.h"
#include "eimagepip.h"
#include "eimagetab.h"
#include "eimagetabbar.h"
#include "egraphicsview.h"
#include "mainwindowup.h"
#include "menuroute.h"
#include "emodeitem.h"
#include "ereminditem.h"
#include "etabwidget.h"
#include "evalueitem.h"
#include "simscreen.h"

#include <QPushButton>
#include <QStackedWidget>
#include <QtTest>

#include <cmath>

// The image popup on the simulated camera: its pages driven by clicks
// change what the board draws (visible only, an inset in the chosen
// corner, a 50 % blend, a narrower manual span), and each state is
// written as a PNG when OSTREL_SCREENS_DIR is set.
class TstImagePopup : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void composition();
    void pagesChangeThePicture();
    void areaKeepsItsPlaceThroughTheInset();
};

namespace {
int maxDifference(const QImage &a, const QImage &b, const QRect &area)
{
    int worst = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            worst = std::max({worst, qAbs(qRed(p) - qRed(q)), qAbs(qGreen(p) - qGreen(q)), qAbs(qBlue(p) - qBlue(q))});
        }
    }
    return worst;
}

double greySpread(const QImage &image)
{
    double sum = 0, squares = 0;
    const int n = image.width() * image.height();
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const int g = qGray(image.pixel(x, y));
            sum += g;
            squares += double(g) * g;
        }
    }
    const double mean = sum / n;
    return std::sqrt(squares / n - mean * mean);
}

} // namespace

void TstImagePopup::composition()
{
    ImageFixture f;
    SimBoard &board = f.board();
    f.fpga->setStandardPaletteIndex(COLOR_GREY);
    f.fpga->setLevelSpanMode(MODE_AUTO);
    f.fpga->calcLevelSpan(MODE_AUTO, false);
    const QImage infrared = board.render();
    const QImage visible = board.visiblePicture();
    QVERIFY(maxDifference(infrared, visible, infrared.rect()) > 50);

    f.fpga->setImageMode(Visible);
    QCOMPARE(board.render(), visible);

    // Mode 2: the visible picture at half size in the corner of 0x01 bits 0-1.
    f.fpga->set_IR_Pipe_CCD_Position(POSITION_BOTTOM_RIGHT);
    f.fpga->setImageMode(IR_PIPE_VIS);
    QImage picture = board.render();
    const QRect inset = SimBoard::insetRect(POSITION_BOTTOM_RIGHT);
    QCOMPARE(inset, QRect(192, 144, 192, 144));
    QCOMPARE(maxDifference(picture, infrared, QRect(0, 0, 192, 288)), 0);
    QVERIFY(maxDifference(picture, infrared, inset) > 50);
    const QImage smallVisible = visible.scaled(inset.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QVERIFY(maxDifference(picture.copy(inset), smallVisible, smallVisible.rect()) <= 1);

    // Mode 3: the infrared inset in the corner of bits 4-5, on the visible.
    f.fpga->set_CCD_Pipe_IR_Position(POSITION_TOP_LEFT);
    f.fpga->setImageMode(VIS_PIPE_IR);
    picture = board.render();
    QCOMPARE(maxDifference(picture, visible, QRect(192, 0, 192, 288)), 0);
    QVERIFY(maxDifference(picture, visible, SimBoard::insetRect(POSITION_TOP_LEFT)) > 50);

    // Mode 4 at 50 %: half of each inside the mix window, visible outside.
    f.fpga->set_IR_mix_CCD_percent(0.5f);
    f.fpga->fpga_set_IR_Mix_CCD_Size(0);
    f.fpga->setImageMode(IR_MIX_VIS);
    picture = board.render();
    QCOMPARE(maxDifference(picture, visible, QRect(0, 0, 96, 288)), 0);
    const QPoint centre(150, 140);
    const QRgb a = infrared.pixel(centre), b = visible.pixel(centre), mixed = picture.pixel(centre);
    QVERIFY(qAbs(qRed(mixed) - (qRed(a) + qRed(b)) / 2) <= 1);
    QVERIFY(qAbs(qBlue(mixed) - (qBlue(a) + qBlue(b)) / 2) <= 1);
    // Full: over the whole picture.
    f.fpga->fpga_set_IR_Mix_CCD_Size(1);
    picture = board.render();
    QVERIFY(maxDifference(picture, visible, QRect(0, 0, 96, 288)) > 10);

    // Mode 5: the visible picture blended over the infrared; weight 0 is IR.
    f.fpga->set_CCD_mix_IR_percent(0.0f);
    f.fpga->setImageMode(VIS_MIX_IR);
    QCOMPARE(board.render(), infrared);
    f.fpga->set_CCD_mix_IR_percent(1.0f);
    f.fpga->fpga_set_CCD_Mix_IR_Size(1);
    QCOMPARE(board.render(), visible);
}

void TstImagePopup::pagesChangeThePicture()
{
    FrontFixture f(false);
    {
        QSettings settings(QStringLiteral("Parameter/Setting"), QSettings::NativeFormat);
        settings.setValue(QStringLiteral("ColorTable_Mode"), QStringLiteral("Standard"));
        settings.setValue(QStringLiteral("Standard_ColorTable_Index"), COLOR_GREY);
    }
    SimBoard &board = *f.board;
    const std::unique_ptr<EMainWindow> window = startMainWindow();
    EMainWindow &live = *window;
    QCOMPARE(live.fpga()->getPaletteIndex(), int(COLOR_GREY));
    EColorRect &bar = *live.view()->colorRect();
    QCOMPARE(bar.geometry(), QRect(299, 56, 16, 128));
    EGraphicsView &link = *live.view();
    SimScreen screen;
    screen.setOverlay(&live);
    screen.move(0, 0);
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    // The menu's "Image" tile opens the popup.
    MenuRoute::openImagePopup();
    QVERIFY(live.imagePopup() && live.imagePopup()->isVisible());
    EImageTab &popup = *live.imagePopup();
    QCOMPARE(EGlobal::getImageTab(), &popup);
    QCOMPARE(popup.pos(), QPoint(0, 60));
    QVERIFY(QTest::qWaitForWindowExposed(&popup));
    auto save = [&](const QString &name) {
        screen.setBoardPicture(board.render());
        const QString dir = qEnvironmentVariable("OSTREL_SCREENS_DIR");
        if (!dir.isEmpty())
            QVERIFY(screen.composed().save(dir + QLatin1Char('/') + name));
    };
    const QImage infrared = board.render();
    save(QStringLiteral("image_popup_ir.png"));

    // Picture page: visible only.
    EImagePip *pip = popup.pipPage();
    QCOMPARE(pip->mode(), IR);
    QTest::mouseClick(arrow(pip->modeItem(), "Right"), Qt::LeftButton);
    QCOMPARE(pip->modeItem()->text(), QStringLiteral("Visible"));
    QCOMPARE(board.render(), board.visiblePicture());
    save(QStringLiteral("image_popup_visible.png"));

    // Visible inset, moved to the top-right corner.
    QTest::mouseClick(arrow(pip->modeItem(), "Right"), Qt::LeftButton);
    QTest::mouseClick(arrow(pip->positionItem(), "Left"), Qt::LeftButton);
    QCOMPARE(pip->positionItem()->text(), QStringLiteral("Position: TR"));
    QImage picture = board.render();
    QVERIFY(maxDifference(picture, infrared, SimBoard::insetRect(POSITION_TOP_RIGHT)) > 50);
    QCOMPARE(maxDifference(picture, infrared, SimBoard::insetRect(POSITION_BOTTOM_LEFT)), 0);
    save(QStringLiteral("image_popup_inset.png"));

    // Infrared over visible at the stored 50 %.
    QTest::mouseClick(arrow(pip->modeItem(), "Right"), Qt::LeftButton);
    QTest::mouseClick(arrow(pip->modeItem(), "Right"), Qt::LeftButton);
    QCOMPARE(pip->modeItem()->text(), QStringLiteral("IR_MIX_VIS"));
    QCOMPARE(pip->percentItem()->getValue(), 50);
    picture = board.render();
    const QRgb ir = infrared.pixel(192, 144), vis = board.visiblePicture().pixel(192, 144);
    QVERIFY(qAbs(qGreen(picture.pixel(192, 144)) - (qGreen(ir) + qGreen(vis)) / 2) <= 1);
    save(QStringLiteral("image_popup_blend.png"));

    // Back to infrared, then the level/span page: Manual, and the adjust
    // window narrows the span from both ends.
    QTest::mouseClick(arrow(pip->modeItem(), "Right"), Qt::LeftButton);
    QTest::mouseClick(arrow(pip->modeItem(), "Right"), Qt::LeftButton);
    QCOMPARE(pip->mode(), IR);
    QTest::mouseClick(popup.tabBar()->tab(2), Qt::LeftButton);
    EImageMode *mode = popup.modePage();
    QTest::mouseClick(arrow(mode->modeItem(), "Left"), Qt::LeftButton);
    QCOMPARE(link.getLevelSpanMode(), MODE_MANUAL);
    const QImage before = board.render();
    const float spanBefore = link.getMaxTemp() - link.getMinTemp();
    QTest::mouseClick(mode->adjustItem(), Qt::LeftButton);
    QVERIFY(!popup.isVisible());
    EAdjustLevelItem *adjust = mode->adjustWindow();
    QVERIFY(adjust->isVisible());
    QTest::mouseClick(selectors(adjust).at(3), Qt::LeftButton);
    QTest::mousePress(arrow(adjust, "Left"), Qt::LeftButton);
    for (int tick = 0; tick < 45; ++tick)
        QMetaObject::invokeMethod(mode->downTimer(), "timeout");
    QTest::mouseRelease(arrow(adjust, "Left"), Qt::LeftButton);
    QTest::mouseClick(selectors(adjust).at(1), Qt::LeftButton);
    QTest::mousePress(arrow(adjust, "Right"), Qt::LeftButton);
    for (int tick = 0; tick < 30; ++tick)
        QMetaObject::invokeMethod(mode->upTimer(), "timeout");
    QTest::mouseRelease(arrow(adjust, "Right"), Qt::LeftButton);
    const float spanAfter = link.getMaxTemp() - link.getMinTemp();
    QVERIFY2(spanAfter < spanBefore / 2, qPrintable(QStringLiteral("%1 -> %2").arg(spanBefore).arg(spanAfter)));
    const QImage after = board.render();
    QVERIFY2(greySpread(after) > greySpread(before) * 1.2,
             qPrintable(QStringLiteral("%1 -> %2").arg(greySpread(before)).arg(greySpread(after))));
    QVERIFY(bar.isVisible());
    save(QStringLiteral("image_manual_span.png"));
    // Clearing the overlay takes the bar with it.
    live.view()->clearScreen(true);
    QVERIFY(!bar.isVisible());
    live.view()->clearScreen(false);
    // A touch on bare picture closes the strip; the tile opens the popup
    // on its last page, and a touch beside it closes it.
    MenuRoute::touch(live.view(), MenuRoute::barePoint());
    QVERIFY(!mode->adjustWindowIsVisible());
    MenuRoute::openTile("Image");
    QVERIFY(popup.isVisible());
    QCOMPARE(popup.stack()->currentIndex(), 2);
    MenuRoute::closePopup();
    QVERIFY(!popup.isVisible());
    link.flushPendingSettings();
    QCOMPARE(ImageFixture::stored(QStringLiteral("Manual_MaxTemp")).toString(), QString::asprintf("%.1f", link.getMaxTemp()));
}

// An area at the top of the picture, through the infrared inset and the
// blends back to infrared by the picture page's arrow: it stands where it
// stood and its stored rectangle is untouched. The three states are
// written as PNGs when OSTREL_SCREENS_DIR is set.
void TstImagePopup::areaKeepsItsPlaceThroughTheInset()
{
    FrontFixture f(false);
    QVERIFY(f.settings("[Area_1]\nVisible=true\nPosition_xlt=120\nPosition_ylt=21\nPosition_xrb=200\nPosition_yrb=81\n"));
    SimBoard &board = *f.board;
    const std::unique_ptr<EMainWindow> window = startMainWindow();
    EMainWindow &live = *window;
    EAreaWidget *area = live.view()->getAreaWidget(1);
    QVERIFY(area && area->isVisibled());
    SimScreen screen;
    screen.setOverlay(&live);
    screen.move(0, 0);
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    auto save = [&](const QString &name) {
        screen.setBoardPicture(board.render());
        const QString dir = qEnvironmentVariable("OSTREL_SCREENS_DIR");
        if (!dir.isEmpty())
            QVERIFY(screen.composed().save(dir + QLatin1Char('/') + name));
    };
    const auto drawn = [area] { return QRect(area->getX(), area->getY(), area->width(), area->height()); };
    const auto boardRect = [area] {
        const _area r = area->getPoint();
        return QRect(QPoint(r.x0, r.y0), QPoint(r.x1, r.y1));
    };
    QCOMPARE(drawn(), QRect(120, 21, 80, 60));
    save(QStringLiteral("area_top_before.png"));

    EImageTab &popup = *MenuRoute::openImagePopup();
    EImagePip *pip = popup.pipPage();
    QCOMPARE(pip->mode(), IR);
    for (int click = 0; click < 3; ++click)
        QTest::mouseClick(arrow(pip->modeItem(), "Right"), Qt::LeftButton);
    QCOMPARE(pip->mode(), VIS_PIPE_IR);
    QCOMPARE(pip->positionItem()->text(), QStringLiteral("Position: TL"));
    // Drawn inside the quarter picture, held below the status bar.
    QCOMPARE(drawn(), QRect(60, 21, 40, 30));
    MenuRoute::closePopup();
    save(QStringLiteral("area_top_inset.png"));

    MenuRoute::openTile("Image");
    QVERIFY(popup.isVisible());
    for (int click = 0; click < 3; ++click)
        QTest::mouseClick(arrow(pip->modeItem(), "Right"), Qt::LeftButton);
    QCOMPARE(pip->mode(), IR);
    MenuRoute::closePopup();
    QVERIFY(!popup.isVisible());
    QCOMPARE(drawn(), QRect(120, 21, 80, 60));
    QCOMPARE(boardRect(), QRect(QPoint(120, 21), QPoint(200, 81)));
    save(QStringLiteral("area_top_after.png"));
    live.view()->flushPendingSettings();
    const QRect stored(QPoint(ImageFixture::stored(QStringLiteral("Area_1/Position_xlt")).toInt(),
                              ImageFixture::stored(QStringLiteral("Area_1/Position_ylt")).toInt()),
                       QPoint(ImageFixture::stored(QStringLiteral("Area_1/Position_xrb")).toInt(),
                              ImageFixture::stored(QStringLiteral("Area_1/Position_yrb")).toInt()));
    QCOMPARE(stored, QRect(QPoint(120, 21), QPoint(200, 81)));
}

QTEST_MAIN(TstImagePopup)
#include "tst_imagepopup.moc"
