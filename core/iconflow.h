#pragma once

#include <QList>
#include <QPair>

// Places small icons one after another along a strip, between a start and
// an end edge, stepping past the fixed things that stand on it; the status
// bar's state icons flow this way after its logo and around its zoom
// button, fusion icon and emissivity. An icon that finds no room there
// goes to the spare start (the logo's place: the logo tells nothing).
class IconFlow
{
public:
    IconFlow(int start, int end, int gap);

    void setSpareStart(int x) { m_spare = x; }
    // Something the icons must not cover, from left to right (exclusive).
    void block(int left, int right);
    // The left edge of the next icon of this width.
    int place(int width);

private:
    // The first left edge from x on that keeps the gap to every block and
    // ends before the end, or -1.
    int fit(int x, int width) const;

    int m_next;
    int m_spare;
    int m_end;
    int m_gap;
    QList<QPair<int, int>> m_blocks;
};
