#include "eanalysistab.h"

#include "eanalysistabbar.h"
#include "eareatab.h"
#include "eglobal.h"
#include "elinetab.h"
#include "elivepopups.h"
#include "esettingtab.h"
#include "espottab.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QStackedWidget>
#include <QVBoxLayout>

EAnalysisTab::EAnalysisTab(QWidget *parent, Qt::WindowFlags flags)
    : QWidget(parent, flags | Qt::FramelessWindowHint)
{
    EGlobal::setAnalysisTab(this);
    ELivePopups::setAnalysisPanel(this);
    setWindowModality(Qt::WindowModal);
    setFixedSize(210, 180);
    for (int i = 0; i < 4; ++i)
        m_barPictures[i] = QPixmap(QStringLiteral(":/images/tabbar%1.png").arg(i + 1));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_tabBar = new EAnalysisTabBar(this);
    m_tabBar->setPixmap(m_barPictures[0]);
    m_stack = new QStackedWidget(this);
    m_spotPage = new ESpotTab(this);
    m_linePage = new ELineTab(this);
    m_areaPage = new EAreaTab(this);
    m_settingPage = new ESettingTab(this);
    m_stack->addWidget(m_spotPage);
    m_stack->addWidget(m_linePage);
    m_stack->addWidget(m_areaPage);
    m_stack->addWidget(m_settingPage);
    m_stack->setCurrentIndex(0);
    layout->addWidget(m_tabBar);
    layout->addWidget(m_stack);
    connect(m_tabBar, &EAnalysisTabBar::pageChanged, this, &EAnalysisTab::pageChangedHandler);
    setStyleSheet(QStringLiteral("QWidget{background-color: rgba(128,128,128,7);}"
                                 "QLabel{background-color: rgba(0,0,0,0);}"));    // The almost transparent background lets the live picture through: a
    // window of its own is composed with its alpha only when it has one.
    setAttribute(Qt::WA_TranslucentBackground);
}

EAnalysisTab::~EAnalysisTab()
{
    if (EGlobal::getAnalysisTab() == this)
        EGlobal::setAnalysisTab(nullptr);
    if (ELivePopups::analysisPanel() == this)
        ELivePopups::setAnalysisPanel(nullptr);
}

void EAnalysisTab::raiseBottomLeft(QWidget *popup)
{
    popup->hide();
    popup->show();
    popup->move(0, 240 - popup->height());
}

void EAnalysisTab::popUp()
{
    raiseBottomLeft(this);
}

void EAnalysisTab::toggle()
{
    if (isVisible())
        hide();
    else
        popUp();
}

void EAnalysisTab::pageChangedHandler(int index)
{
    m_stack->setCurrentIndex(index);
    if (index >= 0 && index < 4)
        m_tabBar->setPixmap(m_barPictures[index]);
}

void EAnalysisTab::keyPressEvent(QKeyEvent *event)
{
    qWarning("key press event");
    if (event->key() == Qt::Key_Escape)
        close();
    // Every other key ends here: the live view behind must not act on it.
}

void EAnalysisTab::mousePressEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    qWarning("%s %d x:%d y:%d", "mousePressEvent", __LINE__, pos.x(), pos.y());
}

void EAnalysisTab::mouseReleaseEvent(QMouseEvent *)
{
}
