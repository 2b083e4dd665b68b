#include "epushbutton.h"

#include <QPainter>

EPushButton::EPushButton(QWidget *parent)
    : QPushButton(parent)
{
    setUp(false);
}

EPushButton::EPushButton(const QString &text, QWidget *parent, bool mark)
    : QPushButton(text, parent)
{
    setUp(mark);
}

void EPushButton::setUp(bool mark)
{
    m_dropDownMark = mark;
    setObjectName(QStringLiteral("EPushButton"));
}

void EPushButton::setPixmap(const QPixmap &pixmap)
{
    m_pixmap = pixmap;
    update();
}

void EPushButton::setHighlight(bool on)
{
    if (m_highlight == on)
        return;
    m_highlight = on;
    update();
}

void EPushButton::setDark(bool on)
{
    m_dark = on;
    update();
}

void EPushButton::setCheck(bool on)
{
    m_check = on;
    update();
}

void EPushButton::setIconName(const QString &name)
{
    m_iconName = name;
    update();
}

void EPushButton::mousePressEvent(QMouseEvent *event)
{
    Q_EMIT clicked(m_attribute);
    Q_EMIT clicked(this);
    QPushButton::mousePressEvent(event);
}

void EPushButton::paintEvent(QPaintEvent *event)
{
    QPushButton::paintEvent(event);
    if (!m_pixmap.isNull()) {
        QPainter painter(this);
        painter.drawPixmap(QRect(0, 0, width(), height()), m_pixmap, m_pixmap.rect());
        return;
    }
    if (!m_dropDownMark)
        return;
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::ButtonText), 0, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    const int x0 = width() - 14;
    const int y0 = (height() - 1) / 2;
    painter.drawLine(x0, y0 - 1, x0 + 6, y0 - 1);
    painter.drawLine(x0 + 1, y0, x0 + 5, y0);
    painter.drawLine(x0 + 2, y0 + 1, x0 + 4, y0 + 1);
    painter.drawPoint(x0 + 3, y0 + 2);
}

void EPushButton::drawBlend(QPainter *p, const QRect &r, int mode, const QColor &c1, const QColor &c2, int n)
{
    if (mode != 0 || !p)
        return;
    int h1, s1, v1, h2, s2, v2;
    c1.getHsv(&h1, &s1, &v1);
    c2.getHsv(&h2, &s2, &v2);
    // Achromatic colours report hue -1; blend them as hue 0.
    h1 = qMax(h1, 0);
    h2 = qMax(h2, 0);
    if (n > 0) {
        const int d = 2 * n - 1;
        for (int i = 0; i < n; ++i) {
            const int t = n + i;
            p->setPen(QColor::fromHsv(h1 + t * (h2 - h1) / d, s1 + t * (s2 - s1) / d, v1 + t * (v2 - v1) / d));
            p->drawLine(r.left(), r.top() + i, r.right(), r.top() + i);
        }
    }
    const int m = r.height() - qMax(n, 0);
    // A lower part one line high has nothing to blend across: it takes c1.
    for (int j = 0; j < m; ++j) {
        const int div = m - 1;
        const QColor c = div > 0
            ? QColor::fromHsv(h1 + j * (h2 - h1) / div, s1 + j * (s2 - s1) / div, v1 + j * (v2 - v1) / div)
            : QColor::fromHsv(h1, s1, v1);
        p->setPen(c);
        p->drawLine(r.left(), r.bottom() - j, r.right(), r.bottom() - j);
    }
}
