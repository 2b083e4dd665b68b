#pragma once

#include <QWidget>

// Stand-in of the date and time page: its title bar only.
class ZDateTimePage : public QWidget
{
    Q_OBJECT
public:
    explicit ZDateTimePage(QWidget *parent = nullptr);
};
