#pragma once

#include "emodedialog.h"

// Chooses whether a spot measures at its own position (Manual) or follows
// the hottest (Max) or coldest (Min) pixel: exactly one row is ticked.
class ESpotMode : public EModeDialog
{
    Q_OBJECT
public:
    explicit ESpotMode(QWidget *parent = nullptr, Qt::WindowFlags flags = {});

    void setSpotID(int n);

protected Q_SLOTS:
    void clickedCheckHandler(const QString &text) override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    ECheckItem *m_current;
};
