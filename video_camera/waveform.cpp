#include "waveform.h"

#include <QPainter>

Waveform::Waveform(QWidget *parent)
    : QWidget(parent)
{
    setStyleSheet(QStringLiteral("background-color: rgb(0, 0, 0);"));
}

Waveform::~Waveform() = default;

void Waveform::makePixmap()
{
    if (m_pixmap)
        return;
    m_pixmap = std::make_unique<QPixmap>(size());
    m_columnCount = qMax(1, m_pixmap->width());
    m_columns = QVector<qint16>(m_columnCount, 0);
}

void Waveform::changeSettings(int rate, int channels)
{
    makePixmap();
    m_samplesPerColumn = qMax(1, rate * channels / (m_columnCount * 5));
    m_sum = 0;
    m_count = 0;
    m_filled = 0;
    draw();
}

void Waveform::newSamples(const short *samples, int count)
{
    if (!samples || count <= 0)
        return;
    makePixmap();
    for (int i = 0; i < count; ++i) {
        m_sum += samples[i];
        if (++m_count < m_samplesPerColumn)
            continue;
        m_columns[m_filled++] = static_cast<qint16>(m_sum / m_count);
        m_sum = 0;
        m_count = 0;
        if (m_filled >= m_columnCount) {
            draw();
            m_filled = 0;
        }
    }
}

void Waveform::reset()
{
    makePixmap();
    m_sum = 0;
    m_count = 0;
    m_filled = 0;
    draw();
}

void Waveform::draw()
{
    m_pixmap->fill(Qt::black);
    QPainter painter(m_pixmap.get());
    painter.setPen(Qt::green);
    const int mid = m_pixmap->height() / 2;
    for (int i = 0; i < m_filled; ++i) {
        const int d = m_columns.at(i) * mid / 32768;
        painter.drawLine(i, mid - d, i, mid + d);
    }
    if (m_filled < m_columnCount)
        painter.drawLine(m_filled, mid, m_columnCount, mid);
    update();
}

void Waveform::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (m_pixmap) {
        painter.drawPixmap(0, 0, *m_pixmap);
        return;
    }
    painter.setPen(Qt::green);
    painter.drawLine(0, height() / 2, width(), height() / 2);
}
