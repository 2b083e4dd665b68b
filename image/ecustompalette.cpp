#include "ecustompalette.h"

#include "custompalettestore.h"
#include "ecolorflickcharm.h"
#include "ecolorflickcharmtext.h"
#include "ecolorshow.h"
#include "ecolortablerect.h"
#include "ecustommenu.h"
#include "edialogtitle.h"
#include "eglobal.h"
#include "egraphicsview.h"
#include "eimagemode.h"
#include "eimagepalette.h"
#include "eimagetab.h"
#include "eimageviewhost.h"
#include "fpga.h"
#include "padplacement.h"
#include "palettelistframe.h"
#include "palettelistsheet.h"
#include "storedsettings.h"
#include "usekeyboarddialog.h"

#include <QGraphicsScene>
#include <QGraphicsView>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QTextCursor>
#include <QTextEdit>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace {
ECustomMenu *s_menu = nullptr;
UseKeyBoardDialog *s_keyBoard = nullptr;
float dy = 0.0f;

struct StoredChoice
{
    bool custom = false;
    int index = 0;
};

StoredChoice storedChoice()
{
    StoredSettings settings(QStringLiteral("Parameter/Setting"), QSettings::NativeFormat);
    StoredChoice choice;
    choice.custom = settings.value(QStringLiteral("ColorTable_Mode"), QStringLiteral("Standard")).toString() == QLatin1String("Custom");
    bool ok = false;
    const QString key = choice.custom ? QStringLiteral("Custom_ColorTable_Index") : QStringLiteral("Standard_ColorTable_Index");
    choice.index = settings.value(key, 0).toInt(&ok);
    if (!ok)
        choice.index = 0;
    return choice;
}

int uploadCustom(int slot)
{
    FPGA *fpga = EGlobal::getFPGA();
    if (!fpga)
        return -1;
    const YuvTable yuv = CustomPaletteRecord::toYuv(CustomPaletteRecord::read(slot).table());
    return fpga->setCustomPalette(yuv.data(), int(yuv.size()));
}

// What the board showed before a palette was handed to it.
struct BoardPalette
{
    int index = -1;
    YuvTable table{};
};

BoardPalette boardPalette(FPGA *fpga)
{
    BoardPalette saved;
    if (const _yuv_item *current = fpga->getCurrentPalette()) {
        saved.index = fpga->getPaletteIndex();
        std::copy(current, current + 256, saved.table.begin());
    }
    return saved;
}

void restoreBoard(FPGA *fpga, const BoardPalette &saved)
{
    if (saved.index < 0)
        return;
    if (saved.index < COLOR_TABLE_COUNT - 1)
        fpga->setStandardPaletteIndex(COLOR_TABLE(saved.index));
    else
        fpga->setCustomPalette(saved.table.data(), int(saved.table.size()));
}
} // namespace

ECustomPalette::ECustomPalette(QWidget *parent, Qt::WindowFlags flags)
    : QWidget(parent, flags)
    , m_frame(this, tr("Custom Palette"), Qt::AlignTop | Qt::AlignHCenter)
{
    m_table.fill(_rgb_item{0, 0, 0, 0});
    m_frame.scene->setItemIndexMethod(QGraphicsScene::NoIndex);
    m_frame.view->setViewportUpdateMode(QGraphicsView::MinimalViewportUpdate);
    m_frame.view->setResizeAnchor(QGraphicsView::AnchorViewCenter);
    setStyleSheet(paletteListSheet()
                  + QStringLiteral("QPushButton{text-align: left; color: black; background-color: rgb(0,128,240);"
                                   " padding-left: 0px;}"));

    m_charm = new EColorFlickCharm;
    m_charm->activateOn(m_frame.view);
    readList();

    m_editor = new EColorShow(nullptr);
    m_editor->setGeometry(0, 56, 320, 184);
    m_editor->hide();
    m_timer = new QTimer(this);
    m_timer->setSingleShot(true);

    connect(m_frame.title, &EDialogTitle::cancel, this, &ECustomPalette::slot_cancelClicked);
    connect(m_frame.title, &EDialogTitle::done, this, &ECustomPalette::slot_okClicked);
    connect(m_charm, &FlickEngine::clickedPressed, this, &ECustomPalette::clickedPressedHandler);
    connect(m_charm, &FlickEngine::clickedReleased, this, &ECustomPalette::clickedReleasedHandler);
    connect(m_charm, &FlickEngine::clickedMoved, this, &ECustomPalette::clickedMovedHandler);
    connect(m_charm, &FlickEngine::sliderHide, this, &ECustomPalette::sliderHideHandler);
    connect(m_charm, &EColorFlickCharm::settingPressed, this, &ECustomPalette::settingPressedHandler);
    connect(m_charm, &EColorFlickCharm::settingReleased, this, &ECustomPalette::settingReleasedHandler);
    connect(m_frame.view->verticalScrollBar(), &QScrollBar::valueChanged, this, &ECustomPalette::valueChangedHandler);
    connect(m_editor, &EColorShow::signal_okClicked, this, &ECustomPalette::slot_colorShowOkClicked);
    connect(m_timer, &QTimer::timeout, this, &ECustomPalette::slot_longPress);
}

