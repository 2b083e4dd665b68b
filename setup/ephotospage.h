#pragma once

#include <QWidget>

// Stand-in of the Photos page: its title bar and the operations other
// screens call (the setup window's close, the factory reset).
class EPhotosPage : public QWidget
{
    Q_OBJECT
public:
    explicit EPhotosPage(QWidget *parent = nullptr, Qt::WindowFlags flags = {});

public Q_SLOTS:
    void phototimeHandle() {}
    void repeatHandler_stop() {}
};
