#pragma once

#include "custompaletterecord.h"

#include <QList>
#include <QObject>
#include <QPointer>

class QGraphicsLineItem;
class QGraphicsScene;

// The live view's palette model: at construction it reads which palette
// the user chose last, uploads it to the board and keeps its 256 colours;
// it paints the colour bar as one line item per pixel row, bottom row
// first, entry 0 at the bottom. The bar is hidden until a table is handed
// in with setColorTable(table, true).
class EColorRect : public QObject
{
public:
    EColorRect(QGraphicsScene *scene, float x, float y, float width, float height);
    ~EColorRect() override;

    // Copies: the bar never keeps a caller's table.
    RgbTable getColorTable() const { return m_rgb; }
    void setColorTable(const _rgb_item *table, bool visible);
    void setVisible(bool visible);
    bool isVisible() const { return m_visible; }
    void calPalette(bool visible);
    // The custom palette of slot n into both tables (slot outside 0..9: 0).
    void readCustomColorTable(int slot);
    YuvTable yuvTable() const { return m_yuv; }
    QRect geometry() const;
    QList<QGraphicsLineItem *> lines() const { return m_lines; }

    // Standard palette i as the user interface paints it: the application's
    // RGB table for 0..7; Medical from the board's own table, so bar and
    // picture agree.
    static RgbTable standardTable(int index);
    // Standard palette i as the board shows it: its YUV table converted and
    // clamped (index outside 0..8: Iron).
    static RgbTable boardTable(int index);
    static void rgbToYuv(int r, int g, int b, int *y, int *u, int *v);
    static void yuvToRgb(int y, int u, int v, int *r, int *g, int *b);

private:
    void choosePalette();

    QPointer<QGraphicsScene> m_scene;
    int m_x, m_y, m_width, m_height;
    RgbTable m_rgb;
    YuvTable m_yuv;
    bool m_visible = false;
    QList<QGraphicsLineItem *> m_lines;
};
