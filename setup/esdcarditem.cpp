#include "esdcarditem.h"

#include "esdcardspace.h"

#include <QLabel>
#include <QVBoxLayout>

ESDCardItem::ESDCardItem(const QString &title, QWidget *parent, Qt::WindowFlags)
    : QPushButton(parent)
{
    setObjectName(title);
    setFlat(true);
    setFocusPolicy(Qt::NoFocus);

    m_titleLabel = new QLabel(title, this);
    m_titleLabel->setFixedHeight(30);
    m_space = new ESDCardSpace(this);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(5, 5, 5, 5);
    layout->setSpacing(0);
    layout->addWidget(m_titleLabel);
    layout->addSpacing(2);
    layout->addWidget(m_space);
}

void ESDCardItem::setText(const QString &text)
{
    m_space->setText(text);
}

void ESDCardItem::setTotalSize(float total)
{
    m_space->setTotalSize(total);
}

void ESDCardItem::setUsedSize(float used)
{
    m_space->setUsedSize(used);
}
