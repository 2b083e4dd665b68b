#include "colortables.h"
#include "echeckitem.h"
#include "ecolorrect.h"
#include "ecolortablerect.h"
#include "ecustompalette.h"
#include "edialogtitle.h"
#include "eflickcharmtext.h"
#include "egraphicsview.h"
#include "eimagepalette.h"
#include "eimagesettingtab.h"
#include "eimagetab.h"
#include "ereminditem.h"
#include "estandardpalette.h"
#include "etabitem.h"
#include "imagefixture.h"

#include <QGraphicsView>
#include <QLabel>
#include <QScrollBar>
#include <QStackedWidget>
#include <QtTest>

#include <cstring>

#include <cmath>

// The palette page with the standard and the custom list,
// and the settings page with its isotherm tick and Clear
// Screen, each driven by touch over the simulated board.
class TstPalettePages : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void captions_data();
    void captions();
    void listsBuiltOnce();
    void standardDoneCancelEscape_data();
    void standardDoneCancelEscape();
    void dragDoesNotChoose();
    void storedIndexChecked_data();
    void storedIndexChecked();
    void refusedPaletteStaysOpen();
    void sliderWithEveryRowVisible();
    void isoTick();
    void isoTickRefused();
    void clearScreen();

private:
    QPushButton *button(QWidget *title, const QString &text)
    {
        for (QPushButton *b : title->findChildren<QPushButton *>())
            if (b->text() == text)
                return b;
        return nullptr;
    }
};

namespace {
bool sameTable(const RgbTable &a, const RgbTable &b)
{
    return std::memcmp(a.data(), b.data(), sizeof(_rgb_item) * a.size()) == 0;
}

constexpr uint32_t RegIsoEnable = 0x200;
constexpr uint32_t RegPalette = 0x1300;

// A touch on the list's viewport, as the finger gives it.
void touch(QWidget *viewport, QEvent::Type type, const QPoint &pos)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButtons buttons = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, QPointF(pos), QPointF(viewport->mapToGlobal(pos)), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(viewport, &event);
}

void tapRow(EStandardPalette *list, int index)
{
    QGraphicsView *view = list->listView();
    view->verticalScrollBar()->setValue(0);
    if (index * 30 + 15 > view->viewport()->height())
        view->verticalScrollBar()->setValue(index * 30 - 30);
    const QPoint at = view->mapFromScene(QPointF(100, index * 30 + 15));
    touch(view->viewport(), QEvent::MouseButtonPress, at);
    touch(view->viewport(), QEvent::MouseButtonRelease, at);
}

EStandardPalette *openStandard(EImagePalette *page)
{
    QTest::mouseClick(page->standardItem(), Qt::LeftButton);
    EStandardPalette *list = EImagePalette::standardBrowser();
    if (list)
        (void)QTest::qWaitForWindowExposed(list);
    return list;
}

QList<int> checkedRows(EStandardPalette *list)
{
    QList<int> rows;
    for (EFlickCharmText *row : list->rows())
        if (row->isChecked())
            rows << row->index();
    return rows;
}
// The popup open on its settings page.
struct SettingsPage
{
    SettingsPage()
    {
        popup.stack()->setCurrentWidget(page);
        popup.show();
    }
    FakeViewHost host;
    EImageTab popup{nullptr, nullptr, Qt::FramelessWindowHint};
    EImageSettingTab *page = popup.settingPage();
};
} // namespace

void TstPalettePages::captions_data()
{
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<QString>("standard");
    QTest::addColumn<QString>("custom");
    QTest::newRow("nothing stored") << QByteArray() << "Standard *" << "Custom";
    QTest::newRow("Standard") << QByteArray("ColorTable_Mode=Standard\n") << "Standard *" << "Custom";
    QTest::newRow("lower case") << QByteArray("ColorTable_Mode=standard\n") << "Standard" << "Custom *";
    QTest::newRow("Custom") << QByteArray("ColorTable_Mode=Custom\n") << "Standard" << "Custom *";
}

void TstPalettePages::captions()
{
    QFETCH(QByteArray, settings);
    QFETCH(QString, standard);
    QFETCH(QString, custom);
    ImageFixture f(QByteArray("[General]\n") + settings);
    EImagePalette page;
    QCOMPARE(page.standardItem()->text(), standard);
    QCOMPARE(page.customItem()->text(), custom);
    page.chooseItem(1);
    QCOMPARE(page.standardItem()->text(), QStringLiteral("Standard"));
    QCOMPARE(page.customItem()->text(), QStringLiteral("Custom *"));
    page.chooseItem(0);
    QCOMPARE(page.standardItem()->text(), QStringLiteral("Standard *"));
}

