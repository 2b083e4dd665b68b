#pragma once

#include <QSize>
#include <QString>
#include <Qt>

class QWidget;

// What the two centred waiting pictures share: a transparent, frameless,
// window-modal widget of a fixed size in the middle of the 320x240 screen,
// painted with one picture scaled to it.
class WaitPicture
{
public:
    static void setUp(QWidget *widget, const QSize &size, Qt::WindowFlags flags);
    static void paint(QWidget *widget, const QString &picturePath);
    static void runNow(QWidget *widget);

private:
    WaitPicture() = delete;
};
