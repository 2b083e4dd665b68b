#pragma once

#include <QWidget>

class QPixmap;

// Value bar beside the hue/saturation field: y 4 is value 255, the bottom
// of the scale value 0. Its gradient is kept until the colour changes.
class EColorLuminancePicker : public QWidget
{
    Q_OBJECT
public:
    explicit EColorLuminancePicker(QWidget *parent = nullptr);
    ~EColorLuminancePicker() override;

    int value() const { return m_val; }
    int hue() const { return m_hue; }
    int saturation() const { return m_sat; }
    int y2val(int y) const;
    int val2y(int v) const;
    void setVal(int v);

Q_SIGNALS:
    void newHsv(int h, int s, int v);

public Q_SLOTS:
    void setCol(int h, int s, int v);
    void setCol(int h, int s);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    int m_val = 100;
    int m_hue = 100;
    int m_sat = 100;
    QPixmap *m_pix = nullptr;
};
