#include "setmainwindow.h"

#include "devchippage.h"
#include "devversionpage.h"
#include "eglobal.h"
#include "egraphicsview.h"
#include "emiftestpage.h"
#include "messagechannel.h"
#include "parabackuppage.h"
#include "setlistitem.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QStackedWidget>

SetMainWindow::SetMainWindow(QWidget *parent, Qt::WindowFlags flags)
    : QWidget(parent, flags)
{
    setObjectName(QStringLiteral("SetMainWindow"));
    setWindowModality(Qt::WindowModal);
    setAutoFillBackground(true);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_list = new SetListItem(this);
    auto *line = new QFrame(this);
    line->setFrameShape(QFrame::VLine);
    line->setFixedWidth(1);
    m_stack = new QStackedWidget(this);
    m_stack->addWidget(new DevChipPage(this));
    m_stack->addWidget(new DevVersionPage(this));
    m_stack->addWidget(new ParaBackupPage(this));
    m_stack->addWidget(new EmifTestPage(this));
    m_stack->addWidget(new QWidget(this));
    layout->addWidget(m_list);
    layout->addWidget(line);
    layout->addWidget(m_stack);
    m_channel = new MessageChannel(QLatin1String(channelName()), this);
    connect(m_list, &SetListItem::pageChanged, this, &SetMainWindow::pageChangeHandler);
    connect(m_channel, &MessageChannel::received, this, &SetMainWindow::setupwindow_received);
}

QWidget *SetMainWindow::widget(int index) const
{
    return m_stack->widget(index);
}

int SetMainWindow::currentIndex() const
{
    return m_stack->currentIndex();
}

void SetMainWindow::pageChangeHandler(int index)
{
    m_stack->setCurrentIndex(index);
}

void SetMainWindow::showEvent(QShowEvent *event)
{
    m_list->setCurrentItem(ChipPage);
    QWidget::showEvent(event);
}

void SetMainWindow::keyPressEvent(QKeyEvent *event)
{
    qDebug("%s %d keypress", "biaoding/setting/setmainwindow", event->key());
    QWidget::keyPressEvent(event);
}

void SetMainWindow::setupwindow_received(const QString &message, const QByteArray &)
{
    qDebug("setupwindow: %s", qPrintable(message));
    if (!isVisible())
        return;
    // Closed as by its cancel button: the menu comes back instead of a
    // blank screen. Queued: the live view deletes this window.
    if (EGraphicsView *view = EGlobal::getGraphicsView()) {
        view->closeCalibLater(EGraphicsViewPrivate::EM_CALIB_SET);
        return;
    }
    close();
}
