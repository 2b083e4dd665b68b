#include "estandardpalette.h"

#include "ecolorrect.h"
#include "ecolortablerect.h"
#include "edialogtitle.h"
#include "eflickcharmtext.h"
#include "eglobal.h"
#include "egraphicsview.h"
#include "eimagepalette.h"
#include "eimagetab.h"
#include "esetupflickcharm.h"
#include "fpga.h"
#include "palettelistframe.h"
#include "palettelistsheet.h"
#include "settingssync.h"
#include "storedsettings.h"

#include <QGraphicsScene>
#include <QGraphicsView>
#include <QKeyEvent>
#include <QLabel>
#include <QScrollBar>
#include <QSettings>

namespace {
const char *const s_paletteStr[COLOR_TABLE_COUNT] = {
    QT_TRANSLATE_NOOP("EStandardPalette", "Iron"),
    QT_TRANSLATE_NOOP("EStandardPalette", "Rainbow"),
    QT_TRANSLATE_NOOP("EStandardPalette", "Grey"),
    QT_TRANSLATE_NOOP("EStandardPalette", "GreyInverted"),
    QT_TRANSLATE_NOOP("EStandardPalette", "Sepia"),
    QT_TRANSLATE_NOOP("EStandardPalette", "Blue_Red"),
    QT_TRANSLATE_NOOP("EStandardPalette", "Hot_Cold"),
    QT_TRANSLATE_NOOP("EStandardPalette", "Feather"),
    QT_TRANSLATE_NOOP("EStandardPalette", "Medical"),
};
constexpr int RowWidth = PaletteListFrame::RowWidth;
constexpr int RowHeight = PaletteListFrame::RowHeight;

float dy = 0.0f;
} // namespace

EStandardPalette::EStandardPalette(QWidget *parent, Qt::WindowFlags flags)
    : QWidget(parent, flags)
    , m_frame(this, tr("Standard Palette"), Qt::AlignLeft | Qt::AlignTop)
{
    m_table.fill(_rgb_item{0, 0, 0, 0});
    qWarning("size of:%d ", int(sizeof(_rgb_item) * m_table.size()));
    setStyleSheet(paletteListSheet());

    m_charm = new ESetupFlickCharm;
    m_charm->activateOn(m_frame.view);
    readList();

    connect(m_frame.title, &EDialogTitle::cancel, this, &EStandardPalette::slot_cancelClicked);
    connect(m_frame.title, &EDialogTitle::done, this, &EStandardPalette::slot_okClicked);
    connect(m_charm, &FlickEngine::clickedPressed, this, &EStandardPalette::clickedPressedHandler);
    connect(m_charm, &FlickEngine::clickedReleased, this, &EStandardPalette::clickedReleasedHandler);
    connect(m_charm, &FlickEngine::clickedMoved, this, &EStandardPalette::clickedMovedHandler);
    connect(m_charm, &FlickEngine::sliderHide, this, &EStandardPalette::sliderHideHandler);
    connect(m_frame.view->verticalScrollBar(), &QScrollBar::valueChanged, this, &EStandardPalette::valueChangedHandler);
}

EStandardPalette::~EStandardPalette()
{
    // The scene goes with the children after this object is gone, and its
    // view still reports a scroll change then.
    m_frame.view->verticalScrollBar()->disconnect(this);
    delete m_charm;
}

float EStandardPalette::sliderFactor()
{
    return dy;
}

void EStandardPalette::readList()
{
    m_names.clear();
    qDeleteAll(m_rows);
    m_rows.clear();
    for (int i = 0; i < COLOR_TABLE_COUNT; ++i) {
        m_names.append(QString::fromLatin1(s_paletteStr[i]));
        auto *item = new EFlickCharmText(tr(s_paletteStr[i]), i, RowWidth, RowHeight);
        item->setPos(0, RowHeight * i);
        m_frame.scene->addItem(item);
        item->setFlag(QGraphicsItem::ItemIsSelectable);
        item->setFirstItem(i == 0);
        item->setLastItem(i == COLOR_TABLE_COUNT - 1);
        m_rows.append(item);
    }
}

EFlickCharmText *EStandardPalette::row(int index) const
{
    return index >= 0 && index < m_rows.size() ? m_rows.at(index) : nullptr;
}

