#include "../image/imagefixture.h"
#include "custompaletterecord.h"
#include "fingerevent.h"
#include "ecolordialog.h"
#include "ecolorflickcharmtext.h"
#include "ecolorrect.h"
#include "ecolorshow.h"
#include "ecustombutton.h"
#include "ecustommenu.h"
#include "ecustompalette.h"
#include "edialogtitle.h"
#include "egraphicsview.h"
#include "eimagepalette.h"
#include "eimagetab.h"
#include "eimagetabbar.h"
#include "eimageviewhost.h"
#include "ereminditem.h"
#include "espinboxitem.h"
#include "etabitem.h"
#include "etabwidget.h"
#include "mainwindowup.h"
#include "menuroute.h"
#include "shellscreen.h"
#include "simscreen.h"

#include <QCheckBox>
#include <QGraphicsView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTimer>
#include <QtTest>

#include <cstring>

// A palette of one's own on the simulated camera, reached by touch from
// the simulator's "Image" tab: Palette, Custom, a long press and Add give
// Custom3; its settings cell opens the editor, where the ends become blue
// at 10.0 and yellow at 60.0 and a quarter is switched on and dragged;
// Done, then the row and Done: the picture and the bar take the palette
// and, in Manual, the scale becomes 10..60. Each screen is written as a
// PNG when OSTREL_SCREENS_DIR is set.
class TstSimCustomPalette : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void ownPalette();
    void markerLabelsReadable_data();
    void markerLabelsReadable();
};

namespace {
void click(QWidget *widget)
{
    QVERIFY(widget);
    QTest::mouseClick(widget, Qt::LeftButton);
}

QPushButton *titleButton(EDialogTitle *title, const QString &name)
{
    return title->findChild<QPushButton *>(name);
}

void touchRow(ECustomPalette *list, int position, int x, bool release = true)
{
    QGraphicsView *view = list->listView();
    view->ensureVisible(QRectF(0, position * 30, 10, 30), 0, 0);
    const QPoint at = view->mapFromScene(QPointF(x, position * 30 + 15));
    QWidget *vp = view->viewport();
    fingerEvent(vp, QEvent::MouseButtonPress, at, vp->mapToGlobal(at));
    if (release)
        fingerEvent(vp, QEvent::MouseButtonRelease, at, vp->mapToGlobal(at));
}

void releaseRow(ECustomPalette *list, int position, int x)
{
    QGraphicsView *view = list->listView();
    const QPoint at = view->mapFromScene(QPointF(x, position * 30 + 15));
    QWidget *vp = view->viewport();
    fingerEvent(vp, QEvent::MouseButtonRelease, at, vp->mapToGlobal(at));
}

// The chooser answers colour (and temperature) by its editors and Ok.
void chooseColour(EColorDialog *chooser, const QColor &colour, float t = 0, bool enable = false)
{
    QVERIFY(chooser->isVisible());
    chooser->setInitialColor(colour);
    if (chooser->valueItem()->isVisible())
        chooser->valueItem()->setValue(t, false);
    else if (chooser->checkBox()->isChecked() != enable)
        click(chooser->checkBox());
}
} // namespace

