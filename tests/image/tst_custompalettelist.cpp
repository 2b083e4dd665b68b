#include "custompalettenames.h"
#include "custompaletterecord.h"
#include "ecolorflickcharmtext.h"
#include "ecolorshow.h"
#include "ecolortablerect.h"
#include "ecustomitem.h"
#include "ecustommenu.h"
#include "ecustompalette.h"
#include "edialogtitle.h"
#include "egraphicsview.h"
#include "eimagemode.h"
#include "eimagepalette.h"
#include "eimagetab.h"
#include "ereminditem.h"
#include "fingerevent.h"
#include "imagefixture.h"
#include "usekeyboarddialog.h"

#include <QDir>
#include <QFile>
#include <QGraphicsView>
#include <QMessageBox>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTextEdit>
#include <QTimer>
#include <QtTest>

#include <cstring>

// The custom palette list over the simulated board: rows by slot, the long
// press menu, Remove writing records, names and the active slot together,
// Rename's keyboard, Done (board first, then the rest, and the manual
// span), and a model-based run of random steps across restarts in which
// names, records, the active slot and the board's palette always agree.
class TstCustomPaletteList : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void freshFile();
    void activeSlotDefaultsToZero();
    void customItemRow();
    void rowsCarryTheirSlot();
    void longPressMenu_data();
    void longPressMenu();
    void addTakesFirstFreeSlot();
    void removeRenumbersAndStoresAtOnce();
    void removeAsksAndNoKeepsAll();
    void removeWithoutTargetIsOff();
    void renameCleansTheText_data();
    void renameCleansTheText();
    void keyboardCancelDeletesLater();
    void editorCancelKeepsListCopy();
    void doneAppliesBoardFirst();
    void refusedBoardStaysOpen();
    void unwritableFileRestoresBoard();
    void unwritableFileKeepsRemovedRow();
    void manualSpan_data();
    void manualSpan();
    void doneInManualSetsTheSpan();
    void modelRun();
};

namespace {
const QByteArray s_fourPalettes =
    "[General]\nColorTable_Mode=Custom\nCustom_ColorTable_Index=1\n"
    "[CustomPalette]\nName\\Name0=A\nName\\Name1=B\nName\\Name2=C\nName\\Name3=D\n"
    "Name1\\Point0_Red=255\nName1\\Point0_Green=0\nName1\\Point0_Blue=0\n"
    "Name2\\Point0_Red=0\nName2\\Point0_Green=255\nName2\\Point0_Blue=0\n"
    "Name3\\Point0_Red=0\nName3\\Point0_Green=0\nName3\\Point0_Blue=255\n";

QPushButton *titleButton(EDialogTitle *title, const QString &text)
{
    for (QPushButton *b : title->findChildren<QPushButton *>())
        if (b->text() == text)
            return b;
    return nullptr;
}

QPoint rowPoint(ECustomPalette *list, int position, int x = 100)
{
    QGraphicsView *view = list->listView();
    view->ensureVisible(QRectF(0, position * 30, 10, 30), 0, 0);
    return view->mapFromScene(QPointF(x, position * 30 + 15));
}

void tapRow(ECustomPalette *list, int position)
{
    const QPoint at = rowPoint(list, position);
    fingerEvent(list->listView()->viewport(), QEvent::MouseButtonPress, at);
    fingerEvent(list->listView()->viewport(), QEvent::MouseButtonRelease, at);
}

void tapSettings(ECustomPalette *list, int position)
{
    const QPoint at = rowPoint(list, position, 255);
    fingerEvent(list->listView()->viewport(), QEvent::MouseButtonPress, at);
    fingerEvent(list->listView()->viewport(), QEvent::MouseButtonRelease, at);
}

// A finger resting on a row (or, with position -1, below the rows) until
// the long-press timer fires.
void longPress(ECustomPalette *list, int position)
{
    QGraphicsView *view = list->listView();
    QPoint at = position >= 0 ? rowPoint(list, position) : QPoint(100, view->viewport()->height() - 2);
    if (position < 0)
        view->verticalScrollBar()->setValue(view->verticalScrollBar()->maximum());
    fingerEvent(view->viewport(), QEvent::MouseButtonPress, at);
    QVERIFY(list->longPressTimer()->isActive());
    QCOMPARE(list->longPressTimer()->interval(), int(ECustomPalette::LongPressMs));
    list->slot_longPress();
    fingerEvent(view->viewport(), QEvent::MouseButtonRelease, at);
}

QStringList rowTexts(ECustomPalette *list)
{
    QStringList texts;
    for (EColorFlickCharmText *row : list->rows())
        texts << row->text();
    return texts;
}

QList<int> rowSlots(ECustomPalette *list)
{
    QList<int> slotList;
    for (EColorFlickCharmText *row : list->rows())
        slotList << row->index();
    return slotList;
}

void answerRemove(ECustomPalette *list, QMessageBox::StandardButton answer)
{
    QMessageBox *box = list->removeQuestion();
    QVERIFY(box && box->isVisible());
    QTest::mouseClick(box->button(answer), Qt::LeftButton);
}

void menuClick(QPushButton *button)
{
    QTest::mouseClick(button, Qt::LeftButton);
}

QByteArray boardYuv(const SimBoard &board)
{
    return board.palette().left(1024);
}

QByteArray yuvOf(int slot)
{
    const YuvTable yuv = CustomPaletteRecord::toYuv(CustomPaletteRecord::read(slot).table());
    return QByteArray(reinterpret_cast<const char *>(yuv.data()), 1024);
}

struct List
{
    explicit List(const QByteArray &settings = QByteArray())
        : f(settings)
    {
        list = std::make_unique<ECustomPalette>();
        list->setGeometry(0, 56, 276, 184);
    }
    void open(bool chosen = true)
    {
        list->setChoose(chosen);
        list->hide();
        list->show();
    }
    ImageFixture f;
    FakeViewHost host;
    EImageTab popup{nullptr, nullptr, Qt::FramelessWindowHint};
    std::unique_ptr<ECustomPalette> list;
};
} // namespace

