#pragma once

#include <QWidget>

// The colon between minutes and seconds: two green bars fading out at
// their ends.
class Timeindicator : public QWidget
{
    Q_OBJECT
public:
    explicit Timeindicator(QWidget *parent = nullptr);

    QSize sizeHint() const override { return QSize(7, 13); }
    QSize minimumSizeHint() const override { return QSize(5, 10); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void draw(QPainter *painter);
};
