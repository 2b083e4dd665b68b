#pragma once

#include <QWidget>

// Stand-in of the General page: its title bar and the operations other
// screens call.
class EGeneralPage : public QWidget
{
    Q_OBJECT
public:
    explicit EGeneralPage(QWidget *parent = nullptr, Qt::WindowFlags flags = {});

    void readConfigPara() {}
};