ECustomPalette::~ECustomPalette()
{
    // The scene goes with the children after this object is gone, and its
    // view still reports a scroll change then.
    m_frame.view->verticalScrollBar()->disconnect(this);
    delete m_charm;
    delete m_editor;
    if (s_keyBoard) {
        delete s_keyBoard;
        s_keyBoard = nullptr;
    }
    if (s_menu && s_menu->parent() == this)
        s_menu = nullptr;
}

ECustomMenu *ECustomPalette::menu()
{
    return s_menu;
}

UseKeyBoardDialog *ECustomPalette::keyBoard()
{
    return s_keyBoard;
}

void ECustomPalette::readList()
{
    qDeleteAll(m_rows);
    m_rows.clear();
    StoredSettings settings(QStringLiteral("Parameter/Setting"), QSettings::NativeFormat);
    for (const CustomPaletteNames::Entry &entry : CustomPaletteNames::read(settings)) {
        auto *item = new EColorFlickCharmText(entry.name, entry.slot, RowWidth, RowHeight);
        m_frame.scene->addItem(item);
        item->setFlag(QGraphicsItem::ItemIsSelectable);
        m_rows.append(item);
    }
    layoutRows();
}

void ECustomPalette::layoutRows()
{
    for (int i = 0; i < m_rows.size(); ++i) {
        m_rows[i]->setPos(0, RowHeight * i);
        m_rows[i]->setFirstItem(i == 0);
        m_rows[i]->setLastItem(i == m_rows.size() - 1);
    }
    m_frame.scene->setSceneRect(0, 0, RowWidth, RowHeight * m_rows.size());
}

EColorFlickCharmText *ECustomPalette::rowOfSlot(int slot) const
{
    for (EColorFlickCharmText *row : m_rows) {
        if (row->index() == slot)
            return row;
    }
    return nullptr;
}

int ECustomPalette::positionOf(int slot) const
{
    for (int i = 0; i < m_rows.size(); ++i) {
        if (m_rows[i]->index() == slot)
            return i;
    }
    return -1;
}

bool ECustomPalette::isRow(const QString &text, int index) const
{
    return index != -1 && !text.isEmpty() && rowOfSlot(index);
}

QList<CustomPaletteNames::Entry> ECustomPalette::entries() const
{
    QList<CustomPaletteNames::Entry> list;
    for (EColorFlickCharmText *row : m_rows)
        list.append(CustomPaletteNames::Entry{row->index(), row->text()});
    return list;
}

void ECustomPalette::setChoose(bool chosen)
{
    m_chosen = chosen;
    m_frame.setChoose(chosen);
}

void ECustomPalette::showEvent(QShowEvent *event)
{
    const StoredChoice choice = storedChoice();
    m_current = choice.custom ? choice.index : -1;
    for (EColorFlickCharmText *row : m_rows)
        row->setChecked(false);
    if (EColorFlickCharmText *row = rowOfSlot(m_current)) {
        row->setChecked(true);
        change(m_current);
    } else {
        m_current = -1;
    }
    updateSlider();
    QWidget::showEvent(event);
}

void ECustomPalette::change(int slot)
{
    // The list's own copy, from the stored record: what the editor holds
    // after a Cancel never reaches the preview or Done.
    const CustomPaletteRecord record = CustomPaletteRecord::read(slot);
    m_table = record.table();
    m_minTemp = record.minTemp();
    m_maxTemp = record.maxTemp();
    m_frame.strip->setColorTable(m_table.data());
    updateSlider();
}