void TstPalettePages::listsBuiltOnce()
{
    ImageFixture f(QByteArray("[General]\nColorTable_Mode=Custom\n"));
    FakeViewHost host;
    EImageTab popup(nullptr, nullptr, Qt::FramelessWindowHint);
    EImagePalette *page = popup.palettePage();
    QTest::mouseClick(page->customItem(), Qt::LeftButton);
    ECustomPalette *custom = EImagePalette::customBrowser();
    QVERIFY(custom && custom->isVisible());
    QCOMPARE(custom->geometry(), QRect(0, 56, 276, 184));
    QVERIFY(custom->chosen());
    QTest::keyClick(custom, Qt::Key_Escape);
    QVERIFY(!custom->isVisible());
    QTest::mouseClick(page->customItem(), Qt::LeftButton);
    QCOMPARE(EImagePalette::customBrowser(), custom);
    QTest::mouseClick(button(custom->title(), QStringLiteral("Cancel")), Qt::LeftButton);
    QVERIFY(!custom->isVisible());

    EStandardPalette *list = openStandard(page);
    QVERIFY(list && list->isVisible());
    QCOMPARE(list->geometry(), QRect(0, 56, 276, 184));
    QVERIFY(!list->parent());
    // Custom is in force: no row checked, no strip.
    QVERIFY(checkedRows(list).isEmpty());
    QVERIFY(!list->strip()->isVisible());
    QCOMPARE(list->currentIndex(), -1);
    list->close();
    QCOMPARE(openStandard(page), list);
    list->close();
}

void TstPalettePages::standardDoneCancelEscape_data()
{
    QTest::addColumn<QString>("way");
    QTest::addColumn<int>("row");
    QTest::newRow("Done Rainbow") << "Done" << int(COLOR_RAINBOW);
    QTest::newRow("Done Medical") << "Done" << int(COLOR_MEDICAL);
    QTest::newRow("Cancel") << "Cancel" << int(COLOR_RAINBOW);
    QTest::newRow("Escape") << "Escape" << int(COLOR_SEPIA);
}

void TstPalettePages::standardDoneCancelEscape()
{
    QFETCH(QString, way);
    QFETCH(int, row);
    ImageFixture f(QByteArray("[General]\nColorTable_Mode=Custom\n"));
    EGraphicsView view;
    FakeViewHost host;
    EImageTab popup(nullptr, nullptr, Qt::FramelessWindowHint);
    EImagePalette *page = popup.palettePage();
    const int uploads = f.board().paletteUploads();
    const QByteArray boardBefore = f.board().palette();
    EStandardPalette *list = openStandard(page);
    tapRow(list, row);
    QCOMPARE(checkedRows(list), QList<int>{row});
    QVERIFY(list->strip()->isVisible());
    // The strip shows the board's colours of that palette.
    const RgbTable board = EColorRect::boardTable(row);
    QVERIFY(sameTable(list->strip()->getColorTable(), board));
    // Nothing has left the list yet.
    QCOMPARE(f.board().paletteUploads(), uploads);

    if (way == QLatin1String("Done")) {
        QTest::mouseClick(button(list->title(), QStringLiteral("Done")), Qt::LeftButton);
        QVERIFY(!list->isVisible());
        QCOMPARE(f.fpga->getPaletteIndex(), row);
        QCOMPARE(f.board().palette().left(1024),
                 QByteArray(reinterpret_cast<const char *>(color_tables_yuv[row]), 1024));
        QVERIFY(sameTable(view.colorRect()->getColorTable(), board));
        QCOMPARE(page->standardItem()->text(), QStringLiteral("Standard *"));
        QCOMPARE(page->customItem()->text(), QStringLiteral("Custom"));
        QCOMPARE(ImageFixture::stored(QStringLiteral("ColorTable_Mode")).toString(), QStringLiteral("Standard"));
        QCOMPARE(ImageFixture::stored(QStringLiteral("Standard_ColorTable_Index")).toInt(), row);
        // Opened again, the stored row is checked and previewed at once.
        openStandard(page);
        QCOMPARE(checkedRows(list), QList<int>{row});
        QVERIFY(sameTable(list->strip()->getColorTable(), board));
        list->close();
        return;
    }
    if (way == QLatin1String("Escape"))
        QTest::keyClick(list, Qt::Key_Escape);
    else
        QTest::mouseClick(button(list->title(), QStringLiteral("Cancel")), Qt::LeftButton);
    QVERIFY(!list->isVisible());
    QCOMPARE(f.board().paletteUploads(), uploads);
    QCOMPARE(f.board().palette(), boardBefore);
    QCOMPARE(page->customItem()->text(), QStringLiteral("Custom *"));
    QCOMPARE(ImageFixture::stored(QStringLiteral("ColorTable_Mode")).toString(), QStringLiteral("Custom"));
    QVERIFY(!ImageFixture::stored(QStringLiteral("Standard_ColorTable_Index")).isValid());
}

