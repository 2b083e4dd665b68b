#include "installwizardbutton.h"

#include <QPainter>
#include <QPixmap>

Installwizardbutton::Installwizardbutton(QWidget *parent)
    : QPushButton(parent)
{
    setFocusPolicy(Qt::NoFocus);
}

void Installwizardbutton::setInstallButton(const QString &text)
{
    m_text = text;
    update();
}

void Installwizardbutton::setInstallButtonStat(bool normalLook)
{
    m_normalLook = normalLook;
    update();
}

void Installwizardbutton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(rect(), QPixmap(m_normalLook ? QStringLiteral(":/images/button.png")
                                                    : QStringLiteral(":/images/button_red.png")));
    QFont font(QStringLiteral("wenquanyi"), 10);
    font.setWeight(QFont::Normal);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(rect(), Qt::AlignCenter, m_text);
}
