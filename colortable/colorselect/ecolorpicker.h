#pragma once

#include <QFrame>

class QPixmap;

// Hue/saturation field of the colour chooser: hue runs from 360 at the left
// to 0 at the right, saturation from 255 at the top to 0 at the bottom. The
// field is drawn once at value 200 and afterwards only copied.
class EColorPicker : public QFrame
{
    Q_OBJECT
public:
    EColorPicker(QWidget *parent, int width, int height);
    ~EColorPicker() override;

    QSize sizeHint() const override;
    int hue() const { return m_hue; }
    int saturation() const { return m_sat; }

    QPoint colPt() const;
    int huePt(const QPoint &pt) const;
    int satPt(const QPoint &pt) const;
    void setCol(const QPoint &pt);

Q_SIGNALS:
    void newCol(int h, int s);

public Q_SLOTS:
    void setCol(int h, int s);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    int m_hue = 0;
    int m_sat = 0;
    QPixmap *m_pix = nullptr;
    int m_width;
    int m_height;
};
