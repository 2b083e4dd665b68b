#include "thumbmenu.h"

#include "messagechannel.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

ThumbMenu::ThumbMenu(QWidget *parent)
    : QWidget(parent, Qt::FramelessWindowHint)
    , m_exit(new QPushButton(tr("Exit"), this))
{
    setObjectName(QStringLiteral("ThumbMenu"));
    setGeometry(0, 0, 320, 240);
    setStyleSheet(QStringLiteral("ThumbMenu { background: rgb(24, 24, 32); } QLabel { color: white; }"
                                 "QPushButton { color: white; background: rgba(1, 103, 233, 200); border: none; }"));
    setAttribute(Qt::WA_StyledBackground);
    auto *title = new QLabel(tr("Photos"), this);
    title->setGeometry(10, 8, 200, 24);
    m_exit->setObjectName(QStringLiteral("Exit"));
    m_exit->setGeometry(250, 206, 60, 26);
    connect(m_exit, &QPushButton::clicked, this, &ThumbMenu::leave);
}

void ThumbMenu::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape)
        leave();
    else
        QWidget::keyPressEvent(event);
}

void ThumbMenu::leave()
{
    MessageChannel::send(QStringLiteral("emaininterface"), QStringLiteral("Imagephotos"));
}
