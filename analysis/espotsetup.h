#pragma once

#include "eobjectsetup.h"

// Parameters of spot 1..3.
class ESpotSetup : public EObjectSetup
{
    Q_OBJECT
public:
    explicit ESpotSetup(QWidget *parent = nullptr, Qt::WindowFlags flags = {});

    void setSpotID(int n);

protected:
    EmissTable *&chooser() override;
};
