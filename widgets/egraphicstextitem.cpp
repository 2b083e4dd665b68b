#include "egraphicstextitem.h"

#include <QBrush>
#include <QFont>
#include <QPainter>
#include <QPen>
#include <QStyle>
#include <QStyleOptionGraphicsItem>
#include <QTextLayout>

#include <limits>

struct EGraphicsTextItem::LaidOut
{
    // What the layout was made from. The base item's setText() and setFont()
    // are no virtuals, so a change through them is found by comparing.
    QString text;
    QFont font;
    bool valid = false;
    std::unique_ptr<QTextLayout> layout;
    QList<QRectF> columns;
    QList<QRectF> lines;
    QRectF bounds;
    QPainterPath shape;
    // The red highlight's own layout and the highlight it was made for.
    std::unique_ptr<QTextLayout> highlight;
    QString highlightFor;
};

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
    if (text == this->text())
        return;
    // The base item tells of a new size only when its one-column box
    // changes; the columns can change within the same box. The kept layout
    // sees the new text itself.
    if (m_columnHeight > 0)
        prepareGeometryChange();
    setText(text);
}

void EGraphicsTextItem::setDefaultTextColor(const QColor &color)
{
    setBrush(QBrush(color));
}

void EGraphicsTextItem::setBackgroundBrush(const QColor &color)
{
    const QColor background(color.red(), color.green(), color.blue(), 204);
    if (background == m_background)
        return;
    m_background = background;
    update();
}

void EGraphicsTextItem::setHighlightText(const QString &text)
{
    // Set again on every refresh of the readings: unchanged, nothing to draw.
    if (text == m_highlightText)
        return;
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
    forgetLayout();
    update();
}

void EGraphicsTextItem::setEntryStarts(const QList<int> &lines)
{
    if (lines == m_entryStarts)
        return;
    prepareGeometryChange();
    m_entryStarts = lines;
    forgetLayout();
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

void EGraphicsTextItem::forgetLayout()
{
    if (m_laidOut)
        m_laidOut->valid = false;
}

const EGraphicsTextItem::LaidOut &EGraphicsTextItem::laidOut() const
{
    if (!m_laidOut)
        m_laidOut = std::make_unique<LaidOut>();
    LaidOut &cache = *m_laidOut;
    const QString current = text();
    if (cache.valid && cache.text == current && cache.font == font())
        return cache;
    cache.text = current;
    cache.font = font();
    cache.layout = std::make_unique<QTextLayout>(QString(current).replace(QLatin1Char('\n'), QChar::LineSeparator), cache.font);
    cache.lines.clear();
    cache.columns = layOutColumns(cache.layout.get(), &cache.lines);
    cache.bounds = QRectF();
    cache.shape = QPainterPath();
    for (const QRectF &column : std::as_const(cache.columns)) {
        cache.bounds |= column;
        cache.shape.addRect(column);
    }
    cache.highlight.reset();
    cache.highlightFor.clear();
    cache.valid = true;
    return cache;
}

const QTextLayout &EGraphicsTextItem::highlightLayout() const
{
    const LaidOut &cache = laidOut();
    if (cache.highlight && cache.highlightFor == m_highlightText)
        return *cache.highlight;
    const QRectF box = cache.columns.first();
    const int at = int(cache.text.indexOf(m_highlightText));
    // Laid out exactly as the base item lays out its text, so the red part
    // covers the white one on the line of its first occurrence.
    QString marked = QString(int(cache.text.left(at).count(QLatin1Char('\n'))), QLatin1Char('\n')) + m_highlightText;
    marked.replace(QLatin1Char('\n'), QChar::LineSeparator);
    auto red = std::make_unique<QTextLayout>(marked, cache.font);
    red->setCacheEnabled(true);
    red->beginLayout();
    qreal y = 0;
    for (QTextLine line = red->createLine(); line.isValid(); line = red->createLine()) {
        line.setLineWidth(box.width() * 4 + 1000);
        line.setPosition(QPointF(0, y));
        y += line.height();
    }
    red->endLayout();
    m_laidOut->highlight = std::move(red);
    m_laidOut->highlightFor = m_highlightText;
    return *m_laidOut->highlight;
}

QList<QRectF> EGraphicsTextItem::lineRects() const
{
    return laidOut().lines;
}

QList<QRectF> EGraphicsTextItem::columnRects() const
{
    return laidOut().columns;
}

QRectF EGraphicsTextItem::boundingRect() const
{
    if (m_columnHeight <= 0)
        return QGraphicsSimpleTextItem::boundingRect().adjusted(-PadLeft, 0, PadRight, 0);
    return laidOut().bounds;
}

QPainterPath EGraphicsTextItem::shape() const
{
    if (m_columnHeight <= 0)
        return QGraphicsSimpleTextItem::shape();
    return laidOut().shape;
}

bool EGraphicsTextItem::contains(const QPointF &point) const
{
    if (m_columnHeight <= 0)
        return QGraphicsSimpleTextItem::contains(point);
    for (const QRectF &column : laidOut().columns)
        if (column.contains(point))
            return true;
    return false;
}

void EGraphicsTextItem::paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget)
{
    const LaidOut &cache = laidOut();
    const QList<QRectF> &columns = cache.columns;
    painter->setPen(Qt::NoPen);
    painter->setBrush(QBrush(m_background));
    for (const QRectF &column : columns)
        painter->drawRect(column);
    if (columns.size() > 1) {
        // The lines stand where the columns put them: drawn from the layout,
        // the highlighted object's lines again in red.
        painter->setPen(QPen(brush(), 1));
        QList<QTextLayout::FormatRange> marks;
        const int at = m_highlightText.isEmpty() ? -1 : int(cache.text.indexOf(m_highlightText));
        if (at >= 0) {
            QTextLayout::FormatRange red;
            red.start = at;
            red.length = int(m_highlightText.size());
            red.format.setForeground(QBrush(Qt::red));
            marks << red;
        }
        cache.layout->draw(painter, QPointF(0, 0), marks);
        return;
    }

    // One column stands where the base item puts its lines: drawn from the
    // kept layout as the base item draws, unless it would outline the
    // glyphs or mark the item selected.
    const bool plain = pen().style() == Qt::NoPen && brush().style() == Qt::SolidPattern
                       && !(option && (option->state & (QStyle::State_Selected | QStyle::State_HasFocus)));
    if (plain && !columns.isEmpty()) {
        painter->setFont(cache.font);
        QPen pen;
        pen.setBrush(brush());
        painter->setPen(pen);
        painter->setBrush(Qt::NoBrush);
        cache.layout->draw(painter, QPointF(0, 0));
    } else {
        QGraphicsSimpleTextItem::paint(painter, option, widget);
    }
    if (m_highlightText.isEmpty() || columns.isEmpty() || !cache.text.contains(m_highlightText))
        return;
    painter->setPen(QPen(Qt::red));
    highlightLayout().draw(painter, QPointF(columns.first().x() + 2, columns.first().y()));
}
