#pragma once

#include "eicontabbar.h"

// The analysis panel's tabs: spots, lines, areas, settings.
class EAnalysisTabBar : public EIconTabBar
{
    Q_OBJECT
public:
    explicit EAnalysisTabBar(QWidget *parent = nullptr, Qt::WindowFlags flags = {});
};