void TstCustomPaletteList::freshFile()
{
    List l;
    l.open(false);
    QCOMPARE(rowTexts(l.list.get()), (QStringList{"Custom1", "Custom2"}));
    QCOMPARE(l.list->currentIndex(), -1);
    QCOMPARE(l.list->title()->text(), QStringLiteral("Custom Palette"));
}

void TstCustomPaletteList::activeSlotDefaultsToZero()
{
    // As the colour bar reads it at start-up.
    List l("[General]\nColorTable_Mode=Custom\n");
    l.open();
    QCOMPARE(l.list->currentIndex(), 0);
    QVERIFY(l.list->rowOfSlot(0)->isChecked());
    QVERIFY(l.list->strip()->isVisible());
}

void TstCustomPaletteList::customItemRow()
{
    TestRoot root;
    ECustomItem item(QStringLiteral("Mine"));
    item.show();
    QCOMPARE(item.height(), 48);
    QSignalSpy byText(&item, qOverload<const QString &>(&ECustomItem::clicked));
    QSignalSpy byState(&item, &QAbstractButton::clicked);
    QTest::mouseClick(&item, Qt::LeftButton);
    QVERIFY(item.isChecked());
    QCOMPARE(byText.size(), 1);
    QCOMPARE(byText.first().at(0).toString(), QStringLiteral("Mine"));
    QCOMPARE(byState.first().at(0).toBool(), true);
    QVERIFY(!item.grab().isNull());
}

void TstCustomPaletteList::rowsCarryTheirSlot()
{
    // A gap in the names: rows keep their slotList, and a tap previews the
    // palette of the row's own slot.
    List l("[General]\nColorTable_Mode=Custom\nCustom_ColorTable_Index=4\n"
           "[CustomPalette]\nName\\Name0=A\nName\\Name1=B\nName\\Name4=E\n"
           "Name4\\Point0_Red=7\nName4\\Point0_Green=7\nName4\\Point0_Blue=7\n");
    l.open();
    QCOMPARE(rowSlots(l.list.get()), (QList<int>{0, 1, 4}));
    QCOMPARE(l.list->currentIndex(), 4);
    QVERIFY(l.list->rowOfSlot(4)->isChecked());
    QCOMPARE(int(l.list->previewTable()[0].r), 7);
    tapRow(l.list.get(), 1);
    QCOMPARE(l.list->currentIndex(), 1);
    tapRow(l.list.get(), 2);
    QCOMPARE(l.list->currentIndex(), 4);
    QCOMPARE(int(l.list->strip()->getColorTable()[0].r), 7);
    // Done writes each name under its own slot.
    QTest::mouseClick(titleButton(l.list->title(), QStringLiteral("Done")), Qt::LeftButton);
    QCOMPARE(ImageFixture::stored(QStringLiteral("CustomPalette/Name/Name4")).toString(), QStringLiteral("E"));
    QVERIFY(!ImageFixture::stored(QStringLiteral("CustomPalette/Name/Name2")).isValid());
    QCOMPARE(ImageFixture::stored(QStringLiteral("Custom_ColorTable_Index")).toInt(), 4);
}