void TstSimCustomPalette::ownPalette()
{
    FrontFixture f(false);
    SimBoard &board = *f.board;
    ShellScreen shell(board);
    SimScreen &screen = shell.screen;
    std::unique_ptr<EMainWindow> &live = shell.live;
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    auto save = [&](const QString &name) { QVERIFY(shell.save(name)); };
    EImageViewHost *host = EImageViewHost::instance();
    QVERIFY(host);
    host->setLevelSpanMode(MODE_MANUAL);
    MenuRoute::openImagePopup();
    EImageTab &popup = *live->imagePopup();
    QVERIFY(QTest::qWaitForWindowExposed(&popup));

    // Palette page, Custom.
    click(popup.tabBar()->tab(1));
    EImagePalette *palettePage = popup.palettePage();
    click(palettePage->customItem());
    ECustomPalette *list = EImagePalette::customBrowser();
    QVERIFY(list && list->isVisible());
    QVERIFY(QTest::qWaitForWindowExposed(list));
    QCOMPARE(list->rows().size(), 2);
    save(QStringLiteral("custom_list.png"));

    // A finger resting on the list for a second: the menu; Add.
    touchRow(list, 1, 100, false);
    QVERIFY(list->longPressTimer()->isActive());
    QCOMPARE(list->longPressTimer()->interval(), 1000);
    list->longPressTimer()->setInterval(1);
    QTRY_VERIFY(ECustomPalette::menu() && ECustomPalette::menu()->isVisible());
    releaseRow(list, 1, 100);
    save(QStringLiteral("custom_menu.png"));
    click(ECustomPalette::menu()->addButton());
    QCOMPARE(list->rows().size(), 3);
    QCOMPARE(list->rowOfSlot(2)->text(), QStringLiteral("Custom3"));

    // Remove asks first; No keeps every palette.
    touchRow(list, 0, 100, false);
    list->longPressTimer()->setInterval(1);
    QTRY_VERIFY(ECustomPalette::menu()->isVisible());
    releaseRow(list, 0, 100);
    QVERIFY(ECustomPalette::menu()->removeEnabled());
    click(ECustomPalette::menu()->removeButton());
    QMessageBox *question = list->removeQuestion();
    QVERIFY(question && question->isVisible());
    QVERIFY(QTest::qWaitForWindowExposed(question));
    save(QStringLiteral("custom_remove_question.png"));
    click(question->button(QMessageBox::No));
    QCOMPARE(list->rows().size(), 3);

    // Its settings cell: the editor.
    touchRow(list, 2, 255);
    EColorShow *editor = list->editor();
    QVERIFY(editor->isVisible());
    QVERIFY(QTest::qWaitForWindowExposed(editor));
    QCOMPARE(editor->title()->text(), QStringLiteral("Custom3"));
    save(QStringLiteral("custom_editor.png"));
    EColorDialog *chooser = editor->chooser();
    click(editor->minButton());
    QVERIFY(QTest::qWaitForWindowExposed(chooser));
    chooseColour(chooser, QColor(0, 0, 255), 10.0f);
    save(QStringLiteral("custom_chooser_min.png"));
    click(chooser->okButton());
    click(editor->maxButton());
    chooseColour(chooser, QColor(255, 255, 0), 60.0f);
    click(chooser->okButton());
    QCOMPARE(editor->minButton()->text(), QStringLiteral("10.0"));
    QCOMPARE(editor->maxButton()->text(), QStringLiteral("60.0"));
    click(editor->marker(1));
    chooseColour(chooser, QColor(255, 0, 0), 0, true);
    save(QStringLiteral("custom_chooser_quarter.png"));
    click(chooser->okButton());
    QVERIFY(editor->record().enabled(1));
    // Drag the quarter 20 pixels to the right.
    ECustomButton *marker = editor->marker(1);
    QPoint local(marker->width() / 2, 16);
    QPoint global = marker->mapToGlobal(local);
    fingerEvent(marker, QEvent::MouseButtonPress, local, global);
    for (int i = 1; i <= 2; ++i)
        fingerEvent(marker, QEvent::MouseMove, marker->mapFromGlobal(global + QPoint(10 * i, 0)), global + QPoint(10 * i, 0));
    QCOMPARE(editor->record().position(1), 148);
    QVERIFY(editor->dragLabel(1)->isVisible());
    save(QStringLiteral("custom_editor_drag.png"));
    fingerEvent(marker, QEvent::MouseButtonRelease, marker->mapFromGlobal(global + QPoint(20, 0)), global + QPoint(20, 0));
    QVERIFY(!chooser->isVisible());
    save(QStringLiteral("custom_editor_done.png"));
    click(titleButton(editor->title(), QStringLiteral("Done")));
    QVERIFY(!editor->isVisible());
    QCOMPARE(ImageFixture::stored(QStringLiteral("CustomPalette/Name2/TwoQuarterPosition")).toInt(), 148);

    // Tap the row, Done.
    touchRow(list, 2, 100);
    QCOMPARE(list->currentIndex(), 2);
    save(QStringLiteral("custom_list_chosen.png"));
    click(titleButton(list->title(), QStringLiteral("Done")));
    QVERIFY(!list->isVisible());
    const RgbTable table = CustomPaletteRecord::read(2).table();
    const YuvTable yuv = CustomPaletteRecord::toYuv(table);
    QCOMPARE(board.palette().left(1024), QByteArray(reinterpret_cast<const char *>(yuv.data()), 1024));
    QCOMPARE(int(table[0].b), 255);
    QCOMPARE(int(table[255].r), 255);
    QCOMPARE(int(table[148].r), 255);
    // In Manual the bar previews the new palette over the new span.
    RgbTable preview{};
    QVERIFY(EGraphicsView::previewTable(table, 10.0f, 60.0f, live->view()->tempRangeMin(), live->view()->tempRangeMax(), &preview));
    QVERIFY(std::memcmp(live->view()->colorRect()->getColorTable().data(), preview.data(), 1024) == 0);
    QCOMPARE(palettePage->customItem()->text(), QStringLiteral("Custom *"));
    QCOMPARE(host->getMinTemp(), 10.0f);
    QCOMPARE(host->getMaxTemp(), 60.0f);
    QCOMPARE(ImageFixture::stored(QStringLiteral("CustomPalette/Name/Name2")).toString(), QStringLiteral("Custom3"));
    live->view()->colorRect()->setVisible(true);
    save(QStringLiteral("custom_applied.png"));
    MenuRoute::closePopup();

    // A restart keeps it.
    screen.setOverlay(nullptr);
    live.reset();
    live = startMainWindow();
    QCOMPARE(board.palette().left(1024), QByteArray(reinterpret_cast<const char *>(yuv.data()), 1024));
}

