#include "ecolorpicker.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

#include <algorithm>

EColorPicker::EColorPicker(QWidget *parent, int width, int height)
    : QFrame(parent)
    , m_width(width)
    , m_height(height)
{
    setCol(150, 255);
    QImage image(m_width, m_height, QImage::Format_RGB32);
    for (int y = 0; y < m_height; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < m_width; ++x) {
            const QPoint p(x, y);
            line[x] = QColor::fromHsv(huePt(p) % 360, satPt(p), 200).rgb();
        }
    }
    m_pix = new QPixmap(QPixmap::fromImage(image));
    setAttribute(Qt::WA_NoSystemBackground);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

EColorPicker::~EColorPicker()
{
    delete m_pix;
}

QSize EColorPicker::sizeHint() const
{
    return QSize(m_width + 2 * frameWidth(), m_height + 2 * frameWidth());
}

QPoint EColorPicker::colPt() const
{
    return QPoint((360 - m_hue) * (m_width - 1) / 360, (255 - m_sat) * (m_height - 1) / 255);
}

int EColorPicker::huePt(const QPoint &pt) const
{
    return 360 - pt.x() * 360 / (m_width - 1);
}

int EColorPicker::satPt(const QPoint &pt) const
{
    return 255 - pt.y() * 255 / (m_height - 1);
}

void EColorPicker::setCol(const QPoint &pt)
{
    setCol(huePt(pt), satPt(pt));
}

void EColorPicker::setCol(int h, int s)
{
    const int nhue = std::clamp(h, 0, 359);
    const int nsat = std::clamp(s, 0, 255);
    if (nhue == m_hue && nsat == m_sat)
        return;
    QRect r(colPt(), QSize(20, 20));
    m_hue = nhue;
    m_sat = nsat;
    r = r.united(QRect(colPt(), QSize(20, 20)));
    r.translate(contentsRect().x() - 9, contentsRect().y() - 9);
    repaint(r);
}

void EColorPicker::mousePressEvent(QMouseEvent *event)
{
    setCol(event->position().toPoint() - contentsRect().topLeft());
    emit newCol(m_hue, m_sat);
}

void EColorPicker::mouseMoveEvent(QMouseEvent *event)
{
    setCol(event->position().toPoint() - contentsRect().topLeft());
    emit newCol(m_hue, m_sat);
}

void EColorPicker::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    QPainter p(this);
    drawFrame(&p);
    const QRect r = contentsRect();
    if (m_pix)
        p.drawPixmap(r.topLeft(), *m_pix);
    const QPoint pt = colPt() + r.topLeft();
    p.fillRect(pt.x() - 9, pt.y(), 20, 2, Qt::black);
    p.fillRect(pt.x(), pt.y() - 9, 2, 20, Qt::black);
}