void TstCustomPaletteList::longPressMenu_data()
{
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<int>("position");
    QTest::addColumn<bool>("add");
    QTest::addColumn<bool>("remove");
    QTest::addColumn<bool>("rename");
    QTest::newRow("two rows, on a row") << QByteArray() << 0 << true << false << true;
    QTest::newRow("two rows, empty space, none chosen") << QByteArray() << -1 << true << false << false;
    QTest::newRow("four rows, empty space, one chosen") << s_fourPalettes << -1 << true << true << true;
    QByteArray ten = "[CustomPalette]\n";
    for (int i = 0; i < 10; ++i)
        ten += "Name\\Name" + QByteArray::number(i) + "=P" + QByteArray::number(i) + "\n";
    QTest::newRow("ten rows, on a row") << ten << 3 << false << true << true;
}

void TstCustomPaletteList::longPressMenu()
{
    QFETCH(QByteArray, settings);
    QFETCH(int, position);
    QFETCH(bool, add);
    QFETCH(bool, remove);
    QFETCH(bool, rename);
    List l(settings);
    l.open();
    longPress(l.list.get(), position);
    ECustomMenu *menu = ECustomPalette::menu();
    QVERIFY(menu && menu->isVisible());
    QCOMPARE(menu->pos(), QPoint(78, 42));
    QCOMPARE(menu->addEnabled(), add);
    QCOMPARE(menu->removeEnabled(), remove);
    QCOMPARE(menu->renameEnabled(), rename);
    const int rows = l.list->rows().size();
    // An entry that is off only closes the menu.
    if (!add) {
        menuClick(menu->addButton());
        QCOMPARE(l.list->rows().size(), rows);
        QVERIFY(!menu->isVisible());
    }
    if (!remove) {
        longPress(l.list.get(), position);
        menuClick(menu->removeButton());
        QVERIFY(!l.list->removeQuestion() || !l.list->removeQuestion()->isVisible());
        QCOMPARE(l.list->rows().size(), rows);
    }
    // Escape closes the menu first, then the list.
    longPress(l.list.get(), position);
    QTest::keyClick(l.list.get(), Qt::Key_Escape);
    QVERIFY(!menu->isVisible());
    QVERIFY(l.list->isVisible());
    QTest::keyClick(l.list.get(), Qt::Key_Escape);
    QVERIFY(!l.list->isVisible());
}

void TstCustomPaletteList::addTakesFirstFreeSlot()
{
    List l("[CustomPalette]\nName\\Name0=A\nName\\Name1=\nName\\Name2=C\n");
    l.open();
    QCOMPARE(rowSlots(l.list.get()), (QList<int>{0, 2}));
    longPress(l.list.get(), 0);
    menuClick(ECustomPalette::menu()->addButton());
    QCOMPARE(rowSlots(l.list.get()), (QList<int>{0, 1, 2}));
    QCOMPARE(rowTexts(l.list.get()), (QStringList{"A", "Custom3", "C"}));
    // Nothing written until Done.
    QVERIFY(ImageFixture::stored(QStringLiteral("CustomPalette/Name/Name1")).toString().isEmpty());
}

