#include "photomessagebox.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

PhotoMessageBox::PhotoMessageBox(QWidget *parent)
    : QDialog(parent, Qt::FramelessWindowHint)
    , m_title(new QLabel(tr("Delete"), this))
    , m_message(new QLabel(tr("Delete image?"), this))
    , m_ok(new QPushButton(tr("OK"), this))
    , m_cancel(new QPushButton(tr("Cancel"), this))
{
    setFixedSize(230, 100);
    setFocusPolicy(Qt::NoFocus);
    setWindowModality(Qt::WindowModal);
    setCursor(Qt::BlankCursor);
    setStyleSheet(QStringLiteral("PhotoMessageBox { background: rgb(40, 44, 52); }"
                                 "QLabel { color: white; }"
                                 "QLabel#title { color: rgb(248, 248, 255); border-image: url(:/images/vyxImages/delete.bmp); }"));
    m_title->setObjectName(QStringLiteral("title"));
    m_title->setGeometry(0, 0, 230, 30);
    m_title->setAlignment(Qt::AlignCenter);
    m_message->setGeometry(0, 35, 230, 30);
    m_message->setAlignment(Qt::AlignCenter);
    m_ok->setGeometry(30, 70, 80, 25);
    m_ok->setFocusPolicy(Qt::NoFocus);
    m_cancel->setGeometry(120, 70, 80, 25);
    m_cancel->setFocusPolicy(Qt::NoFocus);
    connect(m_ok, &QPushButton::clicked, this, &PhotoMessageBox::okbutton_slots);
    connect(m_cancel, &QPushButton::clicked, this, &PhotoMessageBox::cancelbutton_slots);
}

void PhotoMessageBox::okbutton_slots()
{
    emit send_oksignals();
}

void PhotoMessageBox::cancelbutton_slots()
{
    emit send_cancelsignals();
}

void PhotoMessageBox::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape)
        emit send_cancelsignals();
}
