#include "thumbstatus.h"

#include "eglobal.h"
#include "etoolwidget.h"

#include <QPainter>

ThumbStatus::ThumbStatus(QWidget *parent)
    : QLabel(parent)
{
    setFixedSize(320, 240);
}

void ThumbStatus::UpdateStatus()
{
    const EToolWidget *bar = EGlobal::getToolBar();
    m_text = bar && bar->SDCardStatus() ? tr("This directory is empty") : tr("No sd card");
    update();
}

void ThumbStatus::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setFont(QFont(QStringLiteral("wenquanyi"), 30, QFont::Normal));
    p.setPen(Qt::red);
    p.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap, m_text);
}
