#include "eimagetab.h"

#include "eglobal.h"
#include "eimagemode.h"
#include "eimagepalette.h"
#include "eimagepip.h"
#include "eimagesettingtab.h"
#include "eimagetabbar.h"

#include <QKeyEvent>
#include <QStackedWidget>
#include <QVBoxLayout>

EImageTab::EImageTab(EMainInterface *menu, QWidget *parent, Qt::WindowFlags flags)
    : QDialog(parent, flags)
    , m_menu(menu)
{
    EGlobal::setImageTab(this);
    setWindowFlags(Qt::FramelessWindowHint);
    setWindowModality(Qt::WindowModal);
    setFixedSize(210, 180);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_tabBar = new EImageTabBar(this);
    m_stack = new QStackedWidget(this);
    m_pip = new EImagePip(this);
    m_palette = new EImagePalette(this);
    m_mode = new EImageMode(this);
    m_setting = new EImageSettingTab(this);
    m_stack->addWidget(m_pip);
    m_stack->addWidget(m_palette);
    m_stack->addWidget(m_mode);
    m_stack->addWidget(m_setting);
    layout->addWidget(m_tabBar, 0, Qt::AlignTop);
    layout->addWidget(m_stack);
    m_stack->setCurrentIndex(0);
    connect(m_tabBar, &EImageTabBar::pageChanged, this, &EImageTab::pageChangedHandler);
    setStyleSheet(QStringLiteral("QWidget{background-color: rgba(0,0,0,7);}"));    // The almost transparent background lets the live picture through: a
    // window of its own is composed with its alpha only when it has one.
    setAttribute(Qt::WA_TranslucentBackground);
    EImagePopup::setInstance(this);
}

EImageTab::~EImageTab()
{
    if (EGlobal::getImageTab() == this)
        EGlobal::setImageTab(nullptr);
    if (EImagePopup::instance() == this)
        EImagePopup::setInstance(nullptr);
}

EAdjustLevelItem *EImageTab::adjustWindow() const
{
    return m_mode->adjustWindow();
}

bool EImageTab::adjustWindowIsVisible() const
{
    return m_mode->adjustWindowIsVisible();
}

void EImageTab::showAdjustWindow()
{
    m_mode->showAdjustWindow();
}

void EImageTab::hideAdjustWindow()
{
    m_mode->hideAdjustWindow();
}

void EImageTab::changeTempUnit()
{
    m_mode->changeTempUnit();
}

void EImageTab::setTempRangeMinMax(int min, int max)
{
    m_mode->setTempRangeMinMax(min, max);
}

void EImageTab::pageChangedHandler(int index)
{
    m_stack->setCurrentIndex(index);
}

void EImageTab::setModeNum(int mode)
{
    m_mode->setModeNum(mode);
}

void EImageTab::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape)
        close();
    // Every other key ends here: the live view behind must not act on it.
}
