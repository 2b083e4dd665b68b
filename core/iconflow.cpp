#include "iconflow.h"

IconFlow::IconFlow(int start, int end, int gap)
    : m_next(start)
    , m_spare(start)
    , m_end(end)
    , m_gap(gap)
{
}

void IconFlow::block(int left, int right)
{
    m_blocks.append({left, right});
}

int IconFlow::fit(int x, int width) const
{
    for (bool moved = true; moved;) {
        moved = false;
        for (const auto &[left, right] : m_blocks)
            if (x < right + m_gap && x + width + m_gap > left) {
                x = right + m_gap;
                moved = true;
            }
    }
    return x + width <= m_end ? x : -1;
}

int IconFlow::place(int width)
{
    int x = fit(m_next, width);
    if (x >= 0) {
        m_next = x + width + m_gap;
    } else {
        // Nothing free anywhere: the icon stacks on at the spare start.
        x = fit(m_spare, width);
        if (x < 0)
            x = m_spare;
        m_spare = x + width + m_gap;
    }
    // Placed icons keep the next ones off.
    m_blocks.append({x, x + width});
    return x;
}
