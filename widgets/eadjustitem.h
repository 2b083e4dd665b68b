#pragma once

#include <QWidget>

class QPushButton;

// A pair of small arrow buttons stacked vertically: "Left" (down) on top,
// "Right" (up) below.
class EAdjustItem : public QWidget
{
    Q_OBJECT
public:
    explicit EAdjustItem(QWidget *parent = nullptr);

private:
    QPushButton *m_down;
    QPushButton *m_up;
};