void TstPalettePages::dragDoesNotChoose()
{
    ImageFixture f(QByteArray("[General]\nStandard_ColorTable_Index=2\n"));
    FakeViewHost host;
    EImageTab popup(nullptr, nullptr, Qt::FramelessWindowHint);
    EStandardPalette *list = openStandard(popup.palettePage());
    QCOMPARE(checkedRows(list), QList<int>{2});
    QGraphicsView *view = list->listView();
    QWidget *viewport = view->viewport();
    const QPoint start = view->mapFromScene(QPointF(100, 45));
    touch(viewport, QEvent::MouseButtonPress, start);
    QVERIFY(list->rows().at(1)->isHighLight());
    for (int dy = 5; dy <= 60; dy += 5)
        touch(viewport, QEvent::MouseMove, start - QPoint(0, dy));
    QVERIFY(list->slider()->isVisible());
    QVERIFY(!list->rows().at(1)->isHighLight());
    touch(viewport, QEvent::MouseButtonRelease, start - QPoint(0, 60));
    QVERIFY(!list->slider()->isVisible());
    QCOMPARE(checkedRows(list), QList<int>{2});
    QCOMPARE(list->currentIndex(), 2);
    // A release on a row does choose it.
    tapRow(list, 4);
    QCOMPARE(checkedRows(list), QList<int>{4});
    QCOMPARE(list->currentIndex(), 4);
    list->close();
}

void TstPalettePages::storedIndexChecked_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<int>("current");
    QTest::newRow("missing") << QByteArray() << 0;
    QTest::newRow("8") << QByteArray("Standard_ColorTable_Index=8\n") << 8;
    QTest::newRow("9") << QByteArray("Standard_ColorTable_Index=9\n") << -1;
    QTest::newRow("-1") << QByteArray("Standard_ColorTable_Index=-1\n") << -1;
    QTest::newRow("1000000") << QByteArray("Standard_ColorTable_Index=1000000\n") << -1;
    QTest::newRow("text") << QByteArray("Standard_ColorTable_Index=Rainbow\n") << -1;
}

void TstPalettePages::storedIndexChecked()
{
    QFETCH(QByteArray, stored);
    QFETCH(int, current);
    ImageFixture f(QByteArray("[General]\n") + stored);
    FakeViewHost host;
    EImageTab popup(nullptr, nullptr, Qt::FramelessWindowHint);
    EStandardPalette *list = openStandard(popup.palettePage());
    QCOMPARE(list->currentIndex(), current);
    QCOMPARE(checkedRows(list), current < 0 ? QList<int>{} : QList<int>{current});
    // Done with nothing chosen only closes.
    const int uploads = f.board().paletteUploads();
    if (current < 0) {
        QTest::mouseClick(button(list->title(), QStringLiteral("Done")), Qt::LeftButton);
        QVERIFY(!list->isVisible());
        QCOMPARE(f.board().paletteUploads(), uploads);
    }
    list->close();
}

void TstPalettePages::refusedPaletteStaysOpen()
{
    ImageFixture f(QByteArray("[General]\nStandard_ColorTable_Index=2\n"));
    EGraphicsView view;
    FakeViewHost host;
    EImageTab popup(nullptr, nullptr, Qt::FramelessWindowHint);
    EImagePalette *page = popup.palettePage();
    page->chooseItem(1);
    const RgbTable barBefore = view.colorRect()->getColorTable();
    EStandardPalette *list = openStandard(page);
    QVERIFY(list->strip()->isHidden());
    tapRow(list, COLOR_FEATHER);
    SimBoard::FaultRule rule;
    rule.fault = SimBoard::FailWrite;
    rule.offset = RegPalette;
    f.board().addFault(rule);
    QTest::mouseClick(button(list->title(), QStringLiteral("Done")), Qt::LeftButton);
    QVERIFY(list->isVisible());
    QCOMPARE(list->currentIndex(), int(COLOR_FEATHER));
    QVERIFY(sameTable(view.colorRect()->getColorTable(), barBefore));
    QCOMPARE(page->standardItem()->text(), QStringLiteral("Standard"));
    QCOMPARE(ImageFixture::stored(QStringLiteral("Standard_ColorTable_Index")).toInt(), 2);
    QVERIFY(!ImageFixture::stored(QStringLiteral("ColorTable_Mode")).isValid());
    // Once the board takes it, everything follows.
    f.board().clearFaults();
    QTest::mouseClick(button(list->title(), QStringLiteral("Done")), Qt::LeftButton);
    QVERIFY(!list->isVisible());
    QCOMPARE(ImageFixture::stored(QStringLiteral("Standard_ColorTable_Index")).toInt(), int(COLOR_FEATHER));
    QCOMPARE(page->standardItem()->text(), QStringLiteral("Standard *"));
}

