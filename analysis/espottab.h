#pragma once

#include "eobjecttab.h"

// The spots page of the analysis panel.
class ESpotTab : public EObjectTab
{
    Q_OBJECT
public:
    explicit ESpotTab(QWidget *parent = nullptr);

    // Whether row n (1..3) is checked; false for another n.
    bool spotChecked(int n) const { return rowChecked(n); }
    // Sets row n's check mark (1..3; another n does nothing).
    void setSpotChecked(int n, bool on) { setRowChecked(n, on); }

protected:
    void openModeDialog(int n) override;
    void openSetupDialog(int n) override;
    bool highlightHiddenForSetup() const override { return true; }
};
