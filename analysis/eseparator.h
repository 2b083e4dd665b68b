#pragma once

#include <QFrame>

// The thin sunken line between the rows of the measurement popups.
class ESeparator : public QFrame
{
public:
    explicit ESeparator(QWidget *parent = nullptr);
};
