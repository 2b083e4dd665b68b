#include "eadjustitem.h"

#include <QIcon>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
QPushButton *smallButton(QWidget *parent, const QString &picture, const QString &name)
{
    auto *button = new QPushButton(parent);
    button->setFlat(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setFixedSize(32, 32);
    QPixmap pixmap(picture);
    if (!pixmap.isNull())
        pixmap = pixmap.scaled(16, 16, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    button->setIcon(QIcon(pixmap));
    button->setIconSize(QSize(32, 32));
    button->setObjectName(name);
    return button;
}
}

EAdjustItem::EAdjustItem(QWidget *parent)
    : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    auto *layout = new QVBoxLayout(this);
    layout->setSpacing(0);
    layout->setContentsMargins(0, 0, 0, 0);
    m_down = smallButton(this, QStringLiteral(":/images/adjust_down.png"), QStringLiteral("Left"));
    m_up = smallButton(this, QStringLiteral(":/images/adjust_up.png"), QStringLiteral("Right"));
    layout->addWidget(m_down);
    layout->addWidget(m_up);
}