void TstCustomPaletteList::removeRenumbersAndStoresAtOnce()
{
    List l(s_fourPalettes);
    l.open();
    const QByteArray slot2 = yuvOf(2), slot3 = yuvOf(3);
    longPress(l.list.get(), 1);
    menuClick(ECustomPalette::menu()->removeButton());
    answerRemove(l.list.get(), QMessageBox::Yes);
    QCOMPARE(rowTexts(l.list.get()), (QStringList{"A", "C", "D"}));
    QCOMPARE(rowSlots(l.list.get()), (QList<int>{0, 1, 2}));
    // Records, names and the active slot are in the file already.
    QCOMPARE(yuvOf(1), slot2);
    QCOMPARE(yuvOf(2), slot3);
    QVERIFY(!ImageFixture::stored(QStringLiteral("CustomPalette/Name3/Point0_Red")).isValid());
    QCOMPARE(ImageFixture::stored(QStringLiteral("CustomPalette/Name/Name1")).toString(), QStringLiteral("C"));
    QVERIFY(!ImageFixture::stored(QStringLiteral("CustomPalette/Name/Name3")).isValid());
    QCOMPARE(ImageFixture::stored(QStringLiteral("Custom_ColorTable_Index")).toInt(), 1);
    // The chosen row was removed: its successor is chosen, checked, and on
    // the board, as the settings say.
    QCOMPARE(l.list->currentIndex(), 1);
    QVERIFY(l.list->rowOfSlot(1)->isChecked());
    QCOMPARE(boardYuv(l.f.board()), yuvOf(1));
    // Cancel now changes nothing of it.
    QTest::mouseClick(titleButton(l.list->title(), QStringLiteral("Cancel")), Qt::LeftButton);
    ECustomPalette again;
    QCOMPARE(rowTexts(&again), (QStringList{"A", "C", "D"}));
}

void TstCustomPaletteList::removeAsksAndNoKeepsAll()
{
    List l(s_fourPalettes);
    l.open();
    const QByteArray before = QByteArray(ImageFixture::stored(QStringLiteral("CustomPalette/Name/Name3")).toByteArray());
    longPress(l.list.get(), 3);
    menuClick(ECustomPalette::menu()->removeButton());
    answerRemove(l.list.get(), QMessageBox::No);
    QCOMPARE(l.list->rows().size(), 4);
    QCOMPARE(ImageFixture::stored(QStringLiteral("CustomPalette/Name/Name3")).toByteArray(), before);
    // The long-pressed row goes, not the last one; the palette in force
    // (slot 1) keeps its slot.
    longPress(l.list.get(), 2);
    menuClick(ECustomPalette::menu()->removeButton());
    answerRemove(l.list.get(), QMessageBox::Yes);
    QCOMPARE(rowTexts(l.list.get()), (QStringList{"A", "B", "D"}));
    // Lifting the finger chose the pressed row; its successor takes over.
    QCOMPARE(l.list->currentIndex(), 2);
    QCOMPARE(ImageFixture::stored(QStringLiteral("Custom_ColorTable_Index")).toInt(), 1);
}

void TstCustomPaletteList::removeWithoutTargetIsOff()
{
    List l("[CustomPalette]\nName\\Name0=A\nName\\Name1=B\nName\\Name2=C\n");
    l.open();
    QCOMPARE(l.list->currentIndex(), -1);
    longPress(l.list.get(), -1);
    QVERIFY(!ECustomPalette::menu()->removeEnabled());
    QVERIFY(!ECustomPalette::menu()->renameEnabled());
    l.list->slot_removeHandler();
    l.list->slot_renameHandler();
    QCOMPARE(l.list->rows().size(), 3);
    QCOMPARE(l.list->currentIndex(), -1);
    QVERIFY(!ECustomPalette::keyBoard());
}

void TstCustomPaletteList::renameCleansTheText_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("name");
    QTest::newRow("plain") << "Hot pipes" << "Hot pipes";
    QTest::newRow("empty") << "" << " ";
    QTest::newRow("blanks") << "   " << " ";
    QTest::newRow("second line dropped") << " first \nsecond" << "first";
    QTest::newRow("long") << QString(40, QLatin1Char('x')) << QString(32, QLatin1Char('x'));
    QTest::newRow("key-like") << "a/b=c" << "a/b=c";
}

