#pragma once

#include <QLabel>

// The memory card's usage bar: a dark rounded bar, its used part in blue
// and the label's text centred on top. Only the ratio of used to total is
// drawn, so any unit will do.
class ESDCardSpace : public QLabel
{
public:
    explicit ESDCardSpace(QWidget *parent = nullptr, Qt::WindowFlags flags = {});

    // Store only; setText() repaints, so owners set the text last.
    void setTotalSize(float total) { m_totalSize = total; }
    void setUsedSize(float used) { m_usedSize = used; }
    float totalSize() const { return m_totalSize; }
    float usedSize() const { return m_usedSize; }
    void setText(const QString &text);

    // Width of the used part in a bar barWidth wide; -1 when nothing is
    // drawn (no capacity). A used amount outside 0..total is held to it.
    static int usedWidth(int barWidth, float total, float used);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    float m_totalSize = 0.0f;
    float m_usedSize = 0.0f;
};
