#pragma once

#include "eglobal.h"
#include "egraphicsview.h"
#include "eimagetab.h"
#include "einterfaceitem.h"
#include "emaininterface.h"

#include <QtTest>

// The ways into the screens a user takes: a touch on bare picture shows
// the main menu, a tile opens its page, a touch beside a popup closes it.
namespace MenuRoute {

// Bare picture, right of the popups' corner and clear of the colour bar.
inline QPoint barePoint()
{
    return QPoint(250, 150);
}

inline void touch(EGraphicsView *view, const QPoint &at)
{
    QTest::mousePress(view->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, at);
}

// Shows the menu (built with the live view) and touches the tile.
inline void openTile(const char *name)
{
    EMainInterface *menu = EGlobal::getMainInterface();
    QVERIFY(menu);
    if (!menu->isVisibled())
        touch(EGlobal::getGraphicsView(), barePoint());
    QVERIFY(menu->isVisible());
    EInterfaceItem *tile = menu->tile(QLatin1String(name));
    QVERIFY(tile);
    QTest::mouseClick(tile, Qt::LeftButton);
}

// The image popup as its tile opens it, once the menu has built it.
inline EImageTab *openImagePopup()
{
    [] { QTRY_VERIFY(EGlobal::getImageTab()); }();
    openTile("Image");
    return EGlobal::getImageTab();
}

// A touch on bare picture beside the popup closes it.
inline void closePopup()
{
    touch(EGlobal::getGraphicsView(), barePoint());
}

} // namespace MenuRoute
