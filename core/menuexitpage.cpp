#include "menuexitpage.h"

#include "messagechannel.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

MenuExitPage::MenuExitPage(const QString &caption, const QString &exitMessage, QWidget *parent)
    : QWidget(parent, Qt::FramelessWindowHint)
    , m_exitMessage(exitMessage)
    , m_exit(new QPushButton(tr("Exit"), this))
{
    setGeometry(0, 0, 320, 240);
    setStyleSheet(QStringLiteral("MenuExitPage { background: rgb(24, 24, 32); } QLabel { color: white; }"
                                 "QPushButton { color: white; background: rgba(1, 103, 233, 200); border: none; }"));
    setAttribute(Qt::WA_StyledBackground);
    auto *title = new QLabel(caption, this);
    title->setGeometry(10, 8, 200, 24);
    m_exit->setObjectName(QStringLiteral("Exit"));
    m_exit->setGeometry(250, 206, 60, 26);
    connect(m_exit, &QPushButton::clicked, this, &MenuExitPage::leave);
}

void MenuExitPage::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape)
        leave();
    else
        QWidget::keyPressEvent(event);
}

void MenuExitPage::leave()
{
    MessageChannel::send(QStringLiteral("emaininterface"), m_exitMessage);
}
