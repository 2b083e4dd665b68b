#pragma once

#include <QWidget>

// One seven-segment digit, painted: red segments lit, dark grey unlit, on a
// near-black ground. A number outside 0..9 lights nothing.
class LCDNumber : public QWidget
{
    Q_OBJECT
public:
    explicit LCDNumber(QWidget *parent = nullptr);

    int number() const { return m_number; }

public Q_SLOTS:
    void setNumber(int num);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void initVariables();
    void drawVariables(QPainter *painter);
    void drawBackground(QPainter *painter);
    void drawNumber(QPainter *painter);

    int m_number = 0;
    float m_thickness = 0;
};