void TstCustomPaletteList::renameCleansTheText()
{
    QFETCH(QString, typed);
    QFETCH(QString, name);
    List l;
    l.open();
    longPress(l.list.get(), 1);
    menuClick(ECustomPalette::menu()->renameButton());
    UseKeyBoardDialog *keyboard = ECustomPalette::keyBoard();
    QVERIFY(keyboard && keyboard->isVisible());
    QCOMPARE(keyboard->textEdit->toPlainText(), QStringLiteral("Custom2"));
    keyboard->textEdit->setPlainText(typed);
    QPointer<UseKeyBoardDialog> guard(keyboard);
    QTest::mouseClick(keyboard->button, Qt::LeftButton);
    QVERIFY(!ECustomPalette::keyBoard());
    QVERIFY(guard);
    QTRY_VERIFY(!guard);
    QCOMPARE(l.list->rowOfSlot(1)->text(), name);
    tapRow(l.list.get(), 1);
    QTest::mouseClick(titleButton(l.list->title(), QStringLiteral("Done")), Qt::LeftButton);
    // Stored as a value; read back the same, and no stray key appeared.
    ECustomPalette again;
    QCOMPARE(again.rowOfSlot(1)->text(), name);
    QSettings settings(QStringLiteral("Parameter/Setting"), QSettings::NativeFormat);
    settings.beginGroup(QStringLiteral("CustomPalette/Name"));
    QCOMPARE(settings.childKeys(), (QStringList{"Name0", "Name1"}));
}

void TstCustomPaletteList::keyboardCancelDeletesLater()
{
    List l;
    l.open();
    longPress(l.list.get(), 0);
    menuClick(ECustomPalette::menu()->renameButton());
    QPointer<UseKeyBoardDialog> keyboard(ECustomPalette::keyBoard());
    keyboard->textEdit->setPlainText(QStringLiteral("zzz"));
    QTest::mouseClick(keyboard->button_2, Qt::LeftButton);
    QTRY_VERIFY(!keyboard);
    QCOMPARE(l.list->rowOfSlot(0)->text(), QStringLiteral("Custom1"));
}

void TstCustomPaletteList::editorCancelKeepsListCopy()
{
    List l(s_fourPalettes);
    l.open();
    QCOMPARE(l.list->currentIndex(), 1);
    const RgbTable chosen = l.list->previewTable();
    tapSettings(l.list.get(), 3);
    EColorShow *editor = l.list->editor();
    QVERIFY(editor->isVisible());
    QCOMPARE(editor->currentIndex(), 3);
    QCOMPARE(editor->title()->text(), QStringLiteral("D"));
    QTest::mouseClick(titleButton(editor->title(), QStringLiteral("Cancel")), Qt::LeftButton);
    QVERIFY(std::memcmp(l.list->previewTable().data(), chosen.data(), 1024) == 0);
    QTest::mouseClick(titleButton(l.list->title(), QStringLiteral("Done")), Qt::LeftButton);
    QCOMPARE(boardYuv(l.f.board()), yuvOf(1));
    // An edit stored by the editor's Done of the chosen slot reaches the
    // preview at once.
    l.open();
    tapSettings(l.list.get(), 1);
    editor->selectColor(QColor(0, 0, 0), QStringLiteral("minColor"), 5.0f);
    QTest::mouseClick(titleButton(editor->title(), QStringLiteral("Done")), Qt::LeftButton);
    QCOMPARE(int(l.list->previewTable()[0].r), 0);
    QCOMPARE(l.list->minTemp(), 5.0f);
}

void TstCustomPaletteList::doneAppliesBoardFirst()
{
    List l;
    l.popup.palettePage()->chooseItem(0);
    l.open(false);
    tapRow(l.list.get(), 1);
    QVERIFY(l.list->strip()->isVisible());
    QTest::mouseClick(titleButton(l.list->title(), QStringLiteral("Done")), Qt::LeftButton);
    QVERIFY(!l.list->isVisible());
    QCOMPARE(boardYuv(l.f.board()), yuvOf(1));
    QCOMPARE(ImageFixture::stored(QStringLiteral("ColorTable_Mode")).toString(), QStringLiteral("Custom"));
    QCOMPARE(ImageFixture::stored(QStringLiteral("Custom_ColorTable_Index")).toInt(), 1);
    QCOMPARE(l.popup.palettePage()->customItem()->text(), QStringLiteral("Custom *"));
    // Not in Manual: the level/span is left alone.
    QCOMPARE(l.host.applied, 0);
}

void TstCustomPaletteList::refusedBoardStaysOpen()
{
    List l;
    l.popup.palettePage()->chooseItem(0);
    l.open(false);
    tapRow(l.list.get(), 0);
    SimBoard::FaultRule rule;
    rule.fault = SimBoard::FailWrite;
    rule.offset = 0x1300;
    l.f.board().addFault(rule);
    QTest::mouseClick(titleButton(l.list->title(), QStringLiteral("Done")), Qt::LeftButton);
    QVERIFY(l.list->isVisible());
    QVERIFY(!ImageFixture::stored(QStringLiteral("ColorTable_Mode")).isValid());
    QCOMPARE(l.popup.palettePage()->customItem()->text(), QStringLiteral("Custom"));
    l.f.board().clearFaults();
    QTest::mouseClick(titleButton(l.list->title(), QStringLiteral("Done")), Qt::LeftButton);
    QVERIFY(!l.list->isVisible());
    QCOMPARE(ImageFixture::stored(QStringLiteral("ColorTable_Mode")).toString(), QStringLiteral("Custom"));
}