void TstSimCustomPalette::markerLabelsReadable_data()
{
    QTest::addColumn<int>("quarter");
    QTest::addColumn<int>("dx");
    QTest::newRow("first to the left end") << 0 << -120;
    QTest::newRow("second against the first") << 1 << -120;
    QTest::newRow("second against the third") << 1 << 120;
    QTest::newRow("third to the right end") << 2 << 120;
}

// While a marker is held the labels stay whole and apart: each marker
// shows its whole text inside its button, and the held marker's label is
// drawn over no other temperature.
void TstSimCustomPalette::markerLabelsReadable()
{
    QFETCH(int, quarter);
    QFETCH(int, dx);
    FrontFixture f(false);
    ShellScreen shell(*f.board);
    QVERIFY(QTest::qWaitForWindowExposed(&shell.screen));
    EColorShow editor;
    editor.setCurrentIndex(2);
    editor.setGeometry(0, 56, 320, 184);
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));

    ECustomButton *marker = editor.marker(quarter);
    const QPoint global = marker->mapToGlobal(QPoint(marker->width() / 2, 16));
    fingerEvent(marker, QEvent::MouseButtonPress, marker->mapFromGlobal(global), global);
    for (int i = 1; i <= 4; ++i) {
        const QPoint at = global + QPoint(dx * i / 4, 0);
        fingerEvent(marker, QEvent::MouseMove, marker->mapFromGlobal(at), at);
    }
    QLabel *label = editor.dragLabel(quarter);
    QVERIFY(label->isVisible());
    QList<QPushButton *> others{editor.minButton(), editor.maxButton()};
    for (int k = 0; k < 3; ++k) {
        ECustomButton *m = editor.marker(k);
        QStyleOptionButton option;
        option.initFrom(m);
        option.features |= QStyleOptionButton::Flat;
        const QRect contents = m->style()->subElementRect(QStyle::SE_PushButtonContents, &option, m);
        QVERIFY2(QFontMetrics(m->font()).horizontalAdvance(m->text()) <= contents.width(), qPrintable(m->text()));
        if (k != quarter)
            others << m;
    }
    for (QPushButton *other : others) {
        if (other->isVisible())
            QVERIFY2(!label->geometry().intersects(other->geometry()), qPrintable(other->text()));
    }
    QVERIFY(shell.save(QStringLiteral("custom_editor_drag_%1.png").arg(QTest::currentDataTag()).replace(QLatin1Char(' '), QLatin1Char('_'))));
    fingerEvent(marker, QEvent::MouseButtonRelease, marker->mapFromGlobal(global), global);
    QVERIFY(!label->isVisible());
}

QTEST_MAIN(TstSimCustomPalette)
#include "tst_simcustompalette.moc"
