#include "esetupwindow.h"

#include "egeneralpage.h"
#include "eglobal.h"
#include "egraphicsview.h"
#include "einfopage.h"
#include "elistitems.h"
#include "elivepopups.h"
#include "emiscpage.h"
#include "ephotospage.h"
#include "fifowriter.h"
#include "idleinterval.h"
#include "idlewatcher.h"
#include "messagechannel.h"
#include "zdatetimepage.h"

#include <QCloseEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QStackedWidget>

ESetupWindow::ESetupWindow(QWidget *parent, Qt::WindowFlags flags)
    : QWidget(parent, flags)
{
    EGlobal::setSetupWindow(this);
    ELivePopups::setSetupWindow(this);
    setWindowModality(Qt::WindowModal);
    // Covers the live picture also where it is shown as a child.
    setAutoFillBackground(true);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    // The menu gives the window its place (320 x 225); a page's wish for
    // more height must not stretch the window past the screen.
    layout->setSizeConstraint(QLayout::SetNoConstraint);

    m_listItems = new EListItems(this);
    m_listItems->setFixedWidth(130);
    m_listItems->setObjectName(QStringLiteral("ListItem"));

    m_stack = new QStackedWidget(this);
    m_stack->addWidget(new EGeneralPage(this));
    m_stack->addWidget(new EMiscPage(this));
    m_stack->addWidget(new EPhotosPage(this));
    m_stack->addWidget(new ZDateTimePage(this));
    m_stack->addWidget(new EInfoPage(this));
    m_stack->setCurrentIndex(GeneralPage);

    auto *separator = new QFrame(this);
    separator->setFrameShape(QFrame::VLine);
    separator->setFrameShadow(QFrame::Raised);
    separator->setFixedWidth(1);
    separator->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);

    layout->addWidget(m_listItems);
    layout->addWidget(separator);
    layout->addWidget(m_stack);

    connect(m_listItems, &EListItems::pageChanged, this, &ESetupWindow::pageChangeHandler);
    auto *channel = new MessageChannel(QLatin1String(channelName()), this);
    connect(channel, &MessageChannel::received, this, &ESetupWindow::setupwindow_received);
}

ESetupWindow::~ESetupWindow()
{
    if (EGlobal::getSetupWindow() == this)
        EGlobal::setSetupWindow(nullptr);
    if (ELivePopups::setupWindow() == this)
        ELivePopups::setSetupWindow(nullptr);
}

QWidget *ESetupWindow::widget(int index) const
{
    return m_stack->widget(index);
}

int ESetupWindow::currentIndex() const
{
    return m_stack->currentIndex();
}

void ESetupWindow::pageChangeHandler(int index)
{
    m_stack->setCurrentIndex(index);
}

void ESetupWindow::setupwindow_received(const QString &message, const QByteArray &)
{
    qWarning("ESetupWindow: \"%s\" on \"%s\"", qPrintable(message), channelName());
    close();
}

void ESetupWindow::keyPressEvent(QKeyEvent *event)
{
    qWarning("ESetupWindow: key 0x%x", event->key());
    if (event->key() == Qt::Key_Escape)
        close();
    QWidget::keyPressEvent(event);
}

void ESetupWindow::showEvent(QShowEvent *event)
{
    m_listItems->setItemHighLight();
    QWidget::showEvent(event);
}

void ESetupWindow::closeEvent(QCloseEvent *event)
{
    qWarning("ESetupWindow: closing");
    // Bounded and never creates a file: with no service reading the pipe
    // the command is dropped, the screen does not wait for it.
    const FifoWriter::Result sent = FifoWriter::write(QLatin1String(servicePipe()), QByteArrayLiteral("resume stop"));
    if (sent != FifoWriter::Written)
        qWarning("ESetupWindow: \"resume stop\" not sent: %s", FifoWriter::describe(sent));
    updatePageTimeStat();
    if (EGraphicsView *view = EGlobal::getGraphicsView()) {
        view->setVisibled(true);
        view->setSetupVisibled(false);
    }
    event->accept();
}

void ESetupWindow::updatePageTimeStat()
{
    qWarning("ESetupWindow: idle periods into force");
    if (auto *photos = qobject_cast<EPhotosPage *>(widget(PhotosPage)))
        photos->phototimeHandle();
    IdleWatcher::instance()->setIntervalMs(storedIdleIntervalMs());
}
