#pragma once

#include <QWidget>

// Stand-in of the Info page: its title bar only.
class EInfoPage : public QWidget
{
    Q_OBJECT
public:
    explicit EInfoPage(QWidget *parent = nullptr, Qt::WindowFlags flags = {});
};
