#include "ircoremainwindow.h"

#include "b2page.h"
#include "calibpage.h"
#include "eglobal.h"
#include "egraphicsview.h"
#include "ircorelink.h"
#include "ircorelistitem.h"
#include "parapage.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QStackedWidget>

IRCoreMainWindow::IRCoreMainWindow(QWidget *showAgain, QWidget *parent, Qt::WindowFlags flags)
    : QWidget(parent, flags | Qt::FramelessWindowHint)
    , m_showAgain(showAgain)
{
    setObjectName(QStringLiteral("IRCoreMainWindow"));
    EGlobal::setIRCoreMainWindow(this);
    setWindowModality(Qt::WindowModal);
    setAutoFillBackground(true);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_list = new IRCoreListItem(this);
    auto *line = new QFrame(this);
    line->setFrameShape(QFrame::VLine);
    line->setFrameShadow(QFrame::Raised);
    line->setFixedWidth(1);
    m_stack = new QStackedWidget(this);
    m_stack->addWidget(new CalibPage(this));
    m_stack->addWidget(new ParaPage(this));
    m_stack->addWidget(new B2Page(this));
    layout->addWidget(m_list);
    layout->addWidget(line);
    layout->addWidget(m_stack);
    connect(m_list, &IRCoreListItem::pageChanged, this, &IRCoreMainWindow::pageChangeHandler);
    connect(m_list, &IRCoreListItem::signal_close, this, &IRCoreMainWindow::slot_close);
}

IRCoreMainWindow::~IRCoreMainWindow()
{
    if (EGlobal::getIRCoreMainWindow() == this)
        EGlobal::setIRCoreMainWindow(nullptr);
}

QWidget *IRCoreMainWindow::widget(int index) const
{
    return m_stack->widget(index);
}

int IRCoreMainWindow::currentIndex() const
{
    return m_stack->currentIndex();
}

void IRCoreMainWindow::pageChangeHandler(int index)
{
    m_stack->setCurrentIndex(index);
}

void IRCoreMainWindow::slot_close()
{
    closeCore(true);
}

void IRCoreMainWindow::closeCore(bool showAgain)
{
    // Screens over the live picture go with the window: nothing may talk
    // to a closed core.
    static_cast<CalibPage *>(widget(CalibPageIndex))->hideScreens();
    static_cast<ParaPage *>(widget(ParaPageIndex))->endEditing();
    close();
    if (showAgain && m_showAgain) {
        m_showAgain->show();
        m_showAgain->raise();
    }
    if (EGraphicsView *view = EGlobal::getGraphicsView())
        view->clearScreen(false);
    IRCoreLink::close();
}

void IRCoreMainWindow::keyPressEvent(QKeyEvent *event)
{
    qDebug("%s %d keypress", "ircore/ircoremainwindow", event->key());
    if (event->key() == Qt::Key_Escape) {
        slot_close();
        return;
    }
    QWidget::keyPressEvent(event);
}
