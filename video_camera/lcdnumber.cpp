#include "lcdnumber.h"

#include <QPainter>

namespace {
// Segments in drawing order a, f, e, g, d, b, c; bit i set = segment lit.
enum { A = 1, F = 2, E = 4, G = 8, D = 16, B = 32, C = 64 };
const int litSegments[10] = {
    A | B | C | D | E | F, B | C, A | B | D | E | G, A | B | C | D | G, B | C | F | G,
    A | C | D | F | G, A | C | D | E | F | G, A | B | C, A | B | C | D | E | F | G, A | B | C | D | F | G,
};

QLinearGradient segmentBrush(const QPointF &from, const QPointF &to, bool lit)
{
    QLinearGradient g(from, to);
    if (lit) {
        for (qreal stop : {0.0, 0.2, 0.5, 0.8, 1.0})
            g.setColorAt(stop, QColor(0xff, 0, 0));
    } else {
        for (qreal stop : {0.0, 0.2, 0.8, 1.0})
            g.setColorAt(stop, QColor(30, 30, 30));
        g.setColorAt(0.5, QColor(50, 50, 50));
    }
    return g;
}
} // namespace

LCDNumber::LCDNumber(QWidget *parent)
    : QWidget(parent)
{
    initVariables();
}

void LCDNumber::initVariables()
{
    m_number = 0;
}

void LCDNumber::setNumber(int num)
{
    m_number = num;
    update();
}

void LCDNumber::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    drawVariables(&painter);
    drawBackground(&painter);
    drawNumber(&painter);
}

void LCDNumber::drawVariables(QPainter *)
{
    m_thickness = static_cast<float>(height() / 12);
}

void LCDNumber::drawBackground(QPainter *painter)
{
    painter->setPen(Qt::NoPen);
    painter->setBrush(QColor(20, 20, 20));
    painter->drawRect(rect());
}

void LCDNumber::drawNumber(QPainter *painter)
{
    if (m_number < 0 || m_number > 9)
        return;
    const qreal W = width();
    const qreal H = height();
    const qreal t = m_thickness;
    const qreal h2 = H / 2;
    struct Segment
    {
        int bit;
        QPolygonF shape;
        QPointF from, to;
    };
    const Segment segments[] = {
        {A, {{2 + t / 2, 2 + t / 2}, {2 + t, 2}, {W - 2 - t, 2}, {W - 2 - t / 2, 2 + t / 2}, {W - 2 - t, 2 + t}, {2 + t, 2 + t}},
         {2 + t, 2}, {2 + t, 2 + t}},
        {F, {{2 + t / 2, 4 + t / 2}, {2, 4 + t}, {2, 1 + h2 - t / 2}, {2 + t / 2, 1 + h2}, {2 + t, 1 + h2 - t / 2}, {2 + t, 4 + t}},
         {2, 4 + t}, {2 + t, 4 + t}},
        {E, {{2 + t / 2, 3 + h2}, {2, 3 + h2 + t / 2}, {2, H - t}, {2 + t / 2, H - t / 2}, {2 + t, H - t}, {2 + t, 3 + h2 + t / 2}},
         {2, 3 + h2 + t / 2}, {2 + t, 3 + h2 + t / 2}},
        {G, {{4 + t / 2, 2 + h2}, {4 + t, 2 + h2 - t / 2}, {W - 2 - t, 2 + h2 - t / 2}, {W - 2 - t / 2, 2 + h2},
             {W - 2 - t, 2 + h2 + t / 2}, {4 + t, 2 + h2 + t / 2}},
         {4 + t, 2 + h2 - t / 2}, {4 + t, 2 + h2 + t / 2}},
        {D, {{4 + t / 2, 1 + H - t / 2}, {4 + t, 1 + H - t}, {W - 2 - t, 1 + H - t}, {W - 2 - t / 2, 1 + H - t / 2}, {W - 2 - t, 1 + H}, {4 + t, 1 + H}},
         {4 + t, 1 + H - t}, {4 + t, 1 + H}},
        {B, {{W - t / 2, 3 + t / 2}, {W - t, 3 + t}, {W - t, h2 - t / 2}, {W - t / 2, h2}, {W, h2 - t / 2}, {W, 3 + t}},
         {W - t, 3 + t}, {W, 3 + t}},
        {C, {{W - t / 2, 3 + h2}, {W - t, 3 + h2 + t / 2}, {W - t, H - t}, {W - t / 2, H - t / 2}, {W, H - t}, {W, 3 + h2 + t / 2}},
         {W - t, 3 + h2 + t / 2}, {W, 3 + h2 + t / 2}},
    };
    painter->setPen(Qt::NoPen);
    for (const Segment &s : segments) {
        painter->setBrush(segmentBrush(s.from, s.to, (litSegments[m_number] & s.bit) != 0));
        painter->drawPolygon(s.shape, Qt::OddEvenFill);
    }
}
