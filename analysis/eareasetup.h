#pragma once

#include "eobjectsetup.h"

// Parameters of area 1..3.
class EAreaSetup : public EObjectSetup
{
    Q_OBJECT
public:
    explicit EAreaSetup(QWidget *parent = nullptr, Qt::WindowFlags flags = {});

    void setAreaID(int n);

protected:
    EmissTable *&chooser() override;
};