void TstCustomPaletteList::unwritableFileRestoresBoard()
{
    List l("[General]\nStandard_ColorTable_Index=2\n");
    EGraphicsView view;
    l.f.fpga->setStandardPaletteIndex(COLOR_GREY);
    const QByteArray before = boardYuv(l.f.board());
    l.open(false);
    tapRow(l.list.get(), 0);
    QVERIFY(QFile::remove(QStringLiteral("Parameter/Setting")));
    QVERIFY(QDir().mkpath(QStringLiteral("Parameter/Setting")));
    QTest::mouseClick(titleButton(l.list->title(), QStringLiteral("Done")), Qt::LeftButton);
    QVERIFY(l.list->isVisible());
    QCOMPARE(boardYuv(l.f.board()), before);
    QCOMPARE(view.getTipsText(), QStringLiteral("Cannot save the palettes!"));
    QVERIFY(view.tipsVisibled());
    QVERIFY(QDir().rmdir(QStringLiteral("Parameter/Setting")));
}

void TstCustomPaletteList::unwritableFileKeepsRemovedRow()
{
    List l(s_fourPalettes);
    l.open();
    longPress(l.list.get(), 2);
    menuClick(ECustomPalette::menu()->removeButton());
    const QByteArray slot2 = yuvOf(2);
    QVERIFY(QFile::remove(QStringLiteral("Parameter/Setting")));
    QVERIFY(QDir().mkpath(QStringLiteral("Parameter/Setting")));
    answerRemove(l.list.get(), QMessageBox::Yes);
    QCOMPARE(rowTexts(l.list.get()), (QStringList{"A", "B", "C", "D"}));
    QVERIFY(QDir().rmdir(QStringLiteral("Parameter/Setting")));
    // Once the file is back, a later write of another screen does not carry
    // the failed change into it.
    QVERIFY(l.f.front.settings(s_fourPalettes));
    {
        QSettings other(QStringLiteral("Parameter/Setting"), QSettings::NativeFormat);
        other.setValue(QStringLiteral("Lang"), 1);
    }
    QCOMPARE(yuvOf(2), slot2);
    QCOMPARE(ImageFixture::stored(QStringLiteral("CustomPalette/Name/Name3")).toString(), QStringLiteral("D"));
}

void TstCustomPaletteList::manualSpan_data()
{
    QTest::addColumn<float>("min");
    QTest::addColumn<float>("max");
    QTest::addColumn<int>("rangeMin");
    QTest::addColumn<int>("rangeMax");
    QTest::addColumn<float>("lower");
    QTest::addColumn<float>("upper");
    QTest::newRow("inside") << 10.0f << 60.0f << -20 << 150 << 10.0f << 60.0f;
    QTest::newRow("below the range") << -50.0f << 60.0f << -20 << 150 << -20.0f << 60.0f;
    QTest::newRow("above the range") << 10.0f << 500.0f << -20 << 150 << 10.0f << 150.0f;
    QTest::newRow("wholly above") << 200.0f << 300.0f << -20 << 150 << 149.0f << 150.0f;
    QTest::newRow("wholly below") << -90.0f << -60.0f << -20 << 150 << -20.0f << -19.0f;
}

void TstCustomPaletteList::manualSpan()
{
    QFETCH(float, min);
    QFETCH(float, max);
    QFETCH(int, rangeMin);
    QFETCH(int, rangeMax);
    QFETCH(float, lower);
    QFETCH(float, upper);
    float l = 0, u = 0;
    ECustomPalette::manualSpan(min, max, rangeMin, rangeMax, &l, &u);
    QCOMPARE(l, lower);
    QCOMPARE(u, upper);
    QVERIFY(l + 1.0f <= u);
}

