#include "eimagesettingtab.h"

#include "echeckitem.h"
#include "eglobal.h"
#include "egraphicsview.h"
#include "eimagetab.h"
#include "eisosetup.h"
#include "etabitem.h"
#include "fpga.h"
#include "isosettings.h"

#include <QFrame>
#include <QVBoxLayout>

namespace {
// One dialog for the life of the program, parentless like every popup.
EISOSetup *s_isoSetup = nullptr;
} // namespace

EImageSettingTab::EImageSettingTab(QWidget *parent, Qt::WindowFlags flags)
    : QWidget(parent, flags)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_isoItem = new ETabItem(tr("ISO"), this);
    m_isoItem->removeMode();
    auto *line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setFixedHeight(2);
    line->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    m_clearItem = new ECheckItem(tr("Clear Screen"), this, 0);
    layout->addWidget(m_isoItem);
    layout->addWidget(line);
    layout->addWidget(m_clearItem);
    layout->addStretch();
    setStyleSheet(QStringLiteral(
        "QLabel{color: white; background-color: grey; qproperty-alignment: AlignRight; margin-left: 2px;}"
        "QPushButton{text-align: left; color: white; background-color: red; padding-left: 2px;}"
        "QPushButton:pressed{background-color: rgb(0,255,0); border-style: inset; padding-left: 4px;}"));

    connect(m_isoItem, &ETabItem::clickedCheck, this, &EImageSettingTab::clickedCheckHandler);
    connect(m_isoItem, &ETabItem::clickedSetup, this, &EImageSettingTab::isoSetupHandler);
    connect(m_clearItem, qOverload<bool>(&ECheckItem::clicked), this, &EImageSettingTab::slot_clearScreen);
}

EISOSetup *EImageSettingTab::isoSetup()
{
    return s_isoSetup;
}

void EImageSettingTab::showEvent(QShowEvent *event)
{
    if (EGraphicsView *view = EGlobal::getGraphicsView())
        m_clearItem->setChecked(view->screenStatus());
    m_isoItem->setChecked(IsoSettings::readSwitch());
    QWidget::showEvent(event);
}

void EImageSettingTab::clickedCheckHandler(const QString &text)
{
    qWarning(" test %s", text.toLatin1().constData());
    ETabItem *row = nullptr;
    for (ETabItem *item : findChildren<ETabItem *>())
        if (item->objectName() == text)
            row = item;
    if (!row)
        return;
    const bool on = !row->checked();
    if (row == m_isoItem) {
        FPGA *fpga = EGlobal::getFPGA();
        const int result = fpga ? fpga->setIsoSwitch(on) : -1;
        // The tick and the key follow only a switch the board took; a
        // refused one is put back so library and board agree with the tick.
        if (result != 0) {
            qWarning("EImageSettingTab: the board refused the isotherm switch (%d)", result);
            if (fpga)
                fpga->setIsoSwitch(!on);
            return;
        }
    }
    row->setChecked(on);
    IsoSettings::writeSwitch(on);
    row->update();
}

void EImageSettingTab::slot_clearScreen(bool clear)
{
    m_clearItem->setChecked(!clear);
    if (EGraphicsView *view = EGlobal::getGraphicsView())
        view->clearScreen(!clear);
}

void EImageSettingTab::isoSetupHandler()
{
    qWarning("iso setup");
    if (EImageTab *popup = EGlobal::getImageTab())
        popup->setVisible(false);
    if (!s_isoSetup)
        s_isoSetup = new EISOSetup(nullptr, Qt::FramelessWindowHint);
    s_isoSetup->setVisible(false);
    s_isoSetup->setVisible(true);
    s_isoSetup->move(0, 240 - s_isoSetup->height());
}
