#pragma once

#include "eobjecttab.h"

// The areas page of the analysis panel.
class EAreaTab : public EObjectTab
{
    Q_OBJECT
public:
    explicit EAreaTab(QWidget *parent = nullptr);

protected:
    void openModeDialog(int n) override;
    void openSetupDialog(int n) override;
};
