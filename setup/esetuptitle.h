#pragma once

#include "etitlebar.h"

class QPushButton;

// Caption bar of a setup page or list: the caption centred on the title
// picture. Presses end here and never reach the page below. Its 48-pixel
// cancel button exists but stays hidden.
class ESetupTitle : public ETitleBar
{
    Q_OBJECT
public:
    explicit ESetupTitle(QWidget *parent = nullptr, Qt::WindowFlags flags = {});

    // A page laid out as its caption bar (24 high) over empty space; the
    // pages still waiting for their rows look like this.
    static ESetupTitle *addToPage(QWidget *page, const QString &caption);

protected:
    void mousePressEvent(QMouseEvent *) override {}

private:
    QPushButton *m_cancelButton = nullptr;
};
