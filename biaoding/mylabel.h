#pragma once

#include <QLabel>

// A small clickable label kept with the calibration screens: centred text
// on light grey; a release reports clicked().
class MyLabel : public QLabel
{
    Q_OBJECT
public:
    explicit MyLabel(QWidget *parent = nullptr);

Q_SIGNALS:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
};
