#pragma once

#include <QColor>
#include <QFont>
#include <QString>

class QPainter;

// Drawing shared by the kinetic list rows: the frame that makes a list read
// as one rounded box, the text and the check mark.
class FlickRowPainter
{
public:
    static QColor highlightBlue() { return QColor(0, 128, 240, 255); }
    static int textWidth(const QFont &font, const QString &text);

    static void drawFirstFrame(QPainter *painter, int w, int h);
    // bottom: the y of the lower edge
    static void drawLastFrame(QPainter *painter, int w, int bottom);
    static void drawMiddleFrame(QPainter *painter, int w, int h);
    static void drawText(QPainter *painter, const QFont &font, const QString &text, int textWidth, int h,
                         bool highLight, bool checked);
    static void drawCheckMark(QPainter *painter, int x, int h, bool highLight);

private:
    FlickRowPainter() = delete;
};
