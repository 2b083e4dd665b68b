#include "etimerdialog.h"

#include "edialogtitle.h"
#include "emiscpage.h"
#include "esetupcheckitem.h"
#include "messagechannel.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QVBoxLayout>

ETimerDialog::ETimerDialog(TimerChoices::Kind kind, const char *objectName, const char *title, QWidget *page,
                           QWidget *parent, Qt::WindowFlags flags)
    : QFrame(parent, flags)
    , m_kind(kind)
    , m_page(qobject_cast<EMiscPage *>(page))
{
    setObjectName(QLatin1String(objectName));
    setAutoFillBackground(true);
    const char *context = TimerChoices::context(kind);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_title = new EDialogTitle(this);
    m_title->setText(QCoreApplication::translate(context, title));
    m_title->setFixedHeight(30);
    layout->addWidget(m_title);
    layout->addSpacing(10);
    for (int i = 0; i < TimerChoices::count(kind); ++i) {
        auto *row = new ESetupCheckItem(QCoreApplication::translate(context, TimerChoices::text(kind, i)), this);
        row->setItemIndex(i);
        layout->addWidget(row);
        m_items.append(row);
        connect(row, &ESetupCheckItem::clicked, this, &ETimerDialog::clickedHandler);
    }
    layout->addSpacing(10);
    layout->addStretch();
    m_items.first()->setFirstItem();
    m_items.last()->setLastItem();
    setStyleSheet(QStringLiteral("QFrame#%1{border: 1px solid #8f8f91; border-radius: 6px;}")
                      .arg(QLatin1String(objectName)));
    connect(m_title, &EDialogTitle::cancel, this, &ETimerDialog::cancelHandler);
    connect(m_title, &EDialogTitle::done, this, &ETimerDialog::doneHandler);
    readConfigPara();
    m_currentItem->setChecked(true);
}

void ETimerDialog::readConfigPara()
{
    m_current = TimerChoices::stored(m_kind).index;
    m_currentItem = m_items.at(m_current);
}

void ETimerDialog::showEvent(QShowEvent *event)
{
    for (ESetupCheckItem *row : m_items)
        row->setChecked(false);
    readConfigPara();
    m_currentItem->setChecked(true);
    QFrame::showEvent(event);
}

void ETimerDialog::clickedHandler(int index)
{
    if (index < 0 || index >= m_items.size())
        return;
    m_currentItem->setChecked(false);
    m_current = index;
    m_currentItem = m_items.at(index);
    m_currentItem->setChecked(true);
}

void ETimerDialog::cancelHandler()
{
    close();
}

void ETimerDialog::doneHandler()
{
    confirm(m_current);
    close();
}

void ETimerDialog::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        MessageChannel::send(QStringLiteral("setupwindow"), QStringLiteral("close"));
    }
    QFrame::keyPressEvent(event);
}
