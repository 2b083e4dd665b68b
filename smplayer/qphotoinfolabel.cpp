#include "qphotoinfolabel.h"

#include <QPainter>

QPhotoInfoLabel::QPhotoInfoLabel(QWidget *parent)
    : QLabel(parent)
{
    setGeometry(10, 10, 120, 45);
    setFocusPolicy(Qt::NoFocus);
}

void QPhotoInfoLabel::updateInformation(const QString &text)
{
    m_text = text;
    update();
}

void QPhotoInfoLabel::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    p.setPen(Qt::NoPen);
    p.drawPixmap(QRect(-4, -4, width() + 8, height() + 12), QPixmap(QStringLiteral(":/images/smplayerimages/videolabelbg.png")));
    QFont font(QStringLiteral("wenquanyi"), 10);
    font.setWeight(QFont::Bold);
    font.setItalic(false);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(rect(), Qt::AlignLeft, m_text);
}
