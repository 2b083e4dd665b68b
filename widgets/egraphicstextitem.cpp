#include "egraphicstextitem.h"

#include <QBrush>
#include <QFont>
#include <QPainter>
#include <QPen>
#include <QTextLayout>

#include <limits>

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

void EGraphicsTextItem::setColumnHeight(qreal height)
{
    if (height == m_columnHeight)
        return;
    prepareGeometryChange();
    m_columnHeight = height;
    update();
}

void EGraphicsTextItem::setEntryStarts(const QList<int> &lines)
{
    if (lines == m_entryStarts)
        return;
    prepareGeometryChange();
    m_entryStarts = lines;
    update();
}

QList<QRectF> EGraphicsTextItem::layOutColumns(QTextLayout *layout, QList<QRectF> *lines) const
{
    if (text().isEmpty())
        return {};
    // The lines as the base item makes them: one per text line, unwrapped.
    layout->setCacheEnabled(true);
    layout->beginLayout();
    while (layout->createLine().isValid()) {
    }
    layout->endLayout();
    // Entries kept together, unless that takes a column more than
    // breaking anywhere.
    if (!m_entryStarts.isEmpty()) {
        const qsizetype fewest = placeLines(layout, false, nullptr).size();
        const QList<QRectF> together = placeLines(layout, true, lines);
        if (together.size() <= fewest)
            return together;
        if (lines)
            lines->clear();
    }
    return placeLines(layout, false, lines);
}

QList<QRectF> EGraphicsTextItem::placeLines(QTextLayout *layout, bool keepEntries, QList<QRectF> *lines) const
{
    const int count = layout->lineCount();
    const auto startsEntry = [&](int line) { return !keepEntries || m_entryStarts.isEmpty() || m_entryStarts.contains(line); };
    // The height of the entry that starts at a line: up to the next start.
    const auto entryHeight = [&](int first) {
        qreal height = layout->lineAt(first).height();
        for (int i = first + 1; i < count && !startsEntry(i); ++i)
            height += layout->lineAt(i).height();
        return height;
    };
    const qreal room = m_columnHeight > 0 ? m_columnHeight : std::numeric_limits<qreal>::max();
    QList<QRectF> columns;
    qreal x = 0;
    qreal y = 0;
    qreal widest = 0;
    const auto closeColumn = [&] { columns << QRectF(x - PadLeft, 0, widest + PadLeft + PadRight, y); };
    for (int i = 0; i < count; ++i) {
        QTextLine line = layout->lineAt(i);
        // An entry moves whole to the next column; only one taller than a
        // column is split.
        if (y > 0 && ((startsEntry(i) && y + entryHeight(i) > room) || y + line.height() > room)) {
            closeColumn();
            x = columns.last().right() + ColumnGap + PadLeft;
            y = 0;
            widest = 0;
        }
        line.setPosition(QPointF(x, y));
        if (lines)
            lines->append(QRectF(x - PadLeft, y, line.naturalTextWidth() + PadLeft + PadRight, line.height()));
        widest = qMax(widest, line.naturalTextWidth());
        y += line.height();
    }
    closeColumn();
    return columns;
}

QList<QRectF> EGraphicsTextItem::lineRects() const
{
    QTextLayout layout(QString(text()).replace(QLatin1Char('\n'), QChar::LineSeparator), font());
    QList<QRectF> lines;
    layOutColumns(&layout, &lines);
    return lines;
}

QList<QRectF> EGraphicsTextItem::columnRects() const
{
    QTextLayout layout(QString(text()).replace(QLatin1Char('\n'), QChar::LineSeparator), font());
    return layOutColumns(&layout);
}

QRectF EGraphicsTextItem::boundingRect() const
{
    if (m_columnHeight <= 0)
        return QGraphicsSimpleTextItem::boundingRect().adjusted(-PadLeft, 0, PadRight, 0);
    QRectF all;
    for (const QRectF &column : columnRects())
        all |= column;
    return all;
}

QPainterPath EGraphicsTextItem::shape() const
{
    if (m_columnHeight <= 0)
        return QGraphicsSimpleTextItem::shape();
    QPainterPath path;
    for (const QRectF &column : columnRects())
        path.addRect(column);
    return path;
}

void EGraphicsTextItem::paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget)
{
    QTextLayout layout(QString(text()).replace(QLatin1Char('\n'), QChar::LineSeparator), font());
    const QList<QRectF> columns = layOutColumns(&layout);
    painter->setPen(Qt::NoPen);
    painter->setBrush(QBrush(m_background));
    for (const QRectF &column : columns)
        painter->drawRect(column);
    if (columns.size() > 1) {
        // The lines stand where the columns put them: drawn from the layout,
        // the highlighted object's lines again in red.
        painter->setPen(QPen(brush(), 1));
        QList<QTextLayout::FormatRange> marks;
        const int at = m_highlightText.isEmpty() ? -1 : int(text().indexOf(m_highlightText));
        if (at >= 0) {
            QTextLayout::FormatRange red;
            red.start = at;
            red.length = int(m_highlightText.size());
            red.format.setForeground(QBrush(Qt::red));
            marks << red;
        }
        layout.draw(painter, QPointF(0, 0), marks);
        return;
    }

    QGraphicsSimpleTextItem::paint(painter, option, widget);
    if (m_highlightText.isEmpty() || columns.isEmpty())
        return;
    const QRectF box = columns.first();
    const QString all = text();
    const int at = all.indexOf(m_highlightText);
    if (at < 0)
        return;
    painter->setPen(QPen(Qt::red));
    // Laid out exactly as the base item lays out its text, so the red part
    // covers the white one on the line of its first occurrence.
    QString marked = QString(int(all.left(at).count(QLatin1Char('\n'))), QLatin1Char('\n')) + m_highlightText;
    marked.replace(QLatin1Char('\n'), QChar::LineSeparator);
    QTextLayout red(marked, font());
    red.setCacheEnabled(true);
    red.beginLayout();
    qreal y = 0;
    for (QTextLine line = red.createLine(); line.isValid(); line = red.createLine()) {
        line.setLineWidth(box.width() * 4 + 1000);
        line.setPosition(QPointF(0, y));
        y += line.height();
    }
    red.endLayout();
    red.draw(painter, QPointF(box.x() + 2, box.y()));
}
