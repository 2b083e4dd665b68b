#pragma once

#include "eobjecttab.h"

// The lines page of the analysis panel: line 1 horizontal, line 2 vertical.
class ELineTab : public EObjectTab
{
    Q_OBJECT
public:
    explicit ELineTab(QWidget *parent = nullptr);

protected:
    void openModeDialog(int n) override;
    void openSetupDialog(int n) override;
};