void ECustomPalette::updateSlider()
{
    QScrollBar *bar = m_frame.view->verticalScrollBar();
    if (bar->maximum() == 0) {
        m_frame.slider->setFixedHeight(std::max(1, height() - (m_current == -1 ? 31 : 43)));
        dy = 0.0f;
    } else {
        const int h = m_frame.view->height();
        m_frame.slider->setFixedHeight(std::max(1, h * h / (32 * std::max(1, int(m_rows.size())))));
        dy = float(h - m_frame.slider->height()) / float(bar->maximum());
    }
    moveSlider(bar->value());
}

void ECustomPalette::moveSlider(int value)
{
    m_frame.moveSlider(value, dy);
}

void ECustomPalette::valueChangedHandler(int value)
{
    moveSlider(value);
}

void ECustomPalette::clickedPressedHandler(const QString &text, int index)
{
    if (s_menu)
        s_menu->hide();
    m_timer->start(LongPressMs);
    m_pressed = isRow(text, index);
    m_pressedSlot = m_pressed ? index : -1;
    if (!m_pressed)
        return;
    if (EColorFlickCharmText *current = rowOfSlot(m_current))
        current->setHighLight(false);
    rowOfSlot(index)->setHighLight(true);
}

void ECustomPalette::clickedMovedHandler(const QString &, int)
{
    m_timer->stop();
    m_frame.slider->show();
    m_frame.slider->raise();
    if (EColorFlickCharmText *row = rowOfSlot(m_pressedSlot)) {
        row->setHighLight(false);
        row->setSettingHighLight(false);
    }
}

void ECustomPalette::clickedReleasedHandler(const QString &text, int index)
{
    m_timer->stop();
    if (!isRow(text, index))
        return;
    if (EColorFlickCharmText *current = rowOfSlot(m_current))
        current->setChecked(false);
    EColorFlickCharmText *released = rowOfSlot(index);
    released->setChecked(true);
    released->setHighLight(false);
    m_current = index;
    change(index);
    m_frame.strip->show();
}

void ECustomPalette::sliderHideHandler()
{
    m_frame.slider->hide();
}

void ECustomPalette::settingPressedHandler(const QString &text, int index)
{
    if (isRow(text, index))
        rowOfSlot(index)->setSettingHighLight(true);
}

void ECustomPalette::settingReleasedHandler(const QString &text, int index)
{
    if (!isRow(text, index))
        return;
    EColorFlickCharmText *row = rowOfSlot(index);
    row->setSettingHighLight(false);
    m_editor->setCurrentIndex(index);
    m_editor->setTitle(row->text());
    m_editor->hide();
    m_editor->show();
    m_editor->raise();
}

void ECustomPalette::slot_colorShowOkClicked()
{
    if (m_current != -1)
        change(m_current);
    // The palette in force was edited: the board shows what is stored.
    const StoredChoice choice = storedChoice();
    const int edited = m_editor->currentIndex();
    if (choice.custom && choice.index == edited && uploadCustom(edited) == 0) {
        if (EGraphicsView *view = EGlobal::getGraphicsView())
            view->setColorTable(CustomPaletteRecord::read(edited).table().data(), true);
    }
}

void ECustomPalette::slot_longPress()
{
    m_timer->stop();
    if (!s_menu) {
        s_menu = new ECustomMenu(this, 0);
        s_menu->setWindowFlags(Qt::FramelessWindowHint);
        s_menu->setWindowModality(Qt::WindowModal);
        connect(s_menu, &ECustomMenu::signal_add, this, &ECustomPalette::slot_addHandler);
        connect(s_menu, &ECustomMenu::signal_remove, this, &ECustomPalette::slot_removeHandler);
        connect(s_menu, &ECustomMenu::signal_rename, this, &ECustomPalette::slot_renameHandler);
    }
    // The menu acts on the pressed row, or on the chosen one after a press
    // on empty space; without either, Remove and Rename are off.
    EColorFlickCharmText *current = rowOfSlot(m_current);
    m_menuSlot = m_pressed ? m_pressedSlot : (current && current->isChecked() ? m_current : -1);
    s_menu->setRemoveEnable(m_rows.size() >= 3 && m_menuSlot != -1);
    s_menu->setAddEnable(m_rows.size() < CustomPaletteRecord::SlotCount);
    s_menu->setRenameEnable(m_menuSlot != -1);
    s_menu->hide();
    s_menu->show();
    s_menu->raise();
    s_menu->move(138 - s_menu->width() / 2, 92 - s_menu->height() / 2);
}