void TstPalettePages::sliderWithEveryRowVisible()
{
    ImageFixture f;
    EStandardPalette list;
    list.setChoose(true);
    list.setGeometry(0, 0, 276, 184);
    list.show();
    QVERIFY(list.listView()->verticalScrollBar()->maximum() > 0);
    QVERIFY(EStandardPalette::sliderFactor() > 0.0f);
    const QPoint top = list.slider()->pos();
    list.listView()->verticalScrollBar()->setValue(list.listView()->verticalScrollBar()->maximum());
    QVERIFY(list.slider()->y() > top.y());
    QCOMPARE(list.slider()->x(), 276 - 3);
    // Tall enough for all nine rows: nothing scrolls and the factor is 0.
    list.resize(276, 400);
    QTRY_COMPARE(list.listView()->verticalScrollBar()->maximum(), 0);
    list.hide();
    list.show();
    QCOMPARE(EStandardPalette::sliderFactor(), 0.0f);
    QCOMPARE(list.slider()->y(), 26);
}

void TstPalettePages::isoTick()
{
    ImageFixture f;
    EGraphicsView view;
    SettingsPage shown;
    EImageTab &popup = shown.popup;
    EImageSettingTab *page = shown.page;
    QVERIFY(!page->isoItem()->checked());
    QTest::mouseClick(page->isoItem()->checkItem(), Qt::LeftButton);
    QVERIFY(page->isoItem()->checked());
    QVERIFY(f.fpga->getIsoSwitch());
    QCOMPARE(f.board().registerByte(RegIsoEnable), uint8_t(1));
    QCOMPARE(ImageFixture::stored(QStringLiteral("ISO/Switch")).toInt(), 1);
    QTest::mouseClick(page->isoItem()->checkItem(), Qt::LeftButton);
    QVERIFY(!page->isoItem()->checked());
    QVERIFY(!f.fpga->getIsoSwitch());
    QCOMPARE(ImageFixture::stored(QStringLiteral("ISO/Switch")).toInt(), 0);
    // Each showing re-reads the key.
    {
        QSettings settings(QStringLiteral("Parameter/Setting"), QSettings::NativeFormat);
        settings.setValue(QStringLiteral("ISO/Switch"), 1);
    }
    popup.hide();
    popup.show();
    QVERIFY(page->isoItem()->checked());
}

void TstPalettePages::isoTickRefused()
{
    ImageFixture f;
    SettingsPage shown;
    EImageSettingTab *page = shown.page;
    SimBoard::FaultRule rule;
    rule.fault = SimBoard::FailWrite;
    rule.offset = RegIsoEnable;
    f.board().addFault(rule);
    QTest::mouseClick(page->isoItem()->checkItem(), Qt::LeftButton);
    QVERIFY(!page->isoItem()->checked());
    QVERIFY(!ImageFixture::stored(QStringLiteral("ISO/Switch")).isValid());
    QVERIFY(!f.fpga->getIsoSwitch());
    // A refused upload counts as refused too.
    f.board().clearFaults();
    rule.offset = RegPalette;
    f.board().addFault(rule);
    QTest::mouseClick(page->isoItem()->checkItem(), Qt::LeftButton);
    QVERIFY(!page->isoItem()->checked());
    QVERIFY(!ImageFixture::stored(QStringLiteral("ISO/Switch")).isValid());
    f.board().clearFaults();
    QTest::mouseClick(page->isoItem()->checkItem(), Qt::LeftButton);
    QVERIFY(page->isoItem()->checked());
    QCOMPARE(ImageFixture::stored(QStringLiteral("ISO/Switch")).toInt(), 1);
}

void TstPalettePages::clearScreen()
{
    ImageFixture f;
    EGraphicsView view;
    SettingsPage shown;
    EImageTab &popup = shown.popup;
    EImageSettingTab *page = shown.page;
    QVERIFY(!page->clearItem()->checked());
    QTest::mouseClick(page->clearItem(), Qt::LeftButton);
    QVERIFY(page->clearItem()->checked());
    QVERIFY(view.screenStatus());
    QTest::mouseClick(page->clearItem(), Qt::LeftButton);
    QVERIFY(!page->clearItem()->checked());
    QVERIFY(!view.screenStatus());
    QVERIFY(!ImageFixture::stored(QStringLiteral("ClearScreen")).isValid());
    // Cleared elsewhere: the next showing ticks it.
    view.clearScreen(true);
    popup.hide();
    popup.show();
    QVERIFY(page->clearItem()->checked());
    view.clearScreen(false);
}

QTEST_MAIN(TstPalettePages)
#include "tst_palettepages.moc"
