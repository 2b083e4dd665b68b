#pragma once

#include "custompaletterecord.h"

#include <QWidget>

// Preview strip of a palette: 256 one-pixel columns, entry 0 at the left,
// optionally with two end marks below the colours.
class EColorTableRect : public QWidget
{
    Q_OBJECT
public:
    EColorTableRect(QWidget *parent, int marks, int width, int height);

    // Copies the 256 entries; null clears the strip.
    void setColorTable(const _rgb_item *table);
    bool hasColorTable() const { return m_hasTable; }
    RgbTable getColorTable() const { return m_table; }
    void show();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_width;
    int m_height;
    RgbTable m_table;
    bool m_hasTable = false;
    bool m_marks;
};
