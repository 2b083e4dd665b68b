#pragma once

#include <QWidget>

// Stand-in of the Control page: its title bar and the operations other
// screens call (the factory reset, the lamp key).
class EMiscPage : public QWidget
{
    Q_OBJECT
public:
    explicit EMiscPage(QWidget *parent = nullptr, Qt::WindowFlags flags = {});

    void readConfigPara() {}
    void openLamp(bool) {}
};