void ECustomPalette::slot_addHandler()
{
    const QList<CustomPaletteNames::Entry> list = entries();
    const int slot = CustomPaletteNames::firstFreeSlot(list);
    if (slot < 0)
        return;
    auto *item = new EColorFlickCharmText(QStringLiteral("Custom%1").arg(m_rows.size() + 1), slot, RowWidth, RowHeight);
    m_frame.scene->addItem(item);
    item->setFlag(QGraphicsItem::ItemIsSelectable);
    int at = 0;
    while (at < m_rows.size() && m_rows[at]->index() < slot)
        ++at;
    m_rows.insert(at, item);
    layoutRows();
    updateSlider();
}

void ECustomPalette::slot_removeHandler()
{
    const int slot = m_menuSlot;
    if (!rowOfSlot(slot) || m_rows.size() < 3)
        return;
    if (!m_question) {
        m_question = new QMessageBox(QMessageBox::Question, tr("Remove"), QString(),
                                     QMessageBox::Yes | QMessageBox::No, this);
        m_question->setWindowModality(Qt::WindowModal);
    }
    m_question->setText(tr("Remove \"%1\"?").arg(rowOfSlot(slot)->text()));
    m_question->disconnect(this);
    connect(m_question, &QMessageBox::finished, this, [this, slot](int result) {
        if (result == QMessageBox::Yes)
            removePalette(slot);
    });
    m_question->open();
}

void ECustomPalette::removePalette(int slot)
{
    const int r = positionOf(slot);
    if (r < 0 || m_rows.size() < 3)
        return;
    qWarning("currentIndex:%d", m_current);
    // The rows after r move up into the slot of the row before them.
    QList<int> oldSlots, newSlots;
    for (int i = r + 1; i < m_rows.size(); ++i) {
        oldSlots << m_rows[i]->index();
        newSlots << m_rows[i - 1]->index();
    }
    auto mapped = [&](int s) {
        const int at = int(oldSlots.indexOf(s));
        return at >= 0 ? newSlots[at] : s;
    };
    // The row that takes the removed row's place, or the one before it.
    const int successorOld = r + 1 < m_rows.size() ? m_rows[r + 1]->index() : m_rows[r - 1]->index();
    const int successor = mapped(successorOld);

    QList<CustomPaletteNames::Entry> names;
    for (int i = 0; i < m_rows.size(); ++i) {
        if (i != r)
            names.append(CustomPaletteNames::Entry{mapped(m_rows[i]->index()), m_rows[i]->text()});
    }
    const StoredChoice choice = storedChoice();
    const bool activeRemoved = choice.custom && choice.index == slot;
    const int activeSlot = activeRemoved ? successor : mapped(choice.index);
    const bool ok = CustomPaletteStore::commit([&](QSettings &settings) {
        settings.remove(CustomPaletteRecord::group(slot));
        for (int i = 0; i < oldSlots.size(); ++i) {
            qWarning("i:%d oldindex:%d m_currentIndex:%d", r + i, oldSlots[i], m_current);
            CustomPaletteRecord::moveRecord(settings, oldSlots[i], newSlots[i]);
        }
        CustomPaletteNames::write(settings, names);
        if (choice.custom)
            settings.setValue(QStringLiteral("Custom_ColorTable_Index"), activeSlot);
    });
    if (!ok) {
        CustomPaletteStore::reportFailure();
        return;
    }

    const bool wasChecked = rowOfSlot(m_current) && rowOfSlot(m_current)->isChecked();
    const bool removedCurrent = m_current == slot;
    const int current = removedCurrent ? successor : (m_current == -1 ? -1 : mapped(m_current));
    EColorFlickCharmText *removed = m_rows.takeAt(r);
    m_frame.scene->removeItem(removed);
    delete removed;
    for (int i = r; i < m_rows.size(); ++i)
        m_rows[i]->setIndex(mapped(m_rows[i]->index()));
    layoutRows();
    m_current = current;
    if (EColorFlickCharmText *row = rowOfSlot(m_current)) {
        // The row taking the removed chosen row's place takes its check.
        if (removedCurrent)
            row->setChecked(wasChecked);
        change(m_current);
    }
    // The board shows what the settings name.
    if (activeRemoved && uploadCustom(activeSlot) == 0) {
        if (EGraphicsView *view = EGlobal::getGraphicsView())
            view->setColorTable(CustomPaletteRecord::read(activeSlot).table().data(), true);
    }
    updateSlider();
}

