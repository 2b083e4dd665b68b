#pragma once

#include "eobjectsetup.h"

// Parameters of line 1 (horizontal) or 2 (vertical).
class ELineSetup : public EObjectSetup
{
    Q_OBJECT
public:
    explicit ELineSetup(QWidget *parent = nullptr, Qt::WindowFlags flags = {});

    void setLineID(int n);

protected:
    EmissTable *&chooser() override;
};
