#include "egraphicstextitem.h"

#include <QBrush>
#include <QFont>
#include <QPainter>
#include <QPen>
#include <QTextLayout>

EGraphicsTextItem::EGraphicsTextItem(QGraphicsScene *)
    : QGraphicsSimpleTextItem(nullptr)
    , m_background(145, 71, 205, 99)
{
    setFont(QFont(QStringLiteral("wenquanyi"), 16));
    setZValue(1.0);
    setPen(Qt::NoPen);
    setBrush(QBrush(Qt::white));
}

EGraphicsTextItem::~EGraphicsTextItem() = default;

void EGraphicsTextItem::setPlainText(const QString &text)
{
    m_plainText = text;
    setText(text);
}

void EGraphicsTextItem::setDefaultTextColor(const QColor &color)
{
    setBrush(QBrush(color));
}

void EGraphicsTextItem::setBackgroundBrush(const QColor &color)
{
    m_background = QColor(color.red(), color.green(), color.blue(), 204);
    update();
}

void EGraphicsTextItem::setHighlightText(const QString &text)
{
    m_highlightText = text;
    update();
}

void EGraphicsTextItem::setHighLight(bool)
{
    update();
}

QRectF EGraphicsTextItem::boundingRect() const
{
    return QGraphicsSimpleTextItem::boundingRect().adjusted(-2, 0, 4, 0);
}

QPainterPath EGraphicsTextItem::shape() const
{
    return QGraphicsSimpleTextItem::shape();
}

void EGraphicsTextItem::paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget)
{
    const QRectF box = boundingRect();
    painter->setPen(Qt::NoPen);
    painter->setBrush(QBrush(m_background));
    painter->drawRect(box);

    QGraphicsSimpleTextItem::paint(painter, option, widget);

    if (m_highlightText.isEmpty())
        return;
    const QString all = text();
    const int at = all.indexOf(m_highlightText);
    if (at < 0)
        return;
    painter->setPen(QPen(Qt::red));
    // Laid out exactly as the base item lays out its text, so the red part
    // covers the white one on the line of its first occurrence.
    QString marked = QString(int(all.left(at).count(QLatin1Char('\n'))), QLatin1Char('\n')) + m_highlightText;
    marked.replace(QLatin1Char('\n'), QChar::LineSeparator);
    QTextLayout layout(marked, font());
    layout.setCacheEnabled(true);
    layout.beginLayout();
    qreal y = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(box.width() * 4 + 1000);
        line.setPosition(QPointF(0, y));
        y += line.height();
    }
    layout.endLayout();
    layout.draw(painter, QPointF(box.x() + 2, box.y()));
}