void ECustomPalette::slot_renameHandler()
{
    if (s_keyBoard) {
        PadPlacement::show(s_keyBoard);
        return;
    }
    EColorFlickCharmText *row = rowOfSlot(m_menuSlot);
    if (!row)
        return;
    m_renameSlot = m_menuSlot;
    s_keyBoard = new UseKeyBoardDialog;
    s_keyBoard->setCurrentText(row->text());
    s_keyBoard->textEdit->moveCursor(QTextCursor::EndOfWord);
    connect(s_keyBoard, &UseKeyBoardDialog::Keyboard_exit, this, &ECustomPalette::slot_keyboardExit);
    PadPlacement::show(s_keyBoard);
}

void ECustomPalette::slot_keyboardExit(bool accepted)
{
    if (!s_keyBoard)
        return;
    if (accepted) {
        if (EColorFlickCharmText *row = rowOfSlot(m_renameSlot))
            row->setText(CustomPaletteNames::cleaned(s_keyBoard->textEdit->toPlainText()));
    }
    // Deleted later: this runs inside the keyboard's own signal.
    s_keyBoard->close();
    s_keyBoard->deleteLater();
    s_keyBoard = nullptr;
    m_renameSlot = -1;
}

void ECustomPalette::manualSpan(float min, float max, int rangeMin, int rangeMax, float *lower, float *upper)
{
    *lower = std::clamp(min, float(rangeMin), float(rangeMax) - 1.0f);
    *upper = std::clamp(max, *lower + 1.0f, std::max(*lower + 1.0f, float(rangeMax)));
}

void ECustomPalette::showTip(const QString &text)
{
    if (EGraphicsView *view = EGlobal::getGraphicsView()) {
        view->setTipsText(text);
        view->setTipsVisibled(true);
    }
}

void ECustomPalette::slot_okClicked()
{
    if (!rowOfSlot(m_current)) {
        closeMenu();
        close();
        return;
    }
    // The board first: nothing follows a palette the camera does not show.
    const YuvTable yuv = CustomPaletteRecord::toYuv(m_table);
    FPGA *fpga = EGlobal::getFPGA();
    const BoardPalette before = fpga ? boardPalette(fpga) : BoardPalette();
    const int result = fpga ? fpga->setCustomPalette(yuv.data(), int(yuv.size())) : -1;
    if (result != 0) {
        qWarning("ECustomPalette: the board refused custom palette %d (%d)", m_current, result);
        showTip(tr("The palette could not be set!"));
        return;
    }
    const int current = m_current;
    const QList<CustomPaletteNames::Entry> names = entries();
    const bool ok = CustomPaletteStore::commit([&](QSettings &settings) {
        settings.setValue(QStringLiteral("ColorTable_Mode"), QStringLiteral("Custom"));
        settings.setValue(QStringLiteral("Custom_ColorTable_Index"), current);
        CustomPaletteNames::write(settings, names);
    });
    if (!ok) {
        // The file still names the old palette: so does the board.
        restoreBoard(fpga, before);
        CustomPaletteStore::reportFailure();
        return;
    }
    if (EGraphicsView *view = EGlobal::getGraphicsView())
        view->setColorTable(m_table.data(), true);
    EImageTab *popup = EGlobal::getImageTab();
    if (popup)
        popup->palettePage()->chooseItem(1);
    EImageViewHost *host = EImageViewHost::instance();
    if (host && host->getLevelSpanMode() == MODE_MANUAL) {
        float lower = 0, upper = 0;
        manualSpan(m_minTemp, m_maxTemp, host->tempRangeMin(), host->tempRangeMax(), &lower, &upper);
        host->setMaxTempValue(upper);
        host->setMinTempValue(lower);
        if (popup)
            popup->modePage()->setMinMaxTemp(lower, upper);
        host->setMinMaxTempValue(lower, upper);
    }
    closeMenu();
    close();
}

void ECustomPalette::closeMenu()
{
    if (s_menu && s_menu->isVisible())
        s_menu->close();
}

void ECustomPalette::slot_cancelClicked()
{
    closeMenu();
    close();
}

void ECustomPalette::keyPressEvent(QKeyEvent *event)
{
    if (event->key() != Qt::Key_Escape)
        return;
    if (s_menu && s_menu->isVisible())
        s_menu->close();
    else
        close();
}