bool EStandardPalette::isRow(const QString &text, int index) const
{
    return index != -1 && !text.isEmpty() && row(index);
}

void EStandardPalette::setChoose(bool chosen)
{
    m_chosen = chosen;
    m_frame.setChoose(chosen);
}

void EStandardPalette::showEvent(QShowEvent *event)
{
    for (EFlickCharmText *item : m_rows)
        item->setChecked(false);
    m_current = -1;
    if (m_chosen) {
        StoredSettings settings(QStringLiteral("Parameter/Setting"), QSettings::NativeFormat);
        bool ok = false;
        const int index = settings.value(QStringLiteral("Standard_ColorTable_Index"), 0).toInt(&ok);
        // A damaged index marks nothing and never reaches the tables.
        if (ok && row(index)) {
            m_current = index;
            row(index)->setChecked(true);
            change(index);
        } else {
            qWarning("EStandardPalette: Standard_ColorTable_Index %s is no palette",
                     qPrintable(settings.value(QStringLiteral("Standard_ColorTable_Index")).toString()));
        }
    }
    updateSlider();
    QWidget::showEvent(event);
}

void EStandardPalette::change(int index)
{
    if (index < 0 || index >= COLOR_TABLE_COUNT)
        return;
    m_table = EColorRect::boardTable(index);
    m_frame.strip->setColorTable(m_table.data());
    updateSlider();
}

void EStandardPalette::updateSlider()
{
    const int height = m_frame.view->height();
    const int maximum = m_frame.view->verticalScrollBar()->maximum();
    m_frame.slider->setFixedHeight(height * height / (32 * int(m_rows.size())));
    // With every row in sight nothing scrolls: no travel, and no division by 0.
    dy = maximum > 0 ? float(height - m_frame.slider->height()) / float(maximum) : 0.0f;
    moveSlider(m_frame.view->verticalScrollBar()->value());
}

void EStandardPalette::moveSlider(int value)
{
    m_frame.moveSlider(value, dy);
}

void EStandardPalette::valueChangedHandler(int value)
{
    moveSlider(value);
}

void EStandardPalette::clickedPressedHandler(const QString &text, int index)
{
    if (!isRow(text, index))
        return;
    if (EFlickCharmText *current = row(m_current))
        current->setHighLight(false);
    row(index)->setHighLight(true);
}

void EStandardPalette::clickedMovedHandler(const QString &text, int index)
{
    m_frame.slider->show();
    m_frame.slider->raise();
    if (isRow(text, index))
        row(index)->setHighLight(false);
}

void EStandardPalette::clickedReleasedHandler(const QString &text, int index)
{
    if (!isRow(text, index))
        return;
    if (EFlickCharmText *current = row(m_current))
        current->setChecked(false);
    EFlickCharmText *released = row(index);
    released->setChecked(true);
    released->setHighLight(false);
    m_current = index;
    m_frame.strip->show();
    change(index);
}

void EStandardPalette::sliderHideHandler()
{
    m_frame.slider->hide();
}

void EStandardPalette::slot_okClicked()
{
    if (m_current == -1) {
        close();
        return;
    }
    FPGA *fpga = EGlobal::getFPGA();
    const int result = fpga ? fpga->setStandardPaletteIndex(m_current) : -1;
    if (result != 0) {
        // The choice stays open and unconfirmed: nothing follows a palette
        // the board does not show.
        qWarning("EStandardPalette: the board refused palette %d (%d)", m_current, result);
        return;
    }
    if (EGraphicsView *view = EGlobal::getGraphicsView())
        view->setColorTable(m_table.data(), false);
    if (EImageTab *popup = EGlobal::getImageTab())
        popup->palettePage()->chooseItem(0);
    storeChoice(m_current);
    close();
}

void EStandardPalette::storeChoice(int index)
{
    StoredSettings settings(QStringLiteral("Parameter/Setting"), QSettings::NativeFormat);
    settings.setValue(QStringLiteral("ColorTable_Mode"), QStringLiteral("Standard"));
    settings.setValue(QStringLiteral("Standard_ColorTable_Index"), index);
    SettingsSync::commit(settings, "the standard palette");
}

void EStandardPalette::slot_cancelClicked()
{
    close();
}

void EStandardPalette::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape)
        slot_cancelClicked();
}
