#pragma once

#include "eicontabbar.h"

// The image popup's tabs: picture mode, palette, level/span, settings.
class EImageTabBar : public EIconTabBar
{
    Q_OBJECT
public:
    explicit EImageTabBar(QWidget *parent = nullptr, Qt::WindowFlags flags = {});

    // The tab name of the hit zone at pos, empty for none.
    static QString zoneAt(const QPoint &pos);
};
