#pragma once

#include "simscreen.h"

#include <QImage>
#include <QPainter>
#include <QRect>
#include <QWidget>

// What the panel shows of a window and what the window paints itself, in
// the part of its rectangle on the panel.
struct WindowLook
{
    QRect rect;
    QImage panel;
    QImage own;
    // The board's picture, which shows through a clear window.
    QImage layer;

    static WindowLook of(SimScreen *screen, QWidget *window)
    {
        WindowLook look;
        look.rect = QRect(window->mapToGlobal(QPoint(0, 0)), window->size()) & QRect(0, 0, SimScreen::Width, SimScreen::Height);
        look.panel = screen->composed().copy(look.rect);
        QImage layer = screen->videoLayer();
        if (!screen->colorBar().isNull())
            QPainter(&layer).drawImage(QPoint(299, 56), screen->colorBar());
        look.layer = layer.copy(look.rect);
        look.own = window->grab().toImage().convertToFormat(QImage::Format_ARGB32).copy(
            QRect(window->mapFromGlobal(look.rect.topLeft()), look.rect.size()));
        return look;
    }
};

// A window's rectangle over two openings. What the window paints alike both
// times is its own; what it paints otherwise (a clock, a reading, another
// file's name) is left out. A clear window owns only its opaque pixels
// other than the board's picture beneath it; any other window covers its
// whole rectangle on the panel.
struct ReopenedPixels
{
    ReopenedPixels(const WindowLook &first, const WindowLook &second, const QImage &before, const QImage &closed, bool clear)
    {
        for (int y = 0; y < first.rect.height(); ++y) {
            for (int x = 0; x < first.rect.width(); ++x) {
                const QRgb own = first.own.pixel(x, y);
                if (own != second.own.pixel(x, y))
                    continue;
                const QRgb shown = first.panel.pixel(x, y);
                const bool opaqueOwn = qAlpha(own) == 255 && !(clear && own == first.layer.pixel(x, y));
                if (opaqueOwn || !clear) {
                    ++compared;
                    sameSecond += second.panel.pixel(x, y) == shown;
                }
                if (!opaqueOwn)
                    continue;
                ++drawn;
                drawnFirst += shown == own;
                if (before.pixel(x, y) != own) {
                    ++distinct;
                    stillShown += closed.pixel(x, y) == own;
                }
            }
        }
    }

    QByteArray describe() const
    {
        return QStringLiteral("%1 of %2 shown alike; %3 of %4 drawn the first time; %5 of %6 still shown once closed")
            .arg(sameSecond)
            .arg(compared)
            .arg(drawnFirst)
            .arg(drawn)
            .arg(stillShown)
            .arg(distinct)
            .toLatin1();
    }

    int compared = 0;   // the window's own pixels
    int sameSecond = 0; // of them, shown alike by both openings
    int drawn = 0;      // its own opaque pixels
    int drawnFirst = 0; // of them, on the panel at the first opening
    int distinct = 0;   // of them, unlike the panel before it opened
    int stillShown = 0; // of those, still on the panel once it closed
};