void TstCustomPaletteList::doneInManualSetsTheSpan()
{
    List l("[CustomPalette]\nName2\\T_Min=-50.0\nName2\\T_Max=60.0\nName\\Name2=Cold\n");
    l.host.mode = MODE_MANUAL;
    l.open(false);
    tapRow(l.list.get(), 2);
    QTest::mouseClick(titleButton(l.list->title(), QStringLiteral("Done")), Qt::LeftButton);
    QCOMPARE(l.host.minTemp, -20.0f);
    QCOMPARE(l.host.maxTemp, 60.0f);
    QCOMPARE(l.host.applied, 1);
    QCOMPARE(ImageFixture::stored(QStringLiteral("Manual_MinTemp")).toString().trimmed(), QStringLiteral("-20.0"));
}

// Random steps over a list that is closed and reopened, rebuilt from the
// file ("restart") now and then; after every step the file, the open list
// and the board agree.
void TstCustomPaletteList::modelRun()
{
    List l(s_fourPalettes);
    l.f.fpga->setCustomPalette(reinterpret_cast<const _yuv_item *>(yuvOf(1).constData()), 256);
    QRandomGenerator random(7411);
    auto check = [&](const char *step) {
        QSettings settings(QStringLiteral("Parameter/Setting"), QSettings::NativeFormat);
        const QList<CustomPaletteNames::Entry> names = CustomPaletteNames::read(settings);
        QList<int> slotList;
        for (const auto &entry : names)
            slotList << entry.slot;
        QVERIFY2(names.size() >= 2 && names.size() <= 10, step);
        const bool custom = settings.value(QStringLiteral("ColorTable_Mode")).toString() == QLatin1String("Custom");
        if (custom) {
            const int active = settings.value(QStringLiteral("Custom_ColorTable_Index")).toInt();
            QVERIFY2(slotList.contains(active), step);
            QVERIFY2(boardYuv(l.f.board()) == yuvOf(active), step);
        }
    };
    for (int stepNo = 0; stepNo < 120; ++stepNo) {
        if (!l.list->isVisible())
            l.open();
        ECustomPalette *list = l.list.get();
        const int rows = list->rows().size();
        const int op = random.bounded(9);
        const char *name = "";
        switch (op) {
        case 0:
            name = "add";
            longPress(list, random.bounded(rows));
            menuClick(ECustomPalette::menu()->addButton());
            break;
        case 1:
            name = "remove";
            longPress(list, random.bounded(rows));
            menuClick(ECustomPalette::menu()->removeButton());
            if (list->removeQuestion() && list->removeQuestion()->isVisible())
                answerRemove(list, random.bounded(3) ? QMessageBox::Yes : QMessageBox::No);
            break;
        case 2: {
            name = "rename";
            longPress(list, random.bounded(rows));
            menuClick(ECustomPalette::menu()->renameButton());
            UseKeyBoardDialog *keyboard = ECustomPalette::keyBoard();
            QVERIFY(keyboard);
            keyboard->textEdit->setPlainText(QStringLiteral("N%1").arg(stepNo));
            QTest::mouseClick(random.bounded(2) ? keyboard->button : keyboard->button_2, Qt::LeftButton);
            break;
        }
        case 3:
        case 4:
            name = "tap";
            tapRow(list, random.bounded(rows));
            break;
        case 5: {
            name = "editor";
            tapSettings(list, random.bounded(rows));
            EColorShow *editor = list->editor();
            editor->selectColor(QColor::fromHsv(random.bounded(360), 255, 255), QStringLiteral("minColor"),
                                float(random.bounded(-20, 100)));
            QTest::mouseClick(titleButton(editor->title(), random.bounded(2) ? QStringLiteral("Done") : QStringLiteral("Cancel")),
                              Qt::LeftButton);
            break;
        }
        case 6:
            name = "done";
            QTest::mouseClick(titleButton(list->title(), QStringLiteral("Done")), Qt::LeftButton);
            break;
        case 7:
            name = "cancel";
            QTest::mouseClick(titleButton(list->title(), QStringLiteral("Cancel")), Qt::LeftButton);
            break;
        case 8:
            name = "restart";
            l.list = std::make_unique<ECustomPalette>();
            l.list->setGeometry(0, 56, 276, 184);
            break;
        }
        QApplication::processEvents();
        check(name);
        if (QTest::currentTestFailed())
            return;
    }
}

QTEST_MAIN(TstCustomPaletteList)
#include "tst_custompalettelist.moc"
