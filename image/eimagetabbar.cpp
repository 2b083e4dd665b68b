#include "eimagetabbar.h"

namespace {
const EIconTabBar::Tab s_tabs[EIconTabBar::PageCount] = {
    {"ImagePip", "imagepip"},
    {"ImagePalette", "imagepalette"},
    {"ImageMode", "imageadjust"},
    {"Setting", "setting"},
};
}

EImageTabBar::EImageTabBar(QWidget *parent, Qt::WindowFlags flags)
    : EIconTabBar(s_tabs, 2, parent, flags)
{
}

QString EImageTabBar::zoneAt(const QPoint &pos)
{
    const int page = pageAt(pos);
    return page < 0 ? QString() : QLatin1String(s_tabs[page].name);
}
