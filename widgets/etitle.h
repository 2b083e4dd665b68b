#pragma once

#include "etitlebar.h"

class QPushButton;

// Title bar of the measurement dialogs: a centred title on the title
// picture and a Cancel button on the right that emits cancel().
class ETitle : public ETitleBar
{
    Q_OBJECT
public:
    explicit ETitle(QWidget *parent = nullptr, Qt::WindowFlags flags = {});

protected:
    // A press on the bar ends here; the dialog behind never sees it.
    void mousePressEvent(QMouseEvent *) override {}

private:
    QPushButton *m_cancel;
};
