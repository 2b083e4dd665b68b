#pragma once

#include "emodedialog.h"

// Chooses which of an area's results (maximum, minimum, average) are shown:
// any combination of the three rows.
class EAreaMode : public EModeDialog
{
    Q_OBJECT
public:
    explicit EAreaMode(QWidget *parent = nullptr, Qt::WindowFlags flags = {});

    void setAreaID(int n);

protected Q_SLOTS:
    void clickedCheckHandler(const QString &text) override;

protected:
    void showEvent(QShowEvent *event) override;
};
