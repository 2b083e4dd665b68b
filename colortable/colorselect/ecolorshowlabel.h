#pragma once

#include <QColor>
#include <QFrame>

// Swatch of the chooser's current colour.
class EColorShowLabel : public QFrame
{
public:
    explicit EColorShowLabel(QWidget *parent = nullptr);

    void setColor(const QColor &color);
    QColor color() const { return m_col; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_col;
};
