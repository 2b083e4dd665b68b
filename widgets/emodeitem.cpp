#include "emodeitem.h"

#include "arrowrow.h"
#include "elabel.h"

#include <QHBoxLayout>
#include <QPushButton>

EModeItem::EModeItem(const QString &text, QWidget *parent)
    : QWidget(parent)
{
    const ArrowRow::CaptionAndArrows parts = ArrowRow::addCaptionAndArrows(text, this, ArrowRow::frame(this, text));
    m_caption = parts.caption;
    m_left = parts.left;
    m_right = parts.right;

    setCustomStyleSheet(0);
    connect(m_left, &QPushButton::clicked, this, &EModeItem::decrease);
    connect(m_right, &QPushButton::clicked, this, &EModeItem::increase);
}

void EModeItem::setText(const QString &text)
{
    m_caption->setText(text);
}

QString EModeItem::text() const
{
    return m_caption->text();
}

void EModeItem::setCustomStyleSheet(int)
{
    setStyleSheet(ArrowRow::captionRowStyle());
}

void EModeItem::decrease()
{
    Q_EMIT clickedDecrease(QStringLiteral("Decrease"));
}

void EModeItem::increase()
{
    Q_EMIT clickedIncrease(QStringLiteral("Increase"));
}
