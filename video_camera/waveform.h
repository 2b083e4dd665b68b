#pragma once

#include <QVector>
#include <QWidget>

#include <memory>

// The live waveform: each column is the mean of a few samples, drawn as a
// green bar about the middle line on black. The strip is painted into its
// pixmap only when it is full (and on changeSettings/reset); the widget
// just copies the pixmap.
class Waveform : public QWidget
{
public:
    explicit Waveform(QWidget *parent = nullptr);
    ~Waveform() override;

    void changeSettings(int rate, int channels);
    void newSamples(const short *samples, int count);
    void reset();

    const QPixmap *pixmap() const { return m_pixmap.get(); }
    int samplesPerColumn() const { return m_samplesPerColumn; }
    int filledColumns() const { return m_filled; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void makePixmap();
    void draw();

    int m_samplesPerColumn = 16;
    int m_sum = 0;
    int m_count = 0;
    QVector<qint16> m_columns;
    int m_filled = 0;
    int m_columnCount = 100;
    std::unique_ptr<QPixmap> m_pixmap;
};
