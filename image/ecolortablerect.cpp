#include "ecolortablerect.h"

#include <QPainter>

#include <algorithm>

EColorTableRect::EColorTableRect(QWidget *parent, int marks, int width, int height)
    : QWidget(parent)
    , m_width(width)
    , m_height(height)
    , m_marks(marks != 0)
{
    m_table.fill(_rgb_item{0, 0, 0, 0});
    setFixedSize(width, height);
}

void EColorTableRect::setColorTable(const _rgb_item *table)
{
    m_hasTable = table != nullptr;
    if (table)
        std::copy(table, table + 256, m_table.begin());
    update();
}

void EColorTableRect::show()
{
    QWidget::show();
    update();
}

void EColorTableRect::paintEvent(QPaintEvent *event)
{
    {
        QPainter painter(this);
        if (m_hasTable) {
            const int bottom = m_marks ? m_height - 8 : m_height;
            for (int i = 0; i < 256; ++i) {
                painter.setPen(QColor(m_table[i].r, m_table[i].g, m_table[i].b, 255));
                painter.drawLine(i, 0, i, bottom);
            }
        }
        if (m_marks) {
            painter.setPen(Qt::black);
            painter.drawLine(0, m_height - 7, 0, m_height);
            painter.drawLine(m_width - 1, m_height - 7, m_width - 1, m_height);
        }
    }
    QWidget::paintEvent(event);
}
