#pragma once

#include "pagelist.h"

// The core window's page list: "Two Calib", "Para Setting" and "B2" under
// "Settings"; releasing the cancel button asks the window to close.
class IRCoreListItem : public PageList
{
    Q_OBJECT
public:
    explicit IRCoreListItem(QWidget *parent = nullptr, Qt::WindowFlags flags = {});

Q_SIGNALS:
    void signal_close();
};
