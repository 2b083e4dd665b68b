#include "ecolorluminancepicker.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <qdrawutil.h>

#include <algorithm>

EColorLuminancePicker::EColorLuminancePicker(QWidget *parent)
    : QWidget(parent)
{
}

EColorLuminancePicker::~EColorLuminancePicker()
{
    delete m_pix;
}

int EColorLuminancePicker::y2val(int y) const
{
    const int d = height() - 9;
    return 255 - (y - 4) * 255 / d;
}

int EColorLuminancePicker::val2y(int v) const
{
    const int d = height() - 9;
    return 4 + (255 - v) * d / 255;
}

void EColorLuminancePicker::setCol(int h, int s, int v)
{
    m_val = v;
    m_hue = h;
    m_sat = s;
    delete m_pix;
    m_pix = nullptr;
    repaint();
}

void EColorLuminancePicker::setCol(int h, int s)
{
    setCol(h, s, m_val);
    emit newHsv(h, s, m_val);
}

void EColorLuminancePicker::setVal(int v)
{
    if (v == m_val)
        return;
    m_val = std::clamp(v, 0, 255);
    delete m_pix;
    m_pix = nullptr;
    repaint();
    emit newHsv(m_hue, m_sat, m_val);
}

void EColorLuminancePicker::mousePressEvent(QMouseEvent *event)
{
    setVal(y2val(int(event->position().y())));
}

void EColorLuminancePicker::mouseMoveEvent(QMouseEvent *event)
{
    setVal(y2val(int(event->position().y())));
}

void EColorLuminancePicker::paintEvent(QPaintEvent *)
{
    const int w = width() - 5;
    const QRect r(0, 3, w, height() - 6);
    const int wi = r.width() - 2;
    const int hi = r.height() - 2;
    if (!m_pix || m_pix->height() != hi || m_pix->width() != wi) {
        delete m_pix;
        QImage img(qMax(wi, 1), qMax(hi, 1), QImage::Format_RGB32);
        // A colour without hue (-1) is drawn as grey.
        for (int y = 0; y < hi; ++y) {
            const QRgb c = QColor::fromHsv(std::clamp(m_hue, -1, 359), std::clamp(m_sat, 0, 255),
                                           std::clamp(y2val(y + 4), 0, 255)).rgb();
            auto *line = reinterpret_cast<QRgb *>(img.scanLine(y));
            std::fill(line, line + img.width(), c);
        }
        m_pix = new QPixmap(QPixmap::fromImage(img));
    }
    QPainter p(this);
    p.drawPixmap(1, 4, *m_pix);
    qDrawShadePanel(&p, r, palette(), true);
    p.setPen(palette().windowText().color());
    p.setBrush(palette().windowText());
    p.eraseRect(w, 0, 5, height());
    const int y = val2y(m_val);
    const QPolygon a({QPoint(w, y), QPoint(w + 5, y + 5), QPoint(w + 5, y - 5)});
    p.drawPolygon(a);
}
